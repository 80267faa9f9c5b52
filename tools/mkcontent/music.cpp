// The tunes: small four-channel chip songs composed by rule from a chord
// progression, a groove and a seeded melody, with synthesised instruments.
// Channel 0 melody, 1 arpeggiated chords, 2 bass, 3 drums.
#include "tools/mkcontent/mkcontent.h"
#include "tools/mkcontent/modwriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// ---- instruments ----
// Pitched samples hold whole cycles of 32 bytes (64 for the bass), so every
// instrument is in tune with the others: played at C-2 a 32-byte cycle sounds
// near middle C.

enum Instrument {
    kLeadPulse = 1,
    kLeadSquare,
    kLeadBell,
    kLeadFlute,
    kArp,
    kBass,
    kKick,
    kSnare,
    kHat,
    kLeadSaw
};

int8_t Clip8(double v) { return static_cast<int8_t>(std::clamp(std::lround(v * 120.0), -127L, 127L)); }

// cycles of a waveform with an exponential fall to `sustain`, last cycle looped
ModSample Pitched(const char* name, int cycleLen, int cycles, double decay, double sustain, int volume,
                  double (*wave)(double))
{
    ModSample s;
    s.name = name;
    s.volume = volume;
    int n = cycleLen * cycles;
    for (int i = 0; i < n; ++i) {
        double phase = static_cast<double>(i % cycleLen) / cycleLen;
        double t = static_cast<double>(i) / n;
        double env = sustain + (1.0 - sustain) * std::exp(-t * decay);
        s.data.push_back(Clip8(wave(phase) * env));
    }
    s.loopStart = n - cycleLen;
    s.loopLength = cycleLen;
    return s;
}

double WavePulse(double p) { return p < 0.25 ? 0.8 : -0.8; }
double WaveSquare(double p) { return p < 0.5 ? 0.7 : -0.7; }
double WaveTriangle(double p) { return p < 0.5 ? 4 * p - 1 : 3 - 4 * p; }
double WaveSaw(double p) { return (2 * p - 1) * 0.8; }
double WaveBell(double p) { return 0.75 * std::sin(2 * M_PI * p) + 0.25 * std::sin(2 * M_PI * 4 * p); }
double WaveFlute(double p) { return 0.8 * std::sin(2 * M_PI * p) + 0.15 * std::sin(2 * M_PI * 2 * p) + 0.2 * WaveTriangle(p); }
double WaveBass(double p) { return 0.6 * WaveTriangle(p) + 0.35 * WaveSaw(p); }

ModSample Drum(const char* name, int length, int volume, uint64_t seed, double toneFrom, double toneTo,
               double noiseAmount, double decay)
{
    ModSample s;
    s.name = name;
    s.volume = volume;
    Rng rng(seed);
    double phase = 0, lp = 0;
    const double rate = 8287.0;
    for (int i = 0; i < length; ++i) {
        double t = static_cast<double>(i) / length;
        double f = toneFrom + (toneTo - toneFrom) * std::sqrt(t);
        phase += 2 * M_PI * f / rate;
        double noise = rng.Signed();
        lp += (noise - lp) * 0.6;
        double v = (1 - noiseAmount) * std::sin(phase) + noiseAmount * (noiseAmount > 0.9 ? noise - lp : noise);
        s.data.push_back(Clip8(v * std::exp(-t * decay)));
    }
    if (s.data.size() % 2) s.data.push_back(0);
    return s;
}

std::vector<ModSample> Instruments()
{
    std::vector<ModSample> v;
    v.push_back(Pitched("pulse lead", 32, 96, 3.0, 0.35, 50, WavePulse));
    v.push_back(Pitched("square lead", 32, 96, 2.5, 0.4, 46, WaveSquare));
    v.push_back(Pitched("bell", 32, 160, 5.0, 0.0, 60, WaveBell));
    v.push_back(Pitched("flute", 32, 64, 1.0, 0.7, 52, WaveFlute));
    v.push_back(Pitched("chord", 32, 64, 2.0, 0.45, 26, WaveSquare));
    v.push_back(Pitched("bass", 64, 48, 2.5, 0.5, 58, WaveBass));
    v.push_back(Drum("kick", 1800, 64, 1, 160, 40, 0.05, 4.0));
    v.push_back(Drum("snare", 1600, 46, 2, 190, 150, 0.75, 5.0));
    v.push_back(Drum("hat", 500, 24, 3, 0, 0, 1.0, 6.0));
    v.push_back(Pitched("saw lead", 32, 96, 2.5, 0.4, 42, WaveSaw));
    return v;
}

