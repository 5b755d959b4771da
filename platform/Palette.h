#pragma once

#include <QColor>
#include <array>

// The application's four-colour palette. On today's true-colour screens selecting and realizing
// it always succeed; painting code still asks, so a failure would be reported where it happens.
class CPalette {
public:
    static constexpr int kLightSkyBlue = 0;
    static constexpr int kLightYellow = 1;
    static constexpr int kGreen = 2;
    static constexpr int kSeaGreen = 3;

    CPalette();
    bool IsCreated() const { return m_bCreated; }
    QColor Entry(int nIndex) const { return m_entries.at(static_cast<size_t>(nIndex)); }
    int EntryCount() const { return static_cast<int>(m_entries.size()); }
    // Selects the palette as the foreground palette and realizes it.
    bool SelectAndRealize() const { return m_bCreated; }

    // The palette the whole program paints with.
    static const CPalette& Application();

private:
    std::array<QColor, 4> m_entries;
    bool m_bCreated = true;
};

// Selects and realizes the application palette before painting; on failure shows
// "Error selecting palette." in the application's message box and lets painting go on.
void SelectApplicationPalette();
