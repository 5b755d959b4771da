#include "TargetIndex.h"

CTargetIndex::CTargetIndex()
{
    Clear();
}

void CTargetIndex::Clear()
{
    m_nWindowRank.fill(nNoRank);
    m_nNumber.fill(0);
    m_nRank.fill(-1);
    m_nSize = 0;
    m_nOutside = 0;
}

std::uint32_t CTargetIndex::Slot(int nNumber)
{
    // Fibonacci hashing: the top 6 bits of the product spread neighbouring numbers apart.
    return (static_cast<std::uint32_t>(nNumber) * 2654435769u) >> 26;
}

bool CTargetIndex::Add(int nNumber, int nRank)
{
    if (nRank < 0 || nRank > nMaxRank)
        return false;
    const std::uint32_t nSlot = WindowSlot(nNumber);
    if (nSlot >= kWindowSize)
        return AddOutside(nNumber, nRank);
    std::uint16_t& nKept = m_nWindowRank[nSlot];
    if (nKept == nNoRank) {
        if (m_nSize >= nCapacity - 1)
            return false;
        ++m_nSize;
    }
    if (static_cast<std::uint32_t>(nRank) < nKept)
        nKept = static_cast<std::uint16_t>(nRank);
    return true;
}

bool CTargetIndex::AddOutside(int nNumber, int nRank)
{
    for (std::uint32_t i = Slot(nNumber);; i = (i + 1) % nCapacity) {
        if (m_nRank[i] < 0) {
            if (m_nSize >= nCapacity - 1)  // keep one slot free so every probe ends
                return false;
            m_nNumber[i] = nNumber;
            m_nRank[i] = nRank;
            ++m_nSize;
            ++m_nOutside;
            return true;
        }
        if (m_nNumber[i] == nNumber) {
            if (nRank < m_nRank[i])
                m_nRank[i] = nRank;
            return true;
        }
    }
}

std::uint32_t CTargetIndex::ProbeRank(int nNumber) const
{
    for (std::uint32_t i = Slot(nNumber);; i = (i + 1) % nCapacity) {
        if (m_nRank[i] < 0)
            return nNoRank;
        if (m_nNumber[i] == nNumber)
            return static_cast<std::uint32_t>(m_nRank[i]);
    }
}
