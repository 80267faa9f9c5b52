// Sound effects: synthesised at 22050 Hz and saved as 16-bit mono WAV files
// through the audio add-on. The three engine sounds are seamless loops.
#include "tools/mkcontent/mkcontent.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRate = 22050;
using Buffer = std::vector<double>;

Buffer Silence(double seconds) { return Buffer(static_cast<size_t>(seconds * kRate), 0.0); }

// RBJ band-pass (constant peak gain) run over a buffer.
struct BiQuad {
    double b0 = 0, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    void BandPass(double freq, double q)
    {
        double w = 2 * M_PI * freq / kRate, alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
        b0 = alpha / a0;
        b1 = 0;
        b2 = -alpha / a0;
        a1 = -2 * std::cos(w) / a0;
        a2 = (1 - alpha) / a0;
    }
    void LowPass(double freq, double q)
    {
        double w = 2 * M_PI * freq / kRate, alpha = std::sin(w) / (2 * q), c = std::cos(w), a0 = 1 + alpha;
        b0 = (1 - c) / 2 / a0;
        b1 = (1 - c) / a0;
        b2 = (1 - c) / 2 / a0;
        a1 = -2 * c / a0;
        a2 = (1 - alpha) / a0;
    }
    double Run(double x)
    {
        double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

Buffer Noise(size_t n, Rng& rng)
{
    Buffer b(n);
    for (auto& v : b) v = rng.Signed();
    return b;
}

// Scales the buffer so that its loudest sample reaches the given peak.
void Normalise(Buffer& b, double peak)
{
    double m = 0;
    for (double v : b) m = std::max(m, std::fabs(v));
    if (m > 0)
        for (double& v : b) v *= peak / m;
}

// Short fades at both ends so one-shots never click.
void Fades(Buffer& b, double inSecs, double outSecs)
{
    size_t in = static_cast<size_t>(inSecs * kRate), out = static_cast<size_t>(outSecs * kRate);
    for (size_t i = 0; i < in && i < b.size(); ++i) b[i] *= static_cast<double>(i) / in;
    for (size_t i = 0; i < out && i < b.size(); ++i) b[b.size() - 1 - i] *= static_cast<double>(i) / out;
}

void AddTone(Buffer& b, double start, double length, double freqFrom, double freqTo, double amp, double decay,
             double harmonics = 0.0)
{
    size_t s = static_cast<size_t>(start * kRate), n = static_cast<size_t>(length * kRate);
    double phase = 0;
    for (size_t i = 0; i < n && s + i < b.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        double f = freqFrom + (freqTo - freqFrom) * (static_cast<double>(i) / n);
        phase += 2 * M_PI * f / kRate;
        double release = std::min(1.0, (static_cast<double>(n - i) / kRate) * 160.0);  // 6 ms
        double env = std::exp(-t * decay) * std::min(1.0, t * 200) * release;
        double v = std::sin(phase) + harmonics * std::sin(2 * phase) * 0.5 + harmonics * std::sin(3 * phase) * 0.25;
        b[s + i] += v * amp * env;
    }
}

// RIFF WAVE, PCM, 1 channel, 22050 Hz, 16 bits. Written here rather than by
// the audio add-on, whose saver needs an installed audio driver.
//   offset size  meaning
//   0      4     "RIFF", then uint32 file size - 8
//   8      4     "WAVE"
//   12     4+4   "fmt ", 16
//   20     2+2   format 1 (PCM), channels 1
//   24     4+4   sample rate, bytes per second
//   32     2+2   block align 2, bits 16
//   36     4+4   "data", data size; then the samples, little-endian
bool Save(const OutputPaths& out, const char* name, const Buffer& b)
{
    std::vector<uint8_t> bytes;
    auto u32 = [&bytes](uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    auto u16 = [&bytes](uint16_t v) {
        bytes.push_back(static_cast<uint8_t>(v));
        bytes.push_back(static_cast<uint8_t>(v >> 8));
    };
    auto tag = [&bytes](const char* t) { bytes.insert(bytes.end(), t, t + 4); };
    uint32_t dataSize = static_cast<uint32_t>(b.size() * 2);
    tag("RIFF");
    u32(36 + dataSize);
    tag("WAVE");
    tag("fmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(kRate);
    u32(kRate * 2);
    u16(2);
    u16(16);
    tag("data");
    u32(dataSize);
    for (double v : b) {
        long s = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        u16(static_cast<uint16_t>(static_cast<int16_t>(s)));
    }
    std::string path = out.Base(std::string("sound/") + name + ".wav");
    std::string text(bytes.begin(), bytes.end());
    return WriteTextFile(path, text);
}

// ---- interface ----

Buffer VolumeTest()
{
    Buffer b = Silence(0.6);
    AddTone(b, 0.0, 0.6, 1046.5, 1046.5, 0.45, 6, 0.3);
    AddTone(b, 0.08, 0.52, 1318.5, 1318.5, 0.35, 7, 0.3);
    Fades(b, 0.002, 0.05);
    Normalise(b, 0.8);
    return b;
}

Buffer MenuBlip(double f1, double f2, double length)
{
    Buffer b = Silence(length);
    AddTone(b, 0, length / 2, f1, f1, 0.5, 18, 0.6);
    AddTone(b, length / 2.2, length - length / 2.2, f2, f2, 0.5, 14, 0.6);
    Fades(b, 0.002, 0.03);
    Normalise(b, 0.7);
    return b;
}

Buffer MenuMove()
{
    Buffer b = Silence(0.07);
    AddTone(b, 0, 0.07, 1400, 1100, 0.6, 45, 0.5);
    Fades(b, 0.001, 0.02);
    Normalise(b, 0.55);
    return b;
}

// ---- game ----

Buffer Skid(uint64_t seed, double squeal, double length)
{
    Rng rng(seed);
    Buffer b = Noise(static_cast<size_t>(length * kRate), rng);
    BiQuad bp;
    bp.BandPass(squeal * 1.6, 1.2);
    for (double& v : b) v = bp.Run(v);
    double phase = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        double f = squeal * (1.0 - 0.25 * t / length) + 40 * std::sin(t * 37);
        phase += 2 * M_PI * f / kRate;
        double env = std::min(1.0, t * 60) * std::exp(-t * 4.5);
        b[i] = (b[i] * 1.4 + 0.35 * std::sin(phase) + 0.12 * std::sin(2 * phase)) * env;
    }
    Fades(b, 0.003, 0.06);
    Normalise(b, 0.7);
    return b;
}

Buffer Respawn()
{
    Buffer b = Silence(0.35);
    AddTone(b, 0, 0.35, 300, 900, 0.6, 9, 0.2);
    AddTone(b, 0.05, 0.3, 600, 1800, 0.25, 12, 0.0);
    Rng rng(77);
    for (size_t i = 0; i < 600; ++i) b[i] += rng.Signed() * 0.3 * (1.0 - i / 600.0);
    Fades(b, 0.002, 0.05);
    Normalise(b, 0.65);
    return b;
}

// One second of engine: a firing pulse train at a whole number of hertz, so
// the second loops without a seam. Noise is filtered twice round the loop so
// the filter state at the start equals the state at the end.
Buffer Engine(int firing, double rough, double whine, double grass, uint64_t seed)
{
    const size_t n = kRate;
    Rng rng(seed);
    Buffer noise = Noise(n, rng);
    BiQuad lp;
    lp.LowPass(900, 0.7);
    Buffer rumble(n);
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = 0; i < n; ++i) rumble[i] = lp.Run(noise[i]);

    Buffer grassNoise(n, 0.0);
    if (grass > 0) {
        BiQuad bp;
        bp.BandPass(3200, 0.8);
        for (int pass = 0; pass < 2; ++pass)
            for (size_t i = 0; i < n; ++i) grassNoise[i] = bp.Run(noise[(i * 7 + 13) % n]);
    }

    Buffer b(n);
    for (size_t i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / kRate;
        double ph = 2 * M_PI * firing * t;
        // each firing is a sharp thump followed by a ringing tail
        double cyc = std::fmod(firing * t, 1.0);
        double thump = std::exp(-cyc * 9.0) * std::sin(2 * M_PI * cyc * 3.0);
        double tone = 0.5 * std::sin(ph) + 0.3 * std::sin(2 * ph + 0.4) + 0.15 * std::sin(3 * ph + 1.1);
        double wobble = 1.0 + 0.12 * std::sin(2 * M_PI * 3 * t);
        double puff = std::exp(-cyc * 6) * std::min(1.0, cyc * 25);  // each firing swells the rumble
        double v = (0.55 * thump + 0.35 * tone) * wobble + rough * rumble[i] * (0.6 + 0.4 * puff);
        if (whine > 0) v += whine * (std::sin(2 * M_PI * firing * 9 * t) * 0.6 + std::sin(2 * M_PI * firing * 14 * t) * 0.3);
        v += grass * grassNoise[i] * (0.7 + 0.3 * std::sin(2 * M_PI * 5 * t));
        b[i] = v;
    }
    Normalise(b, 0.6);
    return b;
}

// ---- world ----

Buffer Birds(uint64_t seed, int chirps, double length)
{
    Rng rng(seed);
    Buffer b = Silence(length);
    double t = 0.05;
    for (int c = 0; c < chirps && t < length - 0.2; ++c) {
        double base = 2600 + rng.Below(1400);
        double dur = 0.05 + rng.Below(60) / 1000.0;
        double sweep = rng.Below(2) ? 1.35 : 0.7;
        size_t s = static_cast<size_t>(t * kRate), n = static_cast<size_t>(dur * kRate);
        double phase = 0;
        for (size_t i = 0; i < n && s + i < b.size(); ++i) {
            double u = static_cast<double>(i) / n;
            double f = base * (1 + (sweep - 1) * u) + 300 * std::sin(u * M_PI * 6);
            phase += 2 * M_PI * f / kRate;
            double env = std::sin(M_PI * u);
            b[s + i] += std::sin(phase) * env * env * 0.5;
        }
        t += dur + (rng.Below(3) == 0 ? 0.18 + rng.Below(200) / 1000.0 : 0.02 + rng.Below(40) / 1000.0);
    }
    Fades(b, 0.005, 0.05);
    Normalise(b, 0.55);
    return b;
}

Buffer Crickets()
{
    Buffer b = Silence(2.2);
    Rng rng(31);
    for (int chirp = 0; chirp < 7; ++chirp) {
        double start = 0.1 + chirp * 0.3 + rng.Below(40) / 1000.0;
        for (int pulse = 0; pulse < 4; ++pulse) {
            double ps = start + pulse * 0.028;
            size_t s = static_cast<size_t>(ps * kRate), n = static_cast<size_t>(0.018 * kRate);
            for (size_t i = 0; i < n && s + i < b.size(); ++i) {
                double u = static_cast<double>(i) / n;
                double tt = static_cast<double>(s + i) / kRate;
                b[s + i] += std::sin(2 * M_PI * 4400 * tt) * std::sin(M_PI * u) * 0.5;
            }
        }
    }
    Fades(b, 0.01, 0.1);
    Normalise(b, 0.4);
    return b;
}

Buffer Wind()
{
    Rng rng(5);
    Buffer b = Noise(static_cast<size_t>(3.0 * kRate), rng);
    BiQuad bp;
    for (size_t i = 0; i < b.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        if (i % 64 == 0) bp.BandPass(430 + 180 * std::sin(t * 2.1) + 80 * std::sin(t * 5.3), 2.5);
        double env = std::sin(M_PI * t / 3.0);
        b[i] = bp.Run(b[i]) * env * (0.7 + 0.3 * std::sin(t * 7.0));
    }
    Normalise(b, 0.5);
    return b;
}

Buffer Thunder()
{
    Rng rng(1207);
    Buffer b = Noise(static_cast<size_t>(3.2 * kRate), rng);
    BiQuad lp, lp2;
    lp.LowPass(160, 0.9);
    lp2.LowPass(220, 0.7);
    double crackle = 0, target = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        if (rng.Below(3000) == 0) target = 1.0;  // a new roll of thunder swells in
        target *= 0.9996;
        crackle += (target - crackle) * 0.002;
        double env = std::min(1.0, t * 3.0) * std::exp(-t * 1.1) * (0.7 + 0.3 * crackle);
        b[i] = lp2.Run(lp.Run(b[i])) * env;
    }
    Fades(b, 0.05, 0.4);
    Normalise(b, 0.75);
    return b;
}

Buffer Teleport()
{
    Buffer b = Silence(1.3);
    const double ratios[] = {1.0, 1.5, 2.0, 2.52};
    for (double ratio : ratios) {
        double phase = 0;
        for (size_t i = 0; i < b.size(); ++i) {
            double t = static_cast<double>(i) / kRate;
            double f = ratio * (300 + 1200 * (t / 1.3) * (t / 1.3));
            phase += 2 * M_PI * f / kRate;
            double trem = 0.55 + 0.45 * std::sin(2 * M_PI * (14 + 10 * t) * t + ratio);
            double env = std::sin(M_PI * t / 1.3);
            b[i] += std::sin(phase) * trem * env / ratio;
        }
    }
    Fades(b, 0.01, 0.1);
    Normalise(b, 0.6);
    return b;
}

}  // namespace

