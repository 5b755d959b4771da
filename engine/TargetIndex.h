#pragma once

#include <array>
#include <cstdint>

// The numbers a search looks for, each with its rank (lower is preferred), so that the
// catalogue's 104 values can be looked up without walking every piece for every form. Numbers
// near zero, which is where boards and most values lie, are looked up in a table; the rest in a
// small hash table.
class CTargetIndex {
public:
    static constexpr int nCapacity = 64;  // the board's 35 pieces at most
    static constexpr int nMaxRank = 32767;
    static constexpr std::uint32_t nNoRank = 0xFFFF;  // above every rank

    CTargetIndex();

    void Clear();
    // Adds nNumber with nRank (0 to nMaxRank); a number already present keeps its lower rank.
    // False when full or the rank is out of range.
    bool Add(int nNumber, int nRank);
    // The rank of nNumber, -1 when it is not a target.
    int RankOf(int nNumber) const
    {
        const std::uint32_t nRank = UnsignedRankOf(nNumber);
        return nRank == nNoRank ? -1 : static_cast<int>(nRank);
    }
    // The same, nNoRank when it is not a target: a search compares ranks without branching.
    std::uint32_t UnsignedRankOf(int nNumber) const
    {
        const std::uint32_t nSlot = WindowSlot(nNumber);
        if (nSlot < kWindowSize)  // nearly always
            return m_nWindowRank[nSlot];
        return m_nOutside > 0 ? ProbeRank(nNumber) : nNoRank;
    }
    bool IsEmpty() const { return m_nSize == 0; }

private:
    static constexpr int kWindowLow = -1024;
    static constexpr std::uint32_t kWindowSize = 2048;

    static std::uint32_t WindowSlot(int nNumber)
    {
        return static_cast<std::uint32_t>(nNumber) - static_cast<std::uint32_t>(kWindowLow);
    }
    static std::uint32_t Slot(int nNumber);
    std::uint32_t ProbeRank(int nNumber) const;
    bool AddOutside(int nNumber, int nRank);

    std::array<std::uint16_t, kWindowSize> m_nWindowRank;  // nNoRank: not a target
    std::array<int, nCapacity> m_nNumber;
    std::array<int, nCapacity> m_nRank;  // -1 marks a free slot
    int m_nSize = 0;     // distinct numbers in all
    int m_nOutside = 0;  // of them, beyond the table
};
