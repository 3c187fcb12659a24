// make_sounds: synthesises the game's four wave files into a folder.
//
//   make_sounds <folder>
//
//   その他.wav  a short two-note chime (general notice)
//   禁止.wav    a low double buzz (a move or action refused)
//   駒打音.wav  the clack of a piece set down on a wooden board
//   BGM.wav     a calm koto-like tune in the miyako-bushi scale that loops seamlessly
//
// All randomness comes from fixed seeds, so two runs write identical files.
// Output is 16-bit PCM mono: 44100 Hz for the effects, 22050 Hz for the music.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr int kEffectRate = 44100;
constexpr int kMusicRate = 22050;

using Samples = std::vector<double>;

// xorshift32: tiny, and the same numbers on every platform.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed != 0 ? seed : 1) {}
    double next() {  // uniform in [-1, 1)
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state_;
};

std::size_t sampleCount(double seconds, int rate) {
    return static_cast<std::size_t>(std::lround(seconds * rate));
}

void normalise(Samples& samples, double peak) {
    double largest = 0.0;
    for (double s : samples) largest = std::max(largest, std::abs(s));
    if (largest <= 0.0) return;
    const double gain = peak / largest;
    for (double& s : samples) s *= gain;
}

// Raised-cosine fades so nothing starts or stops with a click.
void fadeEdges(Samples& samples, int rate, double fadeIn, double fadeOut) {
    const std::size_t in = std::min(samples.size(), sampleCount(fadeIn, rate));
    const std::size_t out = std::min(samples.size(), sampleCount(fadeOut, rate));
    for (std::size_t i = 0; i < in; ++i) {
        samples[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(in));
    }
    for (std::size_t i = 0; i < out; ++i) {
        samples[samples.size() - 1 - i] *=
            0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(out));
    }
}

void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool writeWave(const std::filesystem::path& file, int rate, const Samples& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string image;
    image.reserve(44 + dataBytes);
    image += "RIFF";
    putLittleEndian(image, 36 + dataBytes, 4);
    image += "WAVEfmt ";
    putLittleEndian(image, 16, 4);  // fmt chunk size
    putLittleEndian(image, 1, 2);   // PCM
    putLittleEndian(image, 1, 2);   // mono
    putLittleEndian(image, static_cast<std::uint32_t>(rate), 4);
    putLittleEndian(image, static_cast<std::uint32_t>(rate) * 2, 4);  // bytes per second
    putLittleEndian(image, 2, 2);                                     // block align
    putLittleEndian(image, 16, 2);                                    // bits per sample
    image += "data";
    putLittleEndian(image, dataBytes, 4);
    for (double s : samples) {
        const long value = std::clamp(std::lround(s * 32767.0), -32768L, 32767L);
        putLittleEndian(image, static_cast<std::uint32_t>(static_cast<std::int16_t>(value)) & 0xFFFF, 2);
    }
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(image.data(), static_cast<std::streamsize>(image.size()));
    return static_cast<bool>(stream.flush());
}

// --- その他: a glockenspiel-like strike on A5, then one on E6 ---------------

void addBarStrike(Samples& out, int rate, double start, double frequency, double level) {
    // Modes of a free bar with their relative strengths and decay times.
    struct Mode {
        double ratio, amplitude, decay;
    };
    constexpr std::array<Mode, 4> modes{
        {{1.0, 1.0, 0.22}, {2.756, 0.30, 0.07}, {5.404, 0.10, 0.035}, {8.933, 0.04, 0.018}}};
    const std::size_t first = sampleCount(start, rate);
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = static_cast<double>(i - first) / rate;
        const double attack = std::min(1.0, t / 0.0015);
        double value = 0.0;
        for (const Mode& m : modes)
            value += m.amplitude * std::exp(-t / m.decay) * std::sin(kTwoPi * frequency * m.ratio * t);
        out[i] += level * attack * value;
    }
}

