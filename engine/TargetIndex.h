#pragma once

#include <array>
#include <cstdint>

// The numbers a search looks for, each with its rank (lower is preferred), so that the
// catalogue's 104 values can be looked up without walking every piece for every form.
class CTargetIndex {
public:
    static constexpr int nCapacity = 64;  // the board's 35 pieces at most

    CTargetIndex();

    void Clear();
    // Adds nNumber with nRank; a number already present keeps its lower rank. False when full.
    bool Add(int nNumber, int nRank);
    // The rank of nNumber, -1 when it is not a target.
    int RankOf(int nNumber) const
    {
        const auto nLow = static_cast<std::uint32_t>(nNumber) & 255u;
        if ((m_nLowBits[nLow >> 6] >> (nLow & 63u) & 1u) == 0)
            return -1;  // most values stop here
        return ProbeRank(nNumber);
    }
    bool IsEmpty() const { return m_nSize == 0; }

private:
    static std::uint32_t Slot(int nNumber);
    int ProbeRank(int nNumber) const;

    std::array<int, nCapacity> m_nNumber;
    std::array<int, nCapacity> m_nRank;  // -1 marks a free slot
    int m_nSize = 0;
    std::array<std::uint64_t, 4> m_nLowBits;  // which low bytes the targets have
};