// ---- composition ----

const int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};

// MIDI pitch of a scale step (0 = key root, 7 = the octave above).
int StepPitch(int root, int step)
{
    int octave = step >= 0 ? step / 7 : -((-step + 6) / 7);
    int degree = step - octave * 7;
    return root + 12 * octave + kMajor[degree];
}

// Tracker note for a MIDI pitch: pitched instruments sound C-1 as MIDI 48,
// the bass one octave lower; pitches outside the range fold in by octaves.
int NoteFor(int midi, bool bass)
{
    int n = midi - (bass ? 36 : 48);
    while (n < 0) n += 12;
    while (n > 35) n -= 12;
    return n;
}

enum class Groove { Rock, Disco, March, Waltz, Shuffle, Gallop };

struct TuneStyle {
    const char* file;
    const char* title;
    uint64_t seed;
    int root;        // MIDI of the melody's key root (60..71)
    int speed;       // ticks per row
    int tempo;       // beats per minute setting
    Instrument lead;
    Groove groove;
    std::vector<int> verse;   // chord degrees (0-based), one per bar, 4 bars
    std::vector<int> chorus;  // 4 bars
    std::vector<char> form;   // section letters: V verse, C chorus, W verse variant, B break
};

struct Composer {
    const TuneStyle& style;
    Rng rng;
    int rowsPerBar;
    std::vector<ModPattern> patterns;

    explicit Composer(const TuneStyle& s) : style(s), rng(s.seed), rowsPerBar(s.groove == Groove::Waltz ? 12 : 16) {}

    static void Set(ModPattern& p, int row, int ch, int note, int sample, int effect = 0, int param = 0)
    {
        if (row < 0 || row >= kModRows) return;
        ModCell& c = p.cells[row][ch];
        c.note = note;
        c.sample = sample;
        if (effect || param) {
            c.effect = effect;
            c.param = param;
        }
    }
    static void Effect(ModPattern& p, int row, int ch, int effect, int param)
    {
        if (row < 0 || row >= kModRows) return;
        p.cells[row][ch].effect = effect;
        p.cells[row][ch].param = param;
    }

    // rhythm of one bar: start rows and lengths (for 16-row bars; waltz bars scale to 12)
    std::vector<std::pair<int, int>> Rhythm(int kind)
    {
        static const std::vector<std::vector<std::pair<int, int>>> kRhythms = {
            {{0, 4}, {4, 2}, {6, 2}, {8, 4}, {12, 4}},
            {{0, 2}, {2, 2}, {4, 4}, {8, 2}, {10, 2}, {12, 4}},
            {{0, 6}, {6, 2}, {8, 6}, {14, 2}},
            {{0, 2}, {2, 2}, {4, 2}, {6, 2}, {8, 4}, {12, 2}, {14, 2}},
            {{2, 2}, {4, 2}, {6, 2}, {8, 8}},
            {{0, 3}, {3, 3}, {6, 2}, {8, 4}, {12, 4}},
        };
        static const std::vector<std::vector<std::pair<int, int>>> kWaltz = {
            {{0, 4}, {4, 4}, {8, 4}},
            {{0, 6}, {6, 2}, {8, 4}},
            {{0, 2}, {2, 2}, {4, 4}, {8, 4}},
            {{0, 8}, {8, 2}, {10, 2}},
        };
        if (rowsPerBar == 12) return kWaltz[kind % kWaltz.size()];
        return kRhythms[kind % kRhythms.size()];
    }