bool WriteSounds(const OutputPaths& out)
{
    bool ok = true;
    ok = Save(out, "interface/voltest", VolumeTest()) && ok;
    ok = Save(out, "interface/MenuSelect", MenuBlip(880, 1318.5, 0.16)) && ok;
    ok = Save(out, "interface/MenuMove", MenuMove()) && ok;
    ok = Save(out, "interface/MenuCancel", MenuBlip(880, 587.3, 0.18)) && ok;
    ok = Save(out, "game/skid1", Skid(11, 900, 0.35)) && ok;
    ok = Save(out, "game/skid2", Skid(12, 720, 0.42)) && ok;
    ok = Save(out, "game/respawn", Respawn()) && ok;
    ok = Save(out, "game/engine_idle", Engine(24, 0.25, 0.0, 0.0, 101)) && ok;
    ok = Save(out, "game/engine_moving", Engine(36, 0.35, 0.05, 0.0, 102)) && ok;
    ok = Save(out, "game/engine_mowing", Engine(48, 0.4, 0.12, 0.35, 103)) && ok;
    ok = Save(out, "world/birds1", Birds(21, 14, 1.6)) && ok;
    ok = Save(out, "world/birds2", Birds(22, 9, 1.3)) && ok;
    ok = Save(out, "world/crickets", Crickets()) && ok;
    ok = Save(out, "world/wind", Wind()) && ok;
    ok = Save(out, "world/battle", Thunder()) && ok;
    ok = Save(out, "world/teleport", Teleport()) && ok;
    return ok;
}
