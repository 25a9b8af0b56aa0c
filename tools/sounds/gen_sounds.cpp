// gen_sounds.cpp - builds every sound effect of the game from scratch.
//
// Each sound is synthesised here (sine partials with envelopes, filtered noise
// bursts, small melodies) and written as a 16-bit mono PCM RIFF WAVE file at
// 22050 Hz. The game looks them up by name under data/ with the extension
// ".dat", so that is what we write.
//
// The output is deterministic: the noise generator is seeded per sound with a
// fixed value, and nothing depends on time or the environment, so two runs give
// byte-identical files.
//
// Build and run:  g++ -O2 -std=c++17 tools/sounds/gen_sounds.cpp -o /tmp/gen_sounds
//                 /tmp/gen_sounds data
//
// Only the C++ standard library is used.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

// ---------------------------------------------------------------------------
// Small deterministic noise source (xorshift64*), so nothing depends on the
// standard library's unspecified random engines or distributions.
class Noise {
public:
    explicit Noise(std::uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
    // Uniform in [-1, 1).
    double next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        const std::uint64_t v = state_ * 0x2545F4914F6CDD1Dull;
        return static_cast<double>(v >> 11) * (2.0 / 9007199254740992.0) - 1.0;
    }

private:
    std::uint64_t state_;
};

// ---------------------------------------------------------------------------
// Biquad filter (the usual audio-cookbook forms).
class Biquad {
public:
    enum class Kind { LowPass, HighPass, BandPass };

    Biquad(Kind kind, double freq, double q) {
        const double w0 = kTwoPi * freq / kRate;
        const double cw = std::cos(w0);
        const double alpha = std::sin(w0) / (2.0 * q);
        double b0 = 0, b1 = 0, b2 = 0;
        switch (kind) {
        case Kind::LowPass:
            b0 = (1 - cw) / 2; b1 = 1 - cw; b2 = (1 - cw) / 2;
            break;
        case Kind::HighPass:
            b0 = (1 + cw) / 2; b1 = -(1 + cw); b2 = (1 + cw) / 2;
            break;
        case Kind::BandPass:  // constant 0 dB peak gain
            b0 = alpha; b1 = 0; b2 = -alpha;
            break;
        }
        const double a0 = 1 + alpha;
        b0_ = b0 / a0; b1_ = b1 / a0; b2_ = b2 / a0;
        a1_ = -2 * cw / a0; a2_ = (1 - alpha) / a0;
    }

    double process(double x) {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_; x1_ = x;
        y2_ = y1_; y1_ = y;
        return y;
    }

private:
    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// ---------------------------------------------------------------------------
// A mono sample buffer and the building blocks every sound is made of.
struct Sound {
    explicit Sound(double seconds) : s(static_cast<std::size_t>(seconds * kRate + 0.5), 0.0) {}
    std::vector<double> s;