    std::vector<std::pair<int, int>> CadenceRhythm()
    {
        if (rowsPerBar == 12) return {{0, 12}};
        return {{0, 4}, {4, 12}};
    }

    bool IsChordTone(int step, int chord)
    {
        int d = ((step % 7) + 7) % 7;
        return d == chord % 7 || d == (chord + 2) % 7 || d == (chord + 4) % 7;
    }

    int NearestChordTone(int step, int chord)
    {
        for (int delta = 0; delta < 4; ++delta) {
            if (IsChordTone(step - delta, chord)) return step - delta;
            if (IsChordTone(step + delta, chord)) return step + delta;
        }
        return step;
    }

    // Melody of one bar: chord tones on strong rows, steps in between.
    std::vector<std::pair<int, int>> MelodyBar(int chord, const std::vector<std::pair<int, int>>& rhythm, int& step)
    {
        std::vector<std::pair<int, int>> notes;  // row, scale step
        for (const auto& beat : rhythm) {
            int row = beat.first;
            int move = rng.Range(-2, 2);
            if (move == 0 && rng.Below(2)) move = step > 3 ? -1 : 1;
            step += move;
            bool strong = row % (rowsPerBar == 12 ? 4 : 8) == 0;
            if (strong) step = NearestChordTone(step, chord);
            step = std::clamp(step, -2, 9);
            notes.push_back({row, step});
        }
        return notes;
    }

    void WriteMelody(ModPattern& p, int barStart, const std::vector<std::pair<int, int>>& rhythm,
                     const std::vector<std::pair<int, int>>& notes, int volume)
    {
        for (size_t i = 0; i < notes.size(); ++i) {
            int row = barStart + notes[i].first;
            int midi = StepPitch(style.root, notes[i].second);
            Set(p, row, 0, NoteFor(midi, false), style.lead, 0xC, volume - (notes[i].first % 8 ? 8 : 0));
            int end = barStart + rhythm[i].first + rhythm[i].second;
            bool followed = i + 1 < notes.size() && barStart + notes[i + 1].first == end;
            if (!followed && end < barStart + rowsPerBar) Effect(p, end, 0, 0xC, 0);
        }
    }

    void WriteChords(ModPattern& p, int barStart, int chord, bool busy)
    {
        int rootStep = chord;
        int midi = StepPitch(style.root, rootStep);
        while (midi > 71) midi -= 12;
        int third = StepPitch(style.root, rootStep + 2) - StepPitch(style.root, rootStep);
        int fifth = StepPitch(style.root, rootStep + 4) - StepPitch(style.root, rootStep);
        int param = (third << 4) | (fifth & 15);
        for (int r = 0; r < rowsPerBar; ++r) Effect(p, barStart + r, 1, 0x0, param);
        std::vector<int> hits;
        if (rowsPerBar == 12) {
            hits = {4, 8};
        } else if (busy) {
            hits = {0, 6, 10, 12};
        } else {
            hits = {0, 8};
        }
        for (int h : hits) Set(p, barStart + h, 1, NoteFor(midi, false), kArp);
    }

    void WriteBass(ModPattern& p, int barStart, int chord, int nextChord)
    {
        int root = StepPitch(style.root, chord) - 24;
        while (root < 36) root += 12;
        while (root > 47) root -= 12;
        int fifth = root + (StepPitch(style.root, chord + 4) - StepPitch(style.root, chord));
        auto put = [&](int row, int midi) { Set(p, barStart + row, 2, NoteFor(midi, true), kBass); };
        switch (style.groove) {
        case Groove::Waltz:
            put(0, root);
            put(4, fifth);
            put(8, fifth);
            break;
        case Groove::Disco:
            for (int r = 0; r < 16; r += 4) {
                put(r, root);
                put(r + 2, root + 12);
            }
            break;
        case Groove::March:
            put(0, root);
            put(4, fifth);
            put(8, root);
            put(12, fifth - 12 >= 36 ? fifth - 12 : fifth);
            break;
        case Groove::Gallop:
            for (int r = 0; r < 16; r += 4) {
                put(r, r == 8 ? fifth : root);
                put(r + 3, root + 12);
            }
            break;
        default: {
            int approach = StepPitch(style.root, nextChord) - 24;
            while (approach < 36) approach += 12;
            while (approach > 47) approach -= 12;
            put(0, root);
            put(6, root);
            put(8, fifth);
            put(12, root + 12);
            put(14, approach + (approach > root ? -1 : 1));
            break;
        }
        }
    }

