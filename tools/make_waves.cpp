// Writes the game's nine wave files: short synthesised sounds, the same bytes on every run.
// Usage: make_waves [folder]   (default "data")

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;
constexpr double kPeak = 0.7;  // about -3 dB: loud enough, never clipping

using Samples = std::vector<double>;

int FrameCount(double dSeconds)
{
    return static_cast<int>(std::lround(dSeconds * kRate));
}

// Deterministic noise, so the files never change from one run to the next.
class CNoise {
public:
    double Next()
    {
        m_nState = m_nState * 1664525u + 1013904223u;
        return static_cast<double>(m_nState >> 8) / 8388608.0 - 1.0;
    }

private:
    uint32_t m_nState = 12345u;
};

// Attack and release ramps that keep every sound free of clicks.
double Envelope(int i, int nFrames, double dAttack, double dRelease)
{
    const double t = static_cast<double>(i) / kRate;
    const double dLeft = static_cast<double>(nFrames - i) / kRate;
    double e = 1.0;
    if (t < dAttack)
        e = t / dAttack;
    if (dLeft < dRelease)
        e = std::min(e, dLeft / dRelease);
    return e;
}

// A tone whose frequency follows `freq(t)`, with a few harmonics (weights `harmonics`).
Samples Tone(double dSeconds, const std::function<double(double)>& freq,
             const std::vector<double>& harmonics, double dAttack, double dRelease)
{
    const int n = FrameCount(dSeconds);
    Samples out(static_cast<size_t>(n));
    double dPhase = 0.0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        dPhase += 2.0 * kPi * freq(t) / kRate;
        double v = 0.0;
        for (size_t h = 0; h < harmonics.size(); ++h)
            v += harmonics[h] * std::sin(dPhase * static_cast<double>(h + 1));
        out[static_cast<size_t>(i)] = v * Envelope(i, n, dAttack, dRelease);
    }
    return out;
}

// A struck note that dies away, bell-like when `bBell` adds inharmonic partials.
Samples Strike(double dSeconds, double dFreq, double dDecay, bool bBell)
{
    const int n = FrameCount(dSeconds);
    Samples out(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double w = 2.0 * kPi * dFreq * t;
        double v = std::sin(w) + 0.35 * std::sin(2.0 * w) * std::exp(-t * 8.0);
        if (bBell)
            v += 0.3 * std::sin(2.76 * w) * std::exp(-t * 6.0) + 0.15 * std::sin(5.4 * w) * std::exp(-t * 12.0);
        out[static_cast<size_t>(i)] = v * std::exp(-t / dDecay) * Envelope(i, n, 0.004, 0.02);
    }
    return out;
}

double Note(int nSemitonesFromA4)
{
    return 440.0 * std::pow(2.0, nSemitonesFromA4 / 12.0);
}

// Adds `part` into `mix` starting at `dAt` seconds, growing `mix` as needed.
void MixAt(Samples& mix, const Samples& part, double dAt, double dGain = 1.0)
{
    const size_t nStart = static_cast<size_t>(FrameCount(dAt));
    if (mix.size() < nStart + part.size())
        mix.resize(nStart + part.size(), 0.0);
    for (size_t i = 0; i < part.size(); ++i)
        mix[nStart + i] += part[i] * dGain;
}

// A resonant band-pass over noise whose centre follows `centre(t)`.
Samples FilteredNoise(double dSeconds, const std::function<double(double)>& centre, double dQ,
                      const std::function<double(double)>& level)
{
    const int n = FrameCount(dSeconds);
    Samples out(static_cast<size_t>(n));
    CNoise noise;
    double low = 0.0, band = 0.0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double f = 2.0 * std::sin(kPi * std::min(centre(t), kRate / 6.0) / kRate);
        // Chamberlin state-variable filter.
        low += f * band;
        const double high = noise.Next() - low - band / dQ;
        band += f * high;
        out[static_cast<size_t>(i)] = band * level(t);
    }
    return out;
}

void Normalise(Samples& s)
{
    double dMax = 0.0;
    for (double v : s)
        dMax = std::max(dMax, std::abs(v));
    if (dMax > 0.0)
        for (double& v : s)
            v *= kPeak / dMax;
}

// ---- the nine sounds ----

Samples Up()
{
    return Tone(0.12, [](double t) { return 620.0 + 4200.0 * t; }, {1.0, 0.25, 0.1}, 0.005, 0.04);
}

Samples Down()
{
    return Tone(0.12, [](double t) { return 1120.0 - 4200.0 * t; }, {1.0, 0.25, 0.1}, 0.005, 0.04);
}

Samples Warble()
{
    // A quick trill between two notes a minor third apart, gliding softly from one to the other.
    return Tone(0.22,
                [](double t) {
                    const double dSide = std::tanh(4.0 * std::sin(2.0 * kPi * 14.0 * t));
                    return Note(19) * std::pow(2.0, 1.5 * (1.0 + dSide) / 12.0);
                },
                {1.0, 0.2}, 0.005, 0.05);
}

Samples No()
{
    // Two low, slightly detuned soft square waves: a gentle "uh-uh" buzz.
    Samples a = Tone(0.32, [](double) { return 110.0; }, {1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14}, 0.01, 0.08);
    Samples b = Tone(0.32, [](double) { return 116.5; }, {1.0, 0.0, 0.33, 0.0, 0.2}, 0.01, 0.08);
    Samples mix;
    MixAt(mix, a, 0.0);
    MixAt(mix, b, 0.0, 0.8);
    return mix;
}

