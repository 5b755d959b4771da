#include "Random.h"

unsigned CRandom::s_nState = 1;

void CRandom::Seed(unsigned nSeed)
{
    s_nState = nSeed;
}

int CRandom::Rand()
{
    s_nState = s_nState * 214013u + 2531011u;
    return static_cast<int>((s_nState >> 16) & 0x7fffu);
}

int CRandom::Scaled(int n)
{
    return Scale(Rand(), n);
}

int CRandom::Scale(int nRand, int n)
{
    return static_cast<int>(static_cast<unsigned>(nRand) * static_cast<unsigned>(n) / 32767u);
}