    void WriteDrums(ModPattern& p, int barStart, bool fill, bool sparse)
    {
        auto kick = [&](int r) { Set(p, barStart + r, 3, 12, kKick); };
        auto snare = [&](int r) { Set(p, barStart + r, 3, 12, kSnare); };
        auto hat = [&](int r) { Set(p, barStart + r, 3, 24, kHat); };
        if (style.groove == Groove::Waltz) {
            kick(0);
            hat(4);
            hat(8);
            if (!sparse) snare(8);
            if (fill) {
                snare(9);
                snare(10);
                snare(11);
            }
            return;
        }
        for (int r = 2; r < 16; r += 4) hat(r);
        switch (style.groove) {
        case Groove::Disco:
            kick(0);
            kick(8);
            snare(4);
            snare(12);
            hat(6);
            hat(14);
            break;
        case Groove::March:
            kick(0);
            kick(8);
            snare(4);
            snare(12);
            snare(13);
            break;
        case Groove::Gallop:
            kick(0);
            kick(3);
            snare(4);
            kick(8);
            kick(11);
            snare(12);
            break;
        default:
            kick(0);
            kick(8);
            kick(10);
            snare(4);
            snare(12);
            break;
        }
        if (sparse) {
            for (int r = 0; r < 16; ++r)
                if (p.cells[barStart + r][3].sample == kSnare) p.cells[barStart + r][3] = ModCell{};
        }
        if (fill) {
            snare(12);
            snare(13);
            snare(14);
            snare(15);
        }
    }

    // A four-bar section; `motif` keeps the rhythm choices of the verse so its
    // variant is recognisably the same tune.
    ModPattern Section(const std::vector<int>& chords, char kind, std::vector<int>& motif)
    {
        ModPattern p;
        int step = kind == 'C' ? 4 : 2;
        if (motif.empty())
            for (int b = 0; b < 3; ++b) motif.push_back(rng.Below(6));
        for (int bar = 0; bar < 4; ++bar) {
            int barStart = bar * rowsPerBar;
            int chord = chords[bar];
            int next = chords[(bar + 1) % 4];
            bool last = bar == 3;
            if (kind != 'B') {
                auto rhythm = last ? CadenceRhythm() : Rhythm(kind == 'C' ? (motif[bar] + 2 + bar) : motif[bar % 2 == 0 ? 0 : 1 + (bar == 2)]);
                auto notes = MelodyBar(chord, rhythm, step);
                if (last && notes.size() >= 2) {
                    // land on the chord's root, the one nearest the note before
                    int before = notes[notes.size() - 2].second;
                    int root = chord % 7;
                    while (root + 7 <= before + 3) root += 7;
                    while (root - 7 >= before - 3) root -= 7;
                    if (std::abs(root - before) > 3) root += root > before ? -7 : 7;
                    notes.back().second = std::clamp(root, -2, 9);
                }
                WriteMelody(p, barStart, rhythm, notes, kind == 'W' ? 56 : 60);
            } else if (bar % 2 == 0) {
                // the break: long calm notes over the groove
                int midi = StepPitch(style.root, NearestChordTone(4, chord));
                Set(p, barStart, 0, NoteFor(midi, false), kLeadFlute, 0xC, 40);
            }
            WriteChords(p, barStart, chord, kind == 'C');
            WriteBass(p, barStart, chord, next);
            WriteDrums(p, barStart, last && kind != 'B', kind == 'B');
        }
        // tempo on the first row, and a break where short bars end early
        Effect(p, 0, 3, 0xF, style.speed);
        Effect(p, 0, 2, 0xF, style.tempo);
        if (rowsPerBar * 4 < kModRows) Effect(p, rowsPerBar * 4 - 1, 2, 0xD, 0);
        if (style.groove == Groove::Shuffle)
            for (int r = 0; r < rowsPerBar * 4; ++r)
                if (!(r == 0)) Effect(p, r, 3, 0xF, r % 2 ? style.speed - 1 : style.speed + 1);
        if (style.groove == Groove::Shuffle) Effect(p, 0, 3, 0xF, style.speed + 1);
        return p;
    }