    std::size_t index(double t) const { return static_cast<std::size_t>(std::max(0.0, t) * kRate + 0.5); }
};

// One partial of a struck object: quick linear attack, then exponential decay.
// `glide` bends the pitch from freq*glide at the strike to freq (tau glideTau).
void strike(Sound& snd, double t0, double freq, double amp, double attack, double tau,
            double glide = 1.0, double glideTau = 0.02) {
    const std::size_t start = snd.index(t0);
    double phase = 0.0;
    for (std::size_t i = start; i < snd.s.size(); ++i) {
        const double t = static_cast<double>(i - start) / kRate;
        const double env = (attack > 0 && t < attack ? t / attack : 1.0) * std::exp(-t / tau);
        if (env < 1e-5 && t > attack) break;
        const double f = freq * (1.0 + (glide - 1.0) * std::exp(-t / glideTau));
        phase += kTwoPi * f / kRate;
        snd.s[i] += amp * env * std::sin(phase);
    }
}

// A burst of filtered noise: attack, then exponential decay.
void noiseBurst(Sound& snd, Noise& rng, double t0, double amp, double attack, double tau,
                Biquad filter, Biquad* second = nullptr) {
    const std::size_t start = snd.index(t0);
    for (std::size_t i = start; i < snd.s.size(); ++i) {
        const double t = static_cast<double>(i - start) / kRate;
        const double env = (attack > 0 && t < attack ? t / attack : 1.0) * std::exp(-t / tau);
        double x = filter.process(rng.next());
        if (second) x = second->process(x);
        if (env < 1e-5 && t > attack) break;
        snd.s[i] += amp * env * x;
    }
}

// A held note for the jingles: harmonic partials, attack/release envelope,
// optional vibrato and a gentle decay while it is held.
struct Timbre {
    std::vector<std::pair<double, double>> partials;  // (multiple of f0, relative amplitude)
    double attack = 0.01;
    double release = 0.08;
    double holdDecayTau = 10.0;  // slow fall while the note is held
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0;   // relative frequency deviation
};

void note(Sound& snd, double t0, double dur, double freq, double amp, const Timbre& tb) {
    const std::size_t start = snd.index(t0);
    const std::size_t end = std::min(snd.s.size(), snd.index(t0 + dur + tb.release));
    std::vector<double> phases(tb.partials.size(), 0.0);
    for (std::size_t i = start; i < end; ++i) {
        const double t = static_cast<double>(i - start) / kRate;
        double env = t < tb.attack ? t / tb.attack : 1.0;
        env *= std::exp(-t / tb.holdDecayTau);
        if (t > dur) env *= std::max(0.0, 1.0 - (t - dur) / tb.release);
        // vibrato fades in over the first 150 ms so short notes stay clean
        const double vib = tb.vibratoDepth * std::min(1.0, t / 0.15) * std::sin(kTwoPi * tb.vibratoHz * t);
        double v = 0.0;
        for (std::size_t k = 0; k < tb.partials.size(); ++k) {
            const double f = freq * tb.partials[k].first * (1.0 + vib);
            if (f >= kRate * 0.45) continue;  // keep clear of aliasing
            phases[k] += kTwoPi * f / kRate;
            v += tb.partials[k].second * std::sin(phases[k]);
        }
        snd.s[i] += amp * env * v;
    }
}

// A square-ish electronic tone built from odd harmonics (band-limited).
void bleep(Sound& snd, double t0, double dur, double freq, double amp, double endFreq = 0.0) {
    const std::size_t start = snd.index(t0);
    const std::size_t end = std::min(snd.s.size(), snd.index(t0 + dur));
    const double edge = 0.003;
    double phase = 0.0;
    for (std::size_t i = start; i < end; ++i) {
        const double t = static_cast<double>(i - start) / kRate;
        double env = 1.0;
        if (t < edge) env = t / edge;
        if (dur - t < edge) env = std::min(env, (dur - t) / edge);
        const double f = endFreq > 0 ? freq + (endFreq - freq) * (t / dur) : freq;
        phase += kTwoPi * f / kRate;
        double v = 0.0;
        for (int h = 1; h * f < kRate * 0.45 && h <= 9; h += 2) v += std::sin(h * phase) / h;
        snd.s[i] += amp * env * v;
    }
}

// Equal-tempered pitch: semitones from A4 (440 Hz).
double pitch(int semisFromA4) { return 440.0 * std::pow(2.0, semisFromA4 / 12.0); }
// A few named pitches used by the melodies.
const double C4 = pitch(-9), D4 = pitch(-7), E4 = pitch(-5), F4 = pitch(-4), Fs4 = pitch(-3),
             G4 = pitch(-2), A4 = pitch(0), Bb4 = pitch(1), C5 = pitch(3), D5 = pitch(5),
             E5 = pitch(7), F5 = pitch(8), G5 = pitch(10), A5 = pitch(12), B5 = pitch(14), C6 = pitch(15),
             D6 = pitch(17), E6 = pitch(19), G6 = pitch(22), C3 = pitch(-21), G3 = pitch(-14),
             E3 = pitch(-17);

// ---------------------------------------------------------------------------
// Finishing: remove DC, trim the silent tail, fade the very end, scale to the
// wanted peak and clamp the length.
void finish(Sound& snd, double peak, double maxSeconds) {
    // one-pole DC blocker (about 20 Hz)
    const double r = 1.0 - kTwoPi * 20.0 / kRate;
    double xPrev = 0.0, yPrev = 0.0;
    for (double& x : snd.s) {
        const double y = x - xPrev + r * yPrev;
        xPrev = x; yPrev = y; x = y;
    }
    double maxAbs = 0.0;
    for (double x : snd.s) maxAbs = std::max(maxAbs, std::fabs(x));
    if (maxAbs <= 0.0) return;
    // trim everything after the last sample louder than -60 dB of the peak
    std::size_t last = 0;
    for (std::size_t i = 0; i < snd.s.size(); ++i)
        if (std::fabs(snd.s[i]) > maxAbs * 0.001) last = i;
    std::size_t len = std::min(last + 1, static_cast<std::size_t>(maxSeconds * kRate));
    snd.s.resize(len);
    // a smooth (half-cosine) fade over the last fifth, at most 30 ms, so a
    // tail cut at the length limit never ends in a click
    const std::size_t fade = std::min<std::size_t>(len / 5, static_cast<std::size_t>(0.030 * kRate));
    for (std::size_t k = 0; k < fade; ++k)
        snd.s[len - 1 - k] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(k) / fade);
    const double gain = peak / maxAbs;
    for (double& x : snd.s) x *= gain;
}

