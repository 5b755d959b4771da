#pragma once

#include <string>

// The state of the piece at one place of the board.
struct CBoardPiece {
    std::string m_strText;  // the text shown on the piece
    int m_nNumber = 0;      // the value a move must reach
    int m_nSecond = 0;      // carried by the board file, not used by the game
    int m_nCount = 0;       // taken places around it, as of the last Arrange
    int m_bTaken = 0;       // 0 on the board; 1 removed at set-up or taken by player one; 2 by player two

    bool IsTaken() const { return m_bTaken != 0; }
};