    ModSong Build()
    {
        ModSong song;
        song.title = style.title;
        song.samples = Instruments();
        std::vector<int> motif;
        int verse = -1, chorus = -1, variant = -1, brk = -1;
        for (char section : style.form) {
            int* slot = section == 'V' ? &verse : section == 'C' ? &chorus : section == 'W' ? &variant : &brk;
            if (*slot < 0) {
                const std::vector<int>& chords = (section == 'C' || section == 'B') ? style.chorus : style.verse;
                song.patterns.push_back(Section(chords, section, motif));
                *slot = static_cast<int>(song.patterns.size()) - 1;
            }
            song.orders.push_back(*slot);
        }
        return song;
    }
};

double SongSeconds(const ModSong& song, const TuneStyle& style)
{
    int rows = (style.groove == Groove::Waltz ? 48 : 64) * static_cast<int>(song.orders.size());
    double ticksPerRow = style.speed;
    return rows * ticksPerRow * 2.5 / style.tempo;
}

std::vector<TuneStyle> Tunes()
{
    return {
        {"menu", "Sunday Lawn", 1001, 60, 6, 125, kLeadPulse, Groove::Rock, {0, 5, 3, 4}, {3, 4, 2, 5},
         {'V', 'W', 'C', 'V', 'B', 'C', 'W'}},
        {"credits", "Thanks for Mowing", 1002, 65, 7, 120, kLeadBell, Groove::Disco, {0, 3, 1, 4}, {5, 3, 0, 4},
         {'V', 'W', 'C', 'C', 'B', 'V', 'W'}},
        {"level1", "Fresh Cut", 1003, 67, 5, 125, kLeadSquare, Groove::Rock, {0, 3, 4, 0}, {5, 3, 4, 4},
         {'V', 'W', 'C', 'V', 'C', 'B', 'W', 'C'}},
        {"level2", "Gnome Shuffle", 1004, 62, 6, 125, kLeadPulse, Groove::Shuffle, {0, 3, 0, 4}, {3, 3, 0, 4},
         {'V', 'W', 'C', 'B', 'V', 'C', 'W'}},
        {"level3", "Pond Hopper", 1005, 70, 6, 135, kLeadFlute, Groove::Waltz, {0, 4, 3, 4}, {3, 0, 1, 4},
         {'V', 'W', 'C', 'V', 'W', 'C', 'B', 'V', 'W'}},
        {"level4", "Hedge Maze March", 1006, 63, 6, 118, kLeadSaw, Groove::March, {0, 4, 0, 4}, {3, 0, 4, 0},
         {'V', 'W', 'C', 'V', 'B', 'C', 'W'}},
        {"level5", "Cloudburst Gallop", 1007, 64, 5, 130, kLeadSquare, Groove::Gallop, {0, 5, 3, 4}, {1, 4, 0, 5},
         {'V', 'W', 'C', 'C', 'B', 'V', 'W', 'C'}},
    };
}

}  // namespace

bool WriteMusic(const OutputPaths& out)
{
    bool ok = true;
    for (const TuneStyle& style : Tunes()) {
        Composer composer(style);
        ModSong song = composer.Build();
        double seconds = SongSeconds(song, style);
        if (seconds < 30.0) {
            std::fprintf(stderr, "Tune %s is only %.1f seconds long\n", style.file, seconds);
            ok = false;
        }
        ok = WriteMod(song, out.Base(std::string("music/") + style.file + ".mod")) && ok;
    }
    return ok;
}
