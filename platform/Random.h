#pragma once

// The program's one random generator, the same sequence as the original runtime's rand():
// state = state * 214013 + 2531011 (mod 2^32), result = bits 16 to 30 of the new state.
class CRandom {
public:
    static void Seed(unsigned nSeed);
    static int Rand();                  // 0 to 32767
    // rand() * n / 32767 in unsigned arithmetic: 0 to n inclusive (n only when rand() is 32767).
    static int Scaled(int n);
    // The same scaling of a given rand() value.
    static int Scale(int nRand, int n);

private:
    static unsigned s_nState;
};
