#include "TargetIndex.h"

CTargetIndex::CTargetIndex()
{
    Clear();
}

void CTargetIndex::Clear()
{
    m_nNumber.fill(0);
    m_nRank.fill(-1);
    m_nSize = 0;
    m_nLowBits.fill(0);
}

std::uint32_t CTargetIndex::Slot(int nNumber)
{
    // Fibonacci hashing: the top 6 bits of the product spread neighbouring numbers apart.
    return (static_cast<std::uint32_t>(nNumber) * 2654435769u) >> 26;
}

bool CTargetIndex::Add(int nNumber, int nRank)
{
    for (std::uint32_t i = Slot(nNumber);; i = (i + 1) % nCapacity) {
        if (m_nRank[i] < 0) {
            if (m_nSize >= nCapacity - 1)  // keep one slot free so every probe ends
                return false;
            m_nNumber[i] = nNumber;
            m_nRank[i] = nRank;
            ++m_nSize;
            const auto nLow = static_cast<std::uint32_t>(nNumber) & 255u;
            m_nLowBits[nLow >> 6] |= std::uint64_t{1} << (nLow & 63u);
            return true;
        }
        if (m_nNumber[i] == nNumber) {
            if (nRank < m_nRank[i])
                m_nRank[i] = nRank;
            return true;
        }
    }
}

int CTargetIndex::ProbeRank(int nNumber) const
{
    for (std::uint32_t i = Slot(nNumber);; i = (i + 1) % nCapacity) {
        if (m_nRank[i] < 0)
            return -1;
        if (m_nNumber[i] == nNumber)
            return m_nRank[i];
    }
}
