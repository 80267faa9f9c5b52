// Encodes tracker modules in the four-channel "M.K." layout.
#include "tools/mkcontent/modwriter.h"

#include "tools/mkcontent/mkcontent.h"

#include <algorithm>
#include <cstdio>

int ModPeriod(int note)
{
    static const int periods[36] = {856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,
                                    428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,
                                    214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113};
    return (note >= 0 && note < 36) ? periods[note] : 0;
}

// Layout (all numbers big-endian):
//   offset  size       meaning
//   0       20         song title, zero padded
//   20      31 x 30    sample headers: name[22], length in words (u16), finetune (u8),
//                      volume (u8), loop start in words (u16), loop length in words (u16, 1 = none)
//   950     1          number of orders
//   951     1          restart position (127)
//   952     128        order table
//   1080    4          "M.K."
//   1084    n x 1024   patterns: 64 rows x 4 channels x 4 bytes
//                      (sample high nibble | period high 4 bits, period low 8 bits,
//                       sample low nibble << 4 | effect, parameter)
//   ...                sample data, signed 8-bit, in sample order
std::vector<uint8_t> EncodeMod(const ModSong& song)
{
    if (song.samples.size() > 31 || song.orders.empty() || song.orders.size() > 128 || song.patterns.empty() ||
        song.patterns.size() > 64)
        return {};
    std::vector<uint8_t> out;
    auto text = [&out](const std::string& s, size_t n) {
        for (size_t i = 0; i < n; ++i) out.push_back(i < s.size() ? static_cast<uint8_t>(s[i]) : 0);
    };
    auto u16 = [&out](int v) {
        out.push_back(static_cast<uint8_t>((v >> 8) & 255));
        out.push_back(static_cast<uint8_t>(v & 255));
    };
    text(song.title, 20);
    for (size_t i = 0; i < 31; ++i) {
        if (i < song.samples.size()) {
            const ModSample& s = song.samples[i];
            if (s.data.size() % 2 || s.data.size() > 131070 || s.loopStart % 2 || s.loopLength % 2) return {};
            text(s.name, 22);
            u16(static_cast<int>(s.data.size() / 2));
            out.push_back(0);
            out.push_back(static_cast<uint8_t>(std::clamp(s.volume, 0, 64)));
            u16(s.loopLength > 0 ? s.loopStart / 2 : 0);
            u16(s.loopLength > 0 ? s.loopLength / 2 : 1);
        } else {
            text("", 22);
            u16(0);
            out.push_back(0);
            out.push_back(0);
            u16(0);
            u16(1);
        }
    }
    out.push_back(static_cast<uint8_t>(song.orders.size()));
    out.push_back(127);
    for (size_t i = 0; i < 128; ++i) {
        int order = i < song.orders.size() ? song.orders[i] : 0;
        if (order < 0 || order >= static_cast<int>(song.patterns.size())) return {};
        out.push_back(static_cast<uint8_t>(order));
    }
    text("M.K.", 4);
    for (const ModPattern& p : song.patterns)
        for (int row = 0; row < kModRows; ++row)
            for (int ch = 0; ch < kModChannels; ++ch) {
                const ModCell& c = p.cells[row][ch];
                int period = ModPeriod(c.note);
                int sample = std::clamp(c.sample, 0, 31);
                out.push_back(static_cast<uint8_t>((sample & 0xF0) | ((period >> 8) & 0x0F)));
                out.push_back(static_cast<uint8_t>(period & 0xFF));
                out.push_back(static_cast<uint8_t>(((sample & 0x0F) << 4) | (c.effect & 0x0F)));
                out.push_back(static_cast<uint8_t>(c.param & 0xFF));
            }
    for (const ModSample& s : song.samples)
        for (int8_t v : s.data) out.push_back(static_cast<uint8_t>(v));
    return out;
}

bool WriteMod(const ModSong& song, const std::string& path)
{
    std::vector<uint8_t> bytes = EncodeMod(song);
    if (bytes.empty()) {
        std::fprintf(stderr, "Song \"%s\" does not fit the module format\n", song.title.c_str());
        return false;
    }
    return WriteTextFile(path, std::string(bytes.begin(), bytes.end()));
}