Samples chime() {
    Samples out(sampleCount(0.30, kEffectRate), 0.0);
    addBarStrike(out, kEffectRate, 0.000, 880.00, 0.8);   // A5
    addBarStrike(out, kEffectRate, 0.075, 1318.51, 1.0);  // E6
    fadeEdges(out, kEffectRate, 0.0, 0.06);
    normalise(out, 0.55);
    return out;
}

// --- 禁止: two short, rough, low beeps, the second a little lower -----------

void addBuzz(Samples& out, int rate, double start, double length, double frequency) {
    const std::size_t first = sampleCount(start, rate);
    const std::size_t count = sampleCount(length, rate);
    const double attack = 0.004, release = 0.015;
    for (std::size_t k = 0; k < count && first + k < out.size(); ++k) {
        const double t = static_cast<double>(k) / rate;
        const double envelope = std::min({1.0, t / attack, (length - t) / release});
        double value = 0.0;
        // Two slightly detuned band-limited saws beat against each other: a buzz, not a tone.
        for (const double detune : {1.0, 1.035}) {
            for (int n = 1; n * frequency * detune < 4000.0; ++n) {
                const double f = n * frequency * detune;
                const double soften = 1.0 / (1.0 + (f / 1400.0) * (f / 1400.0));
                value += soften * std::sin(kTwoPi * f * t) / n;
            }
        }
        out[first + k] += std::max(0.0, envelope) * value;
    }
}

Samples refusal() {
    Samples out(sampleCount(0.25, kEffectRate), 0.0);
    addBuzz(out, kEffectRate, 0.000, 0.095, 196.00);  // G3
    addBuzz(out, kEffectRate, 0.130, 0.095, 174.61);  // F3
    normalise(out, 0.5);
    return out;
}

// --- 駒打音: a short noise strike ringing a handful of damped wooden modes ---

// Two-pole resonator: rings at `frequency`, decaying with time constant `decay`.
Samples resonate(const Samples& input, int rate, double frequency, double decay) {
    const double r = std::exp(-1.0 / (decay * rate));
    const double a1 = 2.0 * r * std::cos(kTwoPi * frequency / rate);
    const double a2 = r * r;
    Samples out(input.size(), 0.0);
    double y1 = 0.0, y2 = 0.0;
    for (std::size_t i = 0; i < input.size(); ++i) {
        const double y = input[i] + a1 * y1 - a2 * y2;
        out[i] = y;
        y2 = y1;
        y1 = y;
    }
    normalise(out, 1.0);
    return out;
}

Samples pieceClack() {
    const int rate = kEffectRate;
    const std::size_t length = sampleCount(0.12, rate);
    Noise noise(0x5EED0001u);

    // The strike: a click and a burst of noise dying away within a couple of milliseconds.
    Samples strike(length, 0.0);
    strike[0] = 1.0;
    for (std::size_t i = 0; i < sampleCount(0.003, rate); ++i) {
        const double t = static_cast<double>(i) / rate;
        strike[i] += 0.8 * std::exp(-t / 0.0005) * noise.next();
    }

    // The piece and the board's top: bright, quickly damped modes, lower ones ringing longest.
    struct Mode {
        double frequency, decay, gain;
    };
    constexpr std::array<Mode, 7> modes{{{190.0, 0.020, 0.35},
                                         {640.0, 0.018, 0.70},
                                         {1270.0, 0.012, 0.80},
                                         {2180.0, 0.008, 0.65},
                                         {3350.0, 0.005, 0.50},
                                         {4800.0, 0.0035, 0.35},
                                         {7100.0, 0.0022, 0.20}}};
    Samples out(length, 0.0);
    for (const Mode& m : modes) {
        const Samples ringing = resonate(strike, rate, m.frequency, m.decay);
        for (std::size_t i = 0; i < length; ++i) out[i] += m.gain * ringing[i];
    }
    // A little of the raw strike on top gives the attack its snap; a one-pole
    // high-pass keeps it from adding any thud.
    double previousIn = 0.0, previousOut = 0.0;
    for (std::size_t i = 0; i < length; ++i) {
        const double highPassed = 0.9 * (previousOut + strike[i] - previousIn);
        previousIn = strike[i];
        previousOut = highPassed;
        out[i] += 0.25 * highPassed;
    }
    fadeEdges(out, rate, 0.0005, 0.02);  // half a millisecond of rise is still a sharp attack
    normalise(out, 0.8);
    return out;
}