bool writeWave(const std::string& path, const Sound& snd) {
    std::vector<unsigned char> out;
    auto u32 = [&out](std::uint32_t v) {
        for (int k = 0; k < 4; ++k) out.push_back(static_cast<unsigned char>((v >> (8 * k)) & 0xFF));
    };
    auto u16 = [&out](std::uint16_t v) {
        out.push_back(static_cast<unsigned char>(v & 0xFF));
        out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
    };
    auto tag = [&out](const char* t) { out.insert(out.end(), t, t + 4); };
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(snd.s.size() * 2);
    tag("RIFF"); u32(36 + dataBytes); tag("WAVE");
    tag("fmt "); u32(16); u16(1); u16(1); u32(kRate); u32(kRate * 2); u16(2); u16(16);
    tag("data"); u32(dataBytes);
    for (double x : snd.s) {
        const long v = std::lround(std::clamp(x, -1.0, 1.0) * 32767.0);
        u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(f);
}

using Biq = Biquad::Kind;

// ---------------------------------------------------------------------------
// The effects played by number.

// 1: a soft two-stroke chime (nothing asks for it, but the file is delivered).
Sound softChime() {
    Sound snd(1.2);
    const double ratios[] = {1.0, 2.0, 2.76, 5.40};
    const double amps[] = {1.0, 0.35, 0.22, 0.08};
    const double taus[] = {0.35, 0.22, 0.15, 0.06};
    for (int k = 0; k < 4; ++k) strike(snd, 0.00, E5 * ratios[k], amps[k], 0.004, taus[k]);
    for (int k = 0; k < 4; ++k) strike(snd, 0.14, B5 * ratios[k], amps[k] * 0.8, 0.004, taus[k]);
    finish(snd, 0.45, 1.0);
    return snd;
}

// 2: the button click, short and crisp.
Sound buttonClick() {
    Sound snd(0.06);
    Noise rng(0x0C11C4);
    noiseBurst(snd, rng, 0.0, 1.0, 0.0004, 0.004, Biquad(Biq::BandPass, 4200, 1.2));
    strike(snd, 0.0, 2300, 0.5, 0.0003, 0.007);
    strike(snd, 0.0, 5200, 0.15, 0.0003, 0.003);
    finish(snd, 0.6, 0.05);
    return snd;
}

// 3: the win fanfare (also the hatched egg and the game clear).
Sound winFanfare() {
    Sound snd(2.6);
    Timbre brass;
    brass.partials = {{1, 1.0}, {2, 0.55}, {3, 0.40}, {4, 0.25}, {5, 0.15}, {6, 0.08}};
    brass.attack = 0.02;
    brass.release = 0.06;
    brass.holdDecayTau = 3.0;
    Timbre held = brass;
    held.release = 0.45;
    held.vibratoHz = 5.5;
    held.vibratoDepth = 0.004;
    Timbre pad;
    pad.partials = {{1, 1.0}, {2, 0.3}, {3, 0.1}};
    pad.attack = 0.05;
    pad.release = 0.5;
    pad.holdDecayTau = 2.0;

    note(snd, 0.00, 0.10, G4, 0.55, brass);
    note(snd, 0.13, 0.10, C5, 0.55, brass);
    note(snd, 0.26, 0.10, E5, 0.55, brass);
    note(snd, 0.39, 0.22, G5, 0.60, brass);
    note(snd, 0.65, 0.10, E5, 0.50, brass);
    note(snd, 0.78, 1.15, G5, 0.60, held);
    note(snd, 0.78, 1.15, C5, 0.35, held);
    // chord underneath the last note
    note(snd, 0.78, 1.10, C4, 0.30, pad);
    note(snd, 0.78, 1.10, E4, 0.25, pad);
    note(snd, 0.78, 1.10, G4, 0.25, pad);
    note(snd, 0.78, 1.10, C3, 0.35, pad);
    // a little sparkle on top
    const double sparkle[] = {C6, E6, G6};
    for (int k = 0; k < 3; ++k) strike(snd, 0.80 + 0.07 * k, sparkle[k], 0.18, 0.003, 0.25);
    finish(snd, 0.75, 2.5);
    return snd;
}

// 4: the losing tune, a slow sad descent ending in a wobbling low note.
Sound loseTune() {
    Sound snd(2.8);
    Timbre muted;
    muted.partials = {{1, 1.0}, {2, 0.45}, {3, 0.22}, {4, 0.08}};
    muted.attack = 0.04;
    muted.release = 0.08;
    muted.holdDecayTau = 1.2;
    Timbre last = muted;
    last.release = 0.35;
    last.vibratoHz = 4.0;
    last.vibratoDepth = 0.018;
    last.holdDecayTau = 1.0;
    note(snd, 0.00, 0.30, G4, 0.6, muted);
    note(snd, 0.42, 0.30, Fs4, 0.6, muted);
    note(snd, 0.84, 0.30, F4, 0.6, muted);
    note(snd, 1.26, 0.95, E4, 0.65, last);
    // a soft minor bed under the last note
    Timbre pad;
    pad.partials = {{1, 1.0}, {2, 0.2}};
    pad.attack = 0.1;
    pad.release = 0.3;
    pad.holdDecayTau = 1.0;
    note(snd, 1.26, 0.9, E3, 0.25, pad);
    note(snd, 1.26, 0.9, G3, 0.18, pad);
    finish(snd, 0.70, 2.65);
    return snd;
}

// 5: the draw jingle (also the title logo, a story step, a selection step):
// four mallet notes that settle on a ringing one, about a second long.
Sound drawJingle() {
    Sound snd(1.2);
    auto mallet = [&snd](double t0, double f, double amp) {
        strike(snd, t0, f, amp, 0.002, 0.28);
        strike(snd, t0, f * 3.93, amp * 0.18, 0.001, 0.05);
        strike(snd, t0, f * 2.0, amp * 0.10, 0.002, 0.12);
    };
    mallet(0.00, C5, 0.6);
    mallet(0.13, F5, 0.6);
    mallet(0.26, G5, 0.6);
    mallet(0.42, C6, 0.55);
    mallet(0.42, G5, 0.30);
    mallet(0.42, E5, 0.25);
    finish(snd, 0.65, 1.1);
    return snd;
}

// 6: the pass notice / story step / back button: a soft two-note blip.
Sound softBlip() {
    Sound snd(0.25);
    strike(snd, 0.00, A5, 0.8, 0.003, 0.030, 0.80, 0.010);
    strike(snd, 0.00, A5 * 2, 0.10, 0.003, 0.015);
    strike(snd, 0.075, E6, 0.7, 0.003, 0.035, 0.80, 0.010);
    strike(snd, 0.075, E6 * 2, 0.08, 0.003, 0.015);
    finish(snd, 0.55, 0.22);
    return snd;
}

// ---------------------------------------------------------------------------
// The player's discs: a disc clacking on the board, and the lighter flick of a
// disc being turned. The boy's are lower and woodier, the girl's brighter.

struct Clack {
    double modes[3];
    double taus[3];
    double amps[3];
    double noiseFreq;
    double thumpFreq;
};

Sound clack(const Clack& c, std::uint64_t seed, double noiseTau, double peak, double maxLen) {
    Sound snd(maxLen + 0.05);
    Noise rng(seed);
    noiseBurst(snd, rng, 0.0, 1.0, 0.0003, noiseTau, Biquad(Biq::BandPass, c.noiseFreq, 0.9));
    for (int k = 0; k < 3; ++k) strike(snd, 0.0, c.modes[k], c.amps[k], 0.0004, c.taus[k]);
    if (c.thumpFreq > 0) strike(snd, 0.0, c.thumpFreq, 0.5, 0.001, 0.012, 1.3, 0.006);
    finish(snd, peak, maxLen);
    return snd;
}

Sound boyPlace() {
    return clack({{820, 1930, 3150}, {0.030, 0.016, 0.008}, {0.7, 0.45, 0.25}, 2500, 170}, 0xB0001, 0.003,
                 0.75, 0.15);
}
Sound girlPlace() {
    return clack({{1260, 2870, 4650}, {0.026, 0.014, 0.007}, {0.7, 0.45, 0.25}, 3800, 260}, 0x61A01, 0.0025,
                 0.72, 0.14);
}
Sound boyTurn() {
    return clack({{1080, 2580, 0}, {0.012, 0.007, 0.001}, {0.6, 0.35, 0.0}, 3000, 0}, 0xB0002, 0.0015, 0.55,
                 0.07);
}
Sound girlTurn() {
    return clack({{1690, 3880, 0}, {0.010, 0.006, 0.001}, {0.6, 0.35, 0.0}, 4500, 0}, 0x61A02, 0.0012, 0.52,
                 0.065);
}

// ---------------------------------------------------------------------------
// The computer's discs, one voice per opponent family.

// sdc01: soft, slow "pok" (the snail; shared by the three brothers, the
// Halloween pumpkin and the chick; also the tick of the final disc count).
Sound comSoftPok() {
    Sound snd(0.3);
    Noise rng(0xC01);
    noiseBurst(snd, rng, 0.0, 0.5, 0.004, 0.010, Biquad(Biq::LowPass, 1400, 0.7));
    strike(snd, 0.0, 520, 0.8, 0.006, 0.040, 1.15, 0.03);
    strike(snd, 0.0, 1180, 0.25, 0.006, 0.018);
    finish(snd, 0.65, 0.2);
    return snd;
}

// sdc02: the sheep, a fluffy muffled puff.
Sound comFluffy() {
    Sound snd(0.3);
    Noise rng(0xC02);
    Biquad second(Biq::LowPass, 900, 0.7);
    noiseBurst(snd, rng, 0.0, 1.0, 0.010, 0.035, Biquad(Biq::LowPass, 900, 0.7), &second);
    strike(snd, 0.0, 270, 0.6, 0.008, 0.045);
    strike(snd, 0.0, 560, 0.2, 0.008, 0.025);
    finish(snd, 0.65, 0.22);
    return snd;
}

// sdc03: a crisp mid "tock" (the onion; shared by the mushroom and the stealth craft).
Sound comTock() {
    Sound snd(0.25);
    Noise rng(0xC03);
    noiseBurst(snd, rng, 0.0, 0.7, 0.0003, 0.0025, Biquad(Biq::BandPass, 2200, 1.0));
    strike(snd, 0.0, 700, 0.7, 0.0005, 0.035);
    strike(snd, 0.0, 1650, 0.35, 0.0005, 0.018);
    strike(snd, 0.0, 2800, 0.15, 0.0005, 0.009);
    finish(snd, 0.7, 0.16);
    return snd;
}

// sdc04: the butterfly, a light glassy "ting" with a breath of air.
Sound comGlassy() {
    Sound snd(0.4);
    Noise rng(0xC04);
    Biquad airLow(Biq::LowPass, 9000, 0.7);
    noiseBurst(snd, rng, 0.0, 0.25, 0.015, 0.030, Biquad(Biq::HighPass, 5000, 0.7), &airLow);
    strike(snd, 0.0, 2637, 0.6, 0.002, 0.110);
    strike(snd, 0.0, 3951, 0.25, 0.002, 0.070);
    strike(snd, 0.0, 7040, 0.08, 0.002, 0.030);
    finish(snd, 0.55, 0.32);
    return snd;
}

// sdc05: Mount Fuji, a deep heavy thud with a rumble.
Sound comDeep() {
    Sound snd(0.6);
    Noise rng(0xC05);
    Biquad second(Biq::LowPass, 280, 0.7);
    noiseBurst(snd, rng, 0.0, 1.6, 0.003, 0.100, Biquad(Biq::LowPass, 280, 0.7), &second);
    strike(snd, 0.0, 68, 1.0, 0.002, 0.140, 1.6, 0.030);
    strike(snd, 0.0, 136, 0.45, 0.002, 0.090);
    strike(snd, 0.0, 410, 0.20, 0.001, 0.030);  // so small speakers still hear the hit
    finish(snd, 0.8, 0.45);
    return snd;
}

// sdc06: the coffin, a hollow wooden knock-knock.
Sound comHollowKnock() {
    Sound snd(0.5);
    Noise rng(0xC06);
    for (int knock = 0; knock < 2; ++knock) {
        const double t0 = knock * 0.15;
        const double a = knock == 0 ? 1.0 : 0.8;
        noiseBurst(snd, rng, t0, 0.5 * a, 0.0005, 0.004, Biquad(Biq::BandPass, 1500, 1.2));
        strike(snd, t0, 190, 0.9 * a, 0.001, 0.085);
        strike(snd, t0, 425, 0.5 * a, 0.001, 0.055);
        strike(snd, t0, 770, 0.3 * a, 0.001, 0.030);
        strike(snd, t0, 1310, 0.15 * a, 0.001, 0.015);
    }
    finish(snd, 0.75, 0.42);
    return snd;
}

// sdc07: the metal figure, a clang with a long inharmonic ring.
Sound comMetalRing() {
    Sound snd(0.8);
    Noise rng(0xC07);
    noiseBurst(snd, rng, 0.0, 0.4, 0.0003, 0.003, Biquad(Biq::HighPass, 3000, 0.7));
    const double base = 880;
    const double ratios[] = {1.0, 2.32, 4.25, 6.63, 9.38};
    const double amps[] = {0.6, 0.45, 0.30, 0.18, 0.10};
    const double taus[] = {0.220, 0.160, 0.100, 0.060, 0.040};
    for (int k = 0; k < 5; ++k) strike(snd, 0.0, base * ratios[k], amps[k], 0.0005, taus[k]);
    // a slightly detuned twin of the fundamental gives the ring its shimmer
    strike(snd, 0.0, base * 1.006, 0.35, 0.0005, 0.220);
    finish(snd, 0.6, 0.7);
    return snd;
}

// sdc08: the electronic being, two rising bleeps.
Sound comBleeps() {
    Sound snd(0.2);
    bleep(snd, 0.000, 0.050, 1320, 0.5);
    bleep(snd, 0.065, 0.060, 1980, 0.5, 2100);
    finish(snd, 0.25, 0.14);
    return snd;
}

// Turn sounds: played 130 ms apart, so all stay under 120 ms.

// sdc09: soft flick (snail, sheep, brothers, pumpkin, chick).
Sound comSoftFlick() {
    Sound snd(0.15);
    Noise rng(0xC09);
    noiseBurst(snd, rng, 0.0, 0.4, 0.002, 0.004, Biquad(Biq::LowPass, 2000, 0.7));
    strike(snd, 0.0, 880, 0.7, 0.002, 0.014);
    strike(snd, 0.0, 1990, 0.25, 0.002, 0.007);
    finish(snd, 0.55, 0.08);
    return snd;
}

// sdc10: a plain neutral tick (a spare voice, no opponent uses it at present).
Sound comPlainTick() {
    Sound snd(0.15);
    Noise rng(0xC10);
    noiseBurst(snd, rng, 0.0, 0.5, 0.0005, 0.003, Biquad(Biq::BandPass, 2600, 1.0));
    strike(snd, 0.0, 1000, 0.6, 0.0008, 0.013);
    strike(snd, 0.0, 2400, 0.25, 0.0008, 0.007);
    finish(snd, 0.55, 0.08);
    return snd;
}

// sdc11: the onion, a crisp little squeaky "tik".
Sound comSqueakyTik() {
    Sound snd(0.15);
    Noise rng(0xC11);
    noiseBurst(snd, rng, 0.0, 0.4, 0.0003, 0.002, Biquad(Biq::BandPass, 3500, 1.0));
    strike(snd, 0.0, 2500, 0.6, 0.001, 0.016, 0.72, 0.012);
    strike(snd, 0.0, 1200, 0.3, 0.0005, 0.008);
    finish(snd, 0.5, 0.07);
    return snd;
}

// sdc12: the butterfly, a tiny high shimmer.
Sound comShimmer() {
    Sound snd(0.15);
    Noise rng(0xC12);
    noiseBurst(snd, rng, 0.0, 0.15, 0.004, 0.012, Biquad(Biq::HighPass, 6000, 0.7));
    strike(snd, 0.0, 3520, 0.5, 0.002, 0.025);
    strike(snd, 0.012, 5274, 0.3, 0.002, 0.018);
    finish(snd, 0.45, 0.10);
    return snd;
}

// sdc13: the mushroom and the stealth craft, a muted "tup".
Sound comMutedTup() {
    Sound snd(0.15);
    Noise rng(0xC13);
    noiseBurst(snd, rng, 0.0, 0.6, 0.001, 0.005, Biquad(Biq::LowPass, 1100, 0.7));
    strike(snd, 0.0, 600, 0.7, 0.001, 0.016);
    strike(snd, 0.0, 1350, 0.15, 0.001, 0.006);
    finish(snd, 0.6, 0.075);
    return snd;
}

// sdc14: Mount Fuji, a short deep thump.
Sound comDeepThump() {
    Sound snd(0.2);
    Noise rng(0xC14);
    noiseBurst(snd, rng, 0.0, 0.8, 0.002, 0.020, Biquad(Biq::LowPass, 350, 0.7));
    strike(snd, 0.0, 85, 1.0, 0.002, 0.040, 1.5, 0.015);
    strike(snd, 0.0, 330, 0.35, 0.001, 0.018);
    finish(snd, 0.75, 0.11);
    return snd;
}

// sdc15: the coffin, a dry hollow tick.
Sound comHollowTick() {
    Sound snd(0.15);
    Noise rng(0xC15);
    noiseBurst(snd, rng, 0.0, 0.4, 0.0005, 0.003, Biquad(Biq::BandPass, 1400, 1.2));
    strike(snd, 0.0, 330, 0.8, 0.001, 0.028);
    strike(snd, 0.0, 780, 0.45, 0.001, 0.014);
    finish(snd, 0.65, 0.09);
    return snd;
}

// sdc16: the metal figure, a short metallic "tink".
Sound comTink() {
    Sound snd(0.2);
    Noise rng(0xC16);
    noiseBurst(snd, rng, 0.0, 0.3, 0.0003, 0.002, Biquad(Biq::HighPass, 4000, 0.7));
    strike(snd, 0.0, 1760, 0.6, 0.0005, 0.040);
    strike(snd, 0.0, 1760 * 2.32, 0.4, 0.0005, 0.028);
    strike(snd, 0.0, 1760 * 1.005, 0.3, 0.0005, 0.040);
    finish(snd, 0.5, 0.115);
    return snd;
}

// sdc17: the electronic being, one short stepped blip.
Sound comBlip() {
    Sound snd(0.1);
    bleep(snd, 0.000, 0.022, 2093, 0.5);
    bleep(snd, 0.022, 0.030, 1568, 0.5);
    finish(snd, 0.22, 0.06);
    return snd;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string dir = argc > 1 ? argv[1] : "data";
    const std::vector<std::pair<std::string, std::function<Sound()>>> sounds = {
        {"sdm00", softChime},    {"sdm01", buttonClick},   {"sdm02", winFanfare},
        {"sdm03", loseTune},     {"sdm04", drawJingle},    {"sdm05", softBlip},
        {"sdp00", boyPlace},     {"sdp01", girlPlace},     {"sdp02", boyTurn},
        {"sdp03", girlTurn},     {"sdc01", comSoftPok},    {"sdc02", comFluffy},
        {"sdc03", comTock},      {"sdc04", comGlassy},     {"sdc05", comDeep},
        {"sdc06", comHollowKnock}, {"sdc07", comMetalRing}, {"sdc08", comBleeps},
        {"sdc09", comSoftFlick}, {"sdc10", comPlainTick},  {"sdc11", comSqueakyTik},
        {"sdc12", comShimmer},   {"sdc13", comMutedTup},   {"sdc14", comDeepThump},
        {"sdc15", comHollowTick}, {"sdc16", comTink},      {"sdc17", comBlip},
    };
    int failures = 0;
    for (const auto& [name, make] : sounds) {
        const Sound snd = make();
        const std::string path = dir + "/" + name + ".dat";
        if (!writeWave(path, snd)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            ++failures;
            continue;
        }
        std::printf("%s  %6zu samples  %5.3f s\n", path.c_str(), snd.s.size(),
                    static_cast<double>(snd.s.size()) / kRate);
    }
    return failures == 0 ? 0 : 1;
}
