#pragma once

#include "BoardPiece.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Reads board files: one line per place in place order. A line is used only if, trimmed of
// blanks, it holds a comma at position p: the first p - 1 characters are the piece's text and
// number (the character before the comma separates), the last p characters its second number.
class CBoardFile {
public:
    static constexpr int nPlaces = 35;
    // No piece shows more than a few characters: a longer line (line end not counted) is not
    // used, and is never kept whole in memory.
    static constexpr std::size_t nLongestLine = 100;
    using CPlaces = std::array<std::optional<CBoardPiece>, nPlaces>;

    // Reads "data/" + strKey, relative to the current folder; nullopt when it cannot be opened.
    static std::optional<CPlaces> Load(const std::string& strKey);
    // Reads a board file by its path; nullopt when it cannot be opened.
    static std::optional<CPlaces> LoadFile(const std::string& strPath);
    // Parses board text already in memory (LF or CR LF line ends). Missing lines leave places empty.
    static CPlaces Parse(std::string_view strText);
    // One line; nullopt when it is not used (no comma after trimming, or longer than nLongestLine).
    static std::optional<CBoardPiece> ParseLine(std::string_view strLine);
    // An integer read like the C runtime's atoi: leading blanks, optional sign, digits, 0 when
    // there are none. Values beyond 32 bits saturate instead of being undefined.
    static int ReadInteger(std::string_view strText);
};