// --- BGM: a koto-like plucked tune -------------------------------------------

// Frequencies of the notes used, miyako-bushi on E (E F A B C).
constexpr double A2 = 110.00, E3 = 164.81, F3 = 174.61, B3 = 246.94, C4 = 261.63;
constexpr double E4 = 329.63, F4 = 349.23, A4 = 440.00, B4 = 493.88, C5 = 523.25, E5 = 659.26, F5 = 698.46;

struct Note {
    double beat, frequency, velocity;
};

// A plucked string: harmonics shaped by a pluck near the bridge, the higher
// ones dying faster, a slight stiffness stretch, the small pitch drop right
// after the attack that gives the koto its twang, and a breath of plectrum noise.
void addPluck(Samples& out, int rate, std::size_t first, double frequency, double velocity, Noise& noise) {
    const double fundamentalDecay = 0.7 * std::pow(220.0 / frequency, 0.35);
    const double length = std::min(3.5, 6.0 * fundamentalDecay);
    const std::size_t count = sampleCount(length, rate);
    const double pluckPoint = 0.18, stiffness = 0.0002, twang = 0.004, twangTime = 0.03;

    struct Partial {
        double stretch, amplitude, decay;
    };
    std::vector<Partial> partials;
    for (int n = 1; n <= 16; ++n) {
        const double stretch = n * std::sqrt(1.0 + stiffness * n * n);
        if (stretch * frequency > 9000.0) break;
        const double amplitude = std::abs(std::sin(std::numbers::pi * n * pluckPoint)) / std::pow(n, 1.1);
        partials.push_back({stretch, amplitude, fundamentalDecay / (1.0 + 0.6 * (n - 1))});
    }

    double lowPassed = 0.0;
    for (std::size_t k = 0; k < count && first + k < out.size(); ++k) {
        const double t = static_cast<double>(k) / rate;
        // Phase of the fundamental with the pitch sliding down by `twang` after the pluck.
        const double phase = kTwoPi * frequency * (t + twang * twangTime * (1.0 - std::exp(-t / twangTime)));
        double value = 0.0;
        for (const Partial& p : partials) value += p.amplitude * std::exp(-t / p.decay) * std::sin(p.stretch * phase);
        const double attack = std::min(1.0, t / 0.002);
        const double release = std::min(1.0, (length - t) / 0.05);
        if (t < 0.004) {
            lowPassed += 0.35 * (noise.next() - lowPassed);
            value += 0.25 * lowPassed * (1.0 - t / 0.004);
        }
        out[first + k] += velocity * attack * release * value;
    }
}

// A small Schroeder reverb: four damped combs in parallel, two all-passes in series.
Samples reverberate(const Samples& dry, int rate, double wet) {
    const double scale = rate / 44100.0;
    Samples combed(dry.size(), 0.0);
    for (const int delay44k : {1116, 1188, 1277, 1356}) {
        const auto delay = static_cast<std::size_t>(delay44k * scale);
        Samples line(delay, 0.0);
        double filtered = 0.0;
        for (std::size_t i = 0; i < dry.size(); ++i) {
            const double delayed = line[i % delay];
            filtered = 0.7 * delayed + 0.3 * filtered;
            line[i % delay] = dry[i] + 0.78 * filtered;
            combed[i] += delayed;
        }
    }
    for (const int delay44k : {556, 441}) {
        const auto delay = static_cast<std::size_t>(delay44k * scale);
        Samples line(delay, 0.0);
        for (std::size_t i = 0; i < combed.size(); ++i) {
            const double delayed = line[i % delay];
            const double fed = combed[i] + 0.5 * delayed;
            line[i % delay] = fed;
            combed[i] = delayed - 0.5 * fed;
        }
    }
    Samples out(dry);
    for (std::size_t i = 0; i < out.size(); ++i) out[i] += wet * 0.25 * combed[i];
    return out;
}

