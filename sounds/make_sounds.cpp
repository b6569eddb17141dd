// make_sounds FOLDER: writes the suite's three sounds, synthesized, as WAV files (PCM, 16-bit, mono,
// 22050 Hz) into FOLDER:
//   click.wav       the click of a power knob, a power switch or a rotary selector: a short, bright snap
//   soft_click.wav  the softer click of a push button
//   omi_test.wav    the marker test tone: the outer, middle and inner marker tones one after another, each
//                   keyed as a pilot hears it over the beacon (400 Hz dashes, 1300 Hz dots and dashes,
//                   3000 Hz dots)
// The noise comes from a fixed-seed generator, so every build writes the same bytes.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int RATE = 22050;
constexpr double PI = 3.14159265358979323846;

using Samples = std::vector<double>;   // -1 .. 1

int samples_of(double seconds) { return static_cast<int>(std::lround(seconds * RATE)); }

// A small linear congruential generator: white noise in -1 .. 1, the same on every machine.
class Noise {
public:
    double next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

private:
    uint32_t state_ = 0x5EED1234u;
};

// A damped ring at `ring_hz` with a low thump under it, plus a burst of noise, all decaying exponentially:
// what a detent or a key contact sounds like. `attack` seconds of linear rise soften the edge.
Samples click(double seconds, double ring_hz, double ring_decay, double noise_level, double noise_decay,
              double thump_hz, double level, double attack)
{
    Noise noise;
    Samples out(samples_of(seconds));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / RATE;
        const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
        const double fall = std::min(1.0, (seconds - t) / 0.005);   // the last 5 ms fade to silence
        const double ring = std::sin(2 * PI * ring_hz * t) * std::exp(-t / ring_decay);
        const double thump = 0.5 * std::sin(2 * PI * thump_hz * t) * std::exp(-t / (2 * ring_decay));
        const double burst = noise_level * noise.next() * std::exp(-t / noise_decay);
        out[i] = level * rise * fall * (ring + thump + burst) / (1.5 + noise_level);
    }
    return out;
}

// `hz` keyed by a pattern of marks: '-' a dash, '.' a dot, each followed by a gap of `unit` seconds;
// dashes last three units. Edges fade over 4 ms so that the keying itself does not click.
void keyed_tone(Samples& out, double hz, const std::string& pattern, double unit, double level)
{
    const double fade = 0.004;
    for (char mark : pattern) {
        const double on = mark == '-' ? 3 * unit : unit;
        const int n = samples_of(on);
        for (int i = 0; i < n; ++i) {
            const double t = static_cast<double>(i) / RATE;
            const double envelope = std::min({1.0, t / fade, (on - t) / fade});
            out.push_back(level * envelope * std::sin(2 * PI * hz * t));
        }
        out.insert(out.end(), samples_of(unit), 0.0);
    }
}

Samples marker_test()
{
    Samples out;
    keyed_tone(out, 400.0, "--", 0.125, 0.6);                // outer marker: two dashes a second
    out.insert(out.end(), samples_of(0.15), 0.0);
    keyed_tone(out, 1300.0, ".-.-", 0.0625, 0.6);           // middle marker: dots and dashes
    out.insert(out.end(), samples_of(0.15), 0.0);
    keyed_tone(out, 3000.0, "......", 1.0 / 12.0, 0.6);     // inner marker: six dots a second
    return out;
}

void put16(std::ofstream& out, uint16_t v) { out.put(static_cast<char>(v & 0xFF)).put(static_cast<char>(v >> 8)); }
void put32(std::ofstream& out, uint32_t v) { put16(out, v & 0xFFFF); put16(out, static_cast<uint16_t>(v >> 16)); }

bool write_wav(const std::filesystem::path& file, const Samples& samples)
{
    std::ofstream out(file, std::ios::binary);
    const uint32_t data_size = static_cast<uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + data_size);
    out.write("WAVEfmt ", 8);
    put32(out, 16);            // PCM format block
    put16(out, 1);             // PCM
    put16(out, 1);             // mono
    put32(out, RATE);
    put32(out, RATE * 2);      // bytes a second
    put16(out, 2);             // bytes a frame
    put16(out, 16);            // bits a sample
    out.write("data", 4);
    put32(out, data_size);
    for (double s : samples) {
        const double clamped = std::max(-1.0, std::min(1.0, s));
        put16(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(clamped * 32767.0))));
    }
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_sounds FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const struct {
        const char* name;
        Samples samples;
    } sounds[] = {
        {"click.wav", click(0.045, 2300.0, 0.006, 1.2, 0.002, 180.0, 0.9, 0.0)},
        {"soft_click.wav", click(0.030, 1100.0, 0.004, 0.3, 0.0015, 140.0, 0.45, 0.0008)},
        {"omi_test.wav", marker_test()},
    };
    for (const auto& sound : sounds)
        if (!write_wav(folder / sound.name, sound.samples)) {
            std::cerr << "make_sounds: cannot write " << (folder / sound.name).string() << "\n";
            return 1;
        }
    return 0;
}