Samples Shoop()
{
    // Noise swept upwards under a rising whistle.
    const double dLength = 0.3;
    Samples air = FilteredNoise(
        dLength, [](double t) { return 300.0 + 9000.0 * t; }, 4.0,
        [dLength](double t) { return std::sin(kPi * t / dLength); });
    Samples whistle = Tone(dLength, [](double t) { return 250.0 + 2400.0 * t; }, {1.0}, 0.06, 0.12);
    Normalise(air);
    Samples mix;
    MixAt(mix, air, 0.0);
    MixAt(mix, whistle, 0.0, 0.35);
    return mix;
}

Samples Shake()
{
    // Four dice-like clicks of band-passed noise.
    Samples mix;
    const double dOffsets[] = {0.0, 0.032, 0.07, 0.1};
    const double dCentres[] = {2600.0, 3200.0, 2300.0, 2900.0};
    for (int k = 0; k < 4; ++k) {
        const double dCentre = dCentres[k];
        Samples click = FilteredNoise(
            0.03, [dCentre](double) { return dCentre; }, 6.0, [](double t) { return std::exp(-t * 160.0); });
        MixAt(mix, click, dOffsets[k], k == 2 ? 0.7 : 1.0);
    }
    mix.resize(static_cast<size_t>(FrameCount(0.14)), 0.0);
    return mix;
}

Samples Fanfare(const std::vector<std::pair<int, double>>& notes, double dStep, bool bRobot)
{
    Samples mix;
    double dAt = 0.0;
    for (const auto& [nNote, dLength] : notes) {
        const double dFreq = Note(nNote);
        Samples tone = bRobot
            ? Tone(dLength * dStep, [dFreq](double) { return dFreq; }, {1.0, 0.0, 0.3, 0.0, 0.15}, 0.005, 0.03)
            : Tone(dLength * dStep, [dFreq](double) { return dFreq; }, {1.0, 0.5, 0.35, 0.2, 0.1}, 0.01, 0.05);
        if (bRobot) {
            // Ring modulation gives the computer its tin voice.
            for (size_t i = 0; i < tone.size(); ++i)
                tone[i] *= 0.6 + 0.4 * std::sin(2.0 * kPi * 55.0 * static_cast<double>(i) / kRate);
        }
        MixAt(mix, tone, dAt);
        dAt += dLength * dStep;
    }
    return mix;
}

Samples HumanWins()
{
    // Ta-ta-ta-taaa, rising: C5 E5 G5, then C6 over a held chord.
    Samples mix = Fanfare({{3, 1}, {7, 1}, {10, 1}, {15, 3.5}}, 0.13, false);
    Samples chord = Fanfare({{10, 3.5}}, 0.13, false);
    Samples third = Fanfare({{7, 3.5}}, 0.13, false);
    MixAt(mix, chord, 0.39, 0.45);
    MixAt(mix, third, 0.39, 0.35);
    return mix;
}

Samples ComputerWins()
{
    // A tinny tune stepping down: G4 E4 C4, then a low G3.
    return Fanfare({{-2, 1}, {-5, 1}, {-9, 1}, {-14, 3}}, 0.16, true);
}

Samples Jingle()
{
    // Bells: G5 C6 E6 G6, then a C6-E6-G6 chord ringing out.
    Samples mix;
    const int nNotes[] = {10, 15, 19, 22};
    for (int k = 0; k < 4; ++k)
        MixAt(mix, Strike(0.45, Note(nNotes[k]), 0.15, true), 0.11 * k);
    for (int nNote : {15, 19, 22})
        MixAt(mix, Strike(0.7, Note(nNote), 0.25, true), 0.5, 0.6);
    return mix;
}

// ---- RIFF WAVE, 16-bit mono PCM ----

void PutLE(std::ofstream& out, uint32_t nValue, int nBytes)
{
    for (int i = 0; i < nBytes; ++i)
        out.put(static_cast<char>((nValue >> (8 * i)) & 0xffu));
}

bool WriteWave(const std::filesystem::path& path, Samples samples)
{
    Normalise(samples);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const uint32_t nDataBytes = static_cast<uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    PutLE(out, 36 + nDataBytes, 4);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    PutLE(out, 16, 4);          // chunk size
    PutLE(out, 1, 2);           // PCM
    PutLE(out, 1, 2);           // mono
    PutLE(out, kRate, 4);
    PutLE(out, kRate * 2, 4);   // bytes per second
    PutLE(out, 2, 2);           // block align
    PutLE(out, 16, 2);          // bits per sample
    out.write("data", 4);
    PutLE(out, nDataBytes, 4);
    for (double v : samples) {
        const long nSample = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        PutLE(out, static_cast<uint32_t>(static_cast<int16_t>(nSample)), 2);
    }
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path folder = argc > 1 ? argv[1] : "data";
    std::error_code error;
    std::filesystem::create_directories(folder, error);

    const std::pair<const char*, Samples (*)()> waves[] = {
        {"up.wav", Up},         {"down.wav", Down},         {"warble.wav", Warble},
        {"no.wav", No},         {"shoop.wav", Shoop},       {"shake2.wav", Shake},
        {"compw.wav", ComputerWins}, {"humanw.wav", HumanWins}, {"zorb.wav", Jingle},
    };
    int nFailures = 0;
    for (const auto& [pszName, make] : waves) {
        const std::filesystem::path path = folder / pszName;
        if (!WriteWave(path, make())) {
            std::fprintf(stderr, "make_waves: cannot write %s\n", path.string().c_str());
            ++nFailures;
        }
    }
    return nFailures == 0 ? 0 : 1;
}