Samples backgroundMusic() {
    const int rate = kMusicRate;
    const double bpm = 72.0;
    const int beats = 32;  // eight bars of four
    const double secondsPerBeat = 60.0 / bpm;
    const std::size_t loop = sampleCount(beats * secondsPerBeat, rate);
    const std::size_t tail = sampleCount(5.0, rate);

    // Melody: {beat length, frequency}, bar by bar.
    const std::vector<std::pair<double, double>> melody{
        {1, A4},   {1, B4},   {2, C5},                          //
        {1, B4},   {0.5, A4}, {0.5, F4}, {2, E4},               //
        {1, A4},   {1, B4},   {1, C5},   {1, E5},               //
        {1.5, F5}, {0.5, E5}, {2, C5},                          //
        {1, E5},   {1, C5},   {1, B4},   {1, A4},               //
        {0.5, B4}, {0.5, C5}, {1, B4},   {1, A4},   {1, F4},    //
        {1, E4},   {1, F4},   {1, A4},   {0.5, B4}, {0.5, A4},  //
        {1, F4},   {3, E4},                                     //
    };
    // Each bar's open fifth, low strings.
    const std::array<std::pair<double, double>, 8> drones{
        {{A2, E3}, {E3, B3}, {A2, E3}, {F3, C4}, {A2, E3}, {F3, C4}, {A2, E3}, {E3, B3}}};

    std::vector<Note> notes;
    double beat = 0.0;
    for (const auto& [length, frequency] : melody) {
        const bool downbeat = std::fmod(beat, 4.0) == 0.0;
        notes.push_back({beat, frequency, downbeat ? 0.9 : 0.75});
        beat += length;
    }
    for (int bar = 0; bar < 8; ++bar) {
        const auto [low, high] = drones[static_cast<std::size_t>(bar)];
        notes.push_back({bar * 4.0, low, 0.55});
        notes.push_back({bar * 4.0 + 0.12, high, 0.45});  // the fifth follows a moment later, like a strum
        notes.push_back({bar * 4.0 + 2.0, high * 2.0, 0.22});
    }

    Noise noise(0x5EED0004u);
    Samples dry(loop + tail, 0.0);
    for (const Note& n : notes) {
        // A few milliseconds of play in the timing, always late so nothing falls before the loop start.
        const double humanise = 0.006 * (noise.next() + 1.0);
        const std::size_t first = sampleCount(n.beat * secondsPerBeat + humanise, rate);
        addPluck(dry, rate, first, n.frequency, n.velocity, noise);
    }
    const Samples wet = reverberate(dry, rate, 0.9);

    // Fold everything that rings past the loop's end back onto its start, so
    // the file is one period of the endlessly repeating tune and loops without a seam.
    Samples out(wet.begin(), wet.begin() + static_cast<std::ptrdiff_t>(loop));
    for (std::size_t i = loop; i < wet.size(); ++i) out[i - loop] += wet[i];
    normalise(out, 0.5);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(folder, error);

    struct Output {
        const char* name;
        int rate;
        Samples (*make)();
    };
    const std::array<Output, 4> outputs{{{"その他.wav", kEffectRate, chime},
                                         {"禁止.wav", kEffectRate, refusal},
                                         {"駒打音.wav", kEffectRate, pieceClack},
                                         {"BGM.wav", kMusicRate, backgroundMusic}}};
    int status = 0;
    for (const Output& output : outputs) {
        const std::filesystem::path file = folder / output.name;
        if (!writeWave(file, output.rate, output.make())) {
            std::fprintf(stderr, "make_sounds: cannot write %s\n", file.string().c_str());
            status = 1;
        }
    }
    return status;
}
