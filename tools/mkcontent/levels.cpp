// The levels: designed as character maps, turned into tile numbers (shores,
// fences, trees and sheds pick their pieces from their neighbours), checked
// for a mower that can reach every Grass cell, and saved with the game's own
// map writer. Also game.ini with the level list and the music.
#include "tools/mkcontent/mkcontent.h"
#include "tools/mkcontent/tiles.h"

#include "content/map.h"
#include "content/sprite.h"

#include <cstdio>
#include <cstring>
#include <queue>

using namespace tiles;

namespace {

constexpr int kCols = Map::kColumns, kRows = Map::kRows;
constexpr int kMowerSize = 32;  // the mower sprite's frame is 32 x 32

// Legend:
//   .  lawn (with a sprinkling of clover, daisies and sunny patches)
//   :  long grass   ,  daisies   ;  shady grass
//   e earth  g gravel  s stepping stones  p paving  = bridge across  | bridge down
//   f flower bed  r rose bed  t tulip bed
//   R boulder  o rocks  H hedge  W brick wall  X stone wall  k stump  b bush
//   G gnome  B bird bath  P flower pot  F fence  T apple tree (2 x 2)  S shed (2 x 2)
//   ~ pond  L lily pads
//   @ lawn; the mower starts on the corner this cell shares with the cell
//     diagonally below right of it
struct Design {
    const char* file;
    const char* title;
    const char* author;
    int clouds;
    int seconds;
    const char* music;
    const char* rows[kRows];
};

// The maze level is built from a seeded maze instead of a drawing.
const char* kMazeMarker = "maze";

const Design kDesigns[] = {
    {"level01.map", "Front Lawn", "Mabel Thorn", 0, 150, "level1.mod",
     {"rrrr.................rrrr",
      "rr.....................rr",
      ".........................",
      "..@......................",
      ".........................",
      ".........................",
      ".........................",
      ".........................",
      ".........................",
      ".........................",
      ".........................",
      ".........................",
      ".........................",
      "P.......................P",
      "ppppppppppppppppppppppppp",
      "ppppppppppppppppppppppppp"}},
    {"level02.map", "Garden Path", "Mabel Thorn", 0, 120, "level2.mod",
     {"ff.........gg.........fff",
      "f..........gg..........ff",
      "...........gg............",
      "..@........gg............",
      "...........gg....tttt....",
      "...........gg....tttt....",
      "...........gg............",
      "ggggggggggggggggggggggggg",
      "ggggggggggggggggggggggggg",
      "....B......gg............",
      "...........gg............",
      "...rrr.....gg.....ssss...",
      "...rrr.....gg.....ssss...",
      "...........gg............",
      "f..........gg............",
      "ff.........gg...........f"}},
    {"level03.map", "Gnome Village", "Percy Quill", 1, 120, "level3.mod",
     {".........................",
      ".........................",
      "..G.....G.......G.....G..",
      ".........................",
      ".........................",
      ".....pppp.......pppp.....",
      "..@..pGPp.......pPGp.....",
      ".....pppp.......pppp.....",
      ".........................",
      "..........ggggg..........",
      "..G.......gBgBg.......G..",
      "..........ggggg..........",
      ".........................",
      ".....G.........G.........",
      ".........................",
      "........................."}},
    {"level04.map", "Duck Pond", "Percy Quill", 1, 110, "level4.mod",
     {".........................",
      ".........................",
      "..@..................b...",
      ".........................",
      "......~~~~~~~~~~~~~......",
      "......~~~L~~~~~~L~~......",
      "......~~~~~~~~~~~~~......",
      "ssssss=============ssssss",
      "ssssss=============ssssss",
      "......~~~~~~~~~~~~~......",
      "......~~L~~~~~~~~~~......",
      "......~~~~~~~~~~~~~......",
      ".........................",
      "...k.................b...",
      ".........................",
      "........................."}},
    {"level05.map", "The Orchard", "Ada Fenwick", 2, 120, "level5.mod",
     {".........................",
      ".........................",
      "...TT...TT...TT...TT.....",
      "...TT...TT...TT...TT.....",
      ".....................SS..",
      "..@..................SS..",
      ".........................",
      "...TT...TT...TT...TT.....",
      "...TT...TT...TT...TT.....",
      ".........................",
      ".........................",
      ".........................",
      "...TT...TT...TT...TT..fff",
      "...TT...TT...TT...TT..fff",
      ".........................",
      "........................."}},
    {"level06.map", "Hedge Row", "Ada Fenwick", 2, 130, "level1.mod",
     {"tt.....................tt",
      "..@......................",
      ".........................",
      "HHHHHHHHHHHHHHHHHHHHH....",
      ".........................",
      ".........................",
      "....HHHHHHHHHHHHHHHHHHHHH",
      ".........................",
      ".........................",
      "HHHHHHHHHH...HHHHHHHHHHHH",
      ".........................",
      ".........................",
      "....HHHHHHHHHHHHHHHHHHHHH",
      ".........................",
      ".........................",
      "tttt.......rrr.......tttt"}},
    {"level07.map", "Allotments", "Bert Mulch", 3, 120, "level2.mod",
     {".........................",
      "..@......................",
      ".........................",
      "..FFFFFFFFFF...FFFFFFFF..",
      "..F...................F..",
      "..F..eeee..tttt..rrrr.F..",
      "..F..eeee..tttt..rrrr.F..",
      "..F...................F..",
      "..F...................F..",
      "..F..rrrr..eeee..tttt.F..",
      "..F..rrrr..eeee..tttt.F..",
      "..F...................F..",
      "..FFFFFFFFFFFFFFFFFFFFF..",
      "ggggggggggggggggggggggggg",
      "SS.......................",
      "SS......................."}},
    {"level08.map", "Stepping Stones", "Bert Mulch", 3, 120, "level3.mod",
     {"....................~~~~~",
      "..@.................~~L~~",
      "....................~~~~~",
      ".........................",
      "....b..........b.........",
      ".........................",
      ".........................",
      "~~~~~||~~~~~~~~~~~||~~~~~",
      "~~~~~||~~~~~~~~~~~||~~~~~",
      ".........................",
      ".........................",
      "........ssssssss.........",
      "...B.....................",
      ".........................",
      "..............~~~~.......",
      "..............~~~~......."}},
    {"level09.map", "Shed Corner", "Ada Fenwick", 4, 120, "level4.mod",
     {"pppppppppp...............",
      "pSSppSSppp...............",
      "pSSppSSppp......@........",
      "pppppppppp...........TT..",
      "FFFFFFF...FFFFFF.....TT..",
      ".........................",
      ".........................",
      ".....G...................",
      "..............~~~~~~.....",
      "..............~~L~~~.....",
      "..tttt........~~~~~~.....",
      "..tttt...................",
      ".........................",
      "........FFFFFFFFF....B...",
      "........FtttttttF........",
      "........FtttttttF........"}},
    {"level10.map", "Hedge Maze", "Percy Quill", 4, 150, "level5.mod", {kMazeMarker}},
    {"level11.map", "Stormy Meadow", "Bert Mulch", 5, 150, "level1.mod",
     {"::::::::::::::::::::::::.",
      ":@::::::::::::::::::::::.",
      "::::::::,,:::::::::::::::",
      ":::R:::::::::::o::::::R::",
      ":::::::::::::::::::::::::",
      ":::::::,,,::::::::::::::.",
      "::::::::::::::::R::::::::",
      "::::::::::::::::::::::::.",
      "::o::::::::R:::::::::::::",
      ":::::::::::::::::::::::::",
      "::::::::::::::::::::o::::",
      "::::::R::::::::::::::::::",
      ":::::::::::::::::::::::::",
      "::::::::::::::::R::::::::",
      "::::,,::::::::::::::::::,",
      ":::::::::::::::::::::::::"}},
    {"level12.map", "Castle Gardens", "Mabel Thorn", 6, 160, "level4.mod",
     {"~~~L~~~~~~~~~~~~~~~~~L~~~",
      "~~~~~~~~~~~~~~~~~~~~~~~~~",
      "..@.......ppppp..........",
      "..........ppppp..........",
      "..XXXXXXXXpppppXXXXXXXX..",
      "..X...................X..",
      "..X...................X..",
      "..X..HHH..fffff..HHH..X..",
      "..X..HHH..fBfBf..HHH..X..",
      "..X.......fffff.......X..",
      "..X...................X..",
      "..XXXXXXXX.....XXXXXXXX..",
      ".........................",
      ".........................",
      "rr.....................rr",
      "rrr...................rrr"}},
};

// ---- the maze ----

void BuildMaze(char grid[kRows][kCols + 1])
{
    // rooms: 8 across (the last one 4 cells wide), 5 down (the last one 4 high),
    // hedges one cell thick between them
    const int roomsX = 8, roomsY = 5;
    auto roomCol = [](int i) { return 3 * i; };
    auto roomRow = [](int j) { return 3 * j; };
    auto roomW = [](int i) { return i == 7 ? 4 : 2; };
    auto roomH = [](int j) { return j == 4 ? 4 : 2; };
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) grid[r][c] = 'H';
        grid[r][kCols] = 0;
    }
    for (int j = 0; j < roomsY; ++j)
        for (int i = 0; i < roomsX; ++i)
            for (int r = 0; r < roomH(j); ++r)
                for (int c = 0; c < roomW(i); ++c) grid[roomRow(j) + r][roomCol(i) + c] = '.';
    // depth-first maze from the top-left room
    Rng rng(1010);
    std::vector<bool> seen(roomsX * roomsY, false);
    std::vector<int> stack = {0};
    seen[0] = true;
    while (!stack.empty()) {
        int cur = stack.back();
        int ci = cur % roomsX, cj = cur / roomsX;
        int options[4], count = 0;
        const int di[4] = {1, -1, 0, 0}, dj[4] = {0, 0, 1, -1};
        for (int d = 0; d < 4; ++d) {
            int ni = ci + di[d], nj = cj + dj[d];
            if (ni >= 0 && ni < roomsX && nj >= 0 && nj < roomsY && !seen[nj * roomsX + ni]) options[count++] = d;
        }
        if (count == 0) {
            stack.pop_back();
            continue;
        }
        int d = options[rng.Below(count)];
        int ni = ci + di[d], nj = cj + dj[d];
        // open the hedge between the two rooms
        if (dj[d] == 0) {
            int wallCol = roomCol(std::min(ci, ni)) + 2;
            for (int r = 0; r < roomH(cj); ++r) grid[roomRow(cj) + r][wallCol] = '.';
        } else {
            int wallRow = roomRow(std::min(cj, nj)) + 2;
            for (int c = 0; c < roomW(ci); ++c) grid[wallRow][roomCol(ci) + c] = '.';
        }
        seen[nj * roomsX + ni] = true;
        stack.push_back(nj * roomsX + ni);
    }
    // a few extra openings so the maze has loops and is quicker to mow
    const int extra[][3] = {{2, 1, 0}, {4, 3, 0}, {5, 0, 1}, {1, 2, 1}};
    for (auto& e : extra) {
        int i = e[0], j = e[1];
        if (e[2] == 0) {
            for (int r = 0; r < roomH(j); ++r) grid[roomRow(j) + r][roomCol(i) + 2] = '.';
        } else {
            for (int c = 0; c < roomW(i); ++c) grid[roomRow(j) + 2][roomCol(i) + c] = '.';
        }
    }
    grid[0][0] = '@';
    grid[13][22] = 'B';  // a bird bath in the big last room
    grid[14][9] = 's';
    grid[14][10] = 's';
}

// ---- turning characters into tiles ----

uint32_t CellHash(int c, int r, int level)
{
    uint32_t h = static_cast<uint32_t>(c * 73856093) ^ static_cast<uint32_t>(r * 19349663) ^ static_cast<uint32_t>(level * 83492791);
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    return h ^ (h >> 15);
}

bool IsWaterChar(char ch) { return ch == '~' || ch == 'L' || ch == '=' || ch == '|'; }

struct Builder {
    char grid[kRows][kCols + 1];
    uint16_t cells[kRows][kCols];
    int level;
    std::string problem;

    char At(int c, int r, char outside) const
    {
        if (c < 0 || r < 0 || c >= kCols || r >= kRows) return outside;
        return grid[r][c];
    }

    int Lawn(int c, int r) const
    {
        uint32_t h = CellHash(c, r, level) % 23;
        if (h == 0) return kGrassDaisies;
        if (h == 1 || h == 2) return kGrassClover;
        return kGrass;
    }

    int Water(int c, int r)
    {
        bool n = !IsWaterChar(At(c, r - 1, '~')), s = !IsWaterChar(At(c, r + 1, '~'));
        bool w = !IsWaterChar(At(c - 1, r, '~')), e = !IsWaterChar(At(c + 1, r, '~'));
        if ((n && s) || (w && e)) problem = "pond narrower than two cells at column " + std::to_string(c) + ", row " + std::to_string(r);
        if (n && w) return kShoreNW;
        if (n && e) return kShoreNE;
        if (s && w) return kShoreSW;
        if (s && e) return kShoreSE;
        if (n) return kShoreN;
        if (s) return kShoreS;
        if (w) return kShoreW;
        if (e) return kShoreE;
        return kWater;
    }

    int Fence(int c, int r) const
    {
        bool n = At(c, r - 1, ' ') == 'F', s = At(c, r + 1, ' ') == 'F';
        bool w = At(c - 1, r, ' ') == 'F', e = At(c + 1, r, ' ') == 'F';
        if (e && s && !w && !n) return kFenceTopLeft;
        if (w && s && !e && !n) return kFenceTopRight;
        if (e && n && !w && !s) return kFenceBottomLeft;
        if (w && n && !e && !s) return kFenceBottomRight;
        if (e || w) return kFenceAcross;
        if (n || s) return kFenceDown;
        return kFencePost;
    }

    // The 2 x 2 pieces: a piece's corner follows from how many equal
    // characters lie above and to the left of it in its run.
    int Quad(int c, int r, int first)
    {
        char ch = grid[r][c];
        int left = 0, up = 0;
        while (At(c - left - 1, r, ' ') == ch) ++left;
        while (At(c, r - up - 1, ' ') == ch) ++up;
        return first + (left % 2) + 2 * (up % 2);
    }

    bool Convert(int& startX, int& startY)
    {
        bool haveStart = false;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) {
                char ch = grid[r][c];
                int tile = -1;
                switch (ch) {
                case '.': tile = Lawn(c, r); break;
                case '@':
                    tile = Lawn(c, r);
                    startX = 32 * c + 32;
                    startY = 32 * r + 32;
                    haveStart = true;
                    break;
                case ':': tile = (CellHash(c, r, level) % 7 == 0) ? kGrass : kGrassLong; break;
                case ',': tile = kGrassDaisies; break;
                case ';': tile = kGrassShade; break;
                case 'e': tile = kEarth; break;
                case 'g': tile = kGravel; break;
                case 's': tile = kFlagstones; break;
                case 'p': tile = kPaving; break;
                case '=': tile = kBridgeAcross; break;
                case '|': tile = kBridgeDown; break;
                case 'f': tile = kFlowerBed; break;
                case 'r': tile = kRoseBed; break;
                case 't': tile = kTulipBed; break;
                case 'R': tile = kBoulder; break;
                case 'o': tile = kPebbles; break;
                case 'H': tile = kHedge; break;
                case 'W': tile = kBrickWall; break;
                case 'X': tile = kStoneWall; break;
                case 'k': tile = kStump; break;
                case 'b': tile = kBush; break;
                case 'G': tile = kGnome; break;
                case 'B': tile = kBirdBath; break;
                case 'P': tile = kFlowerPot; break;
                case 'F': tile = Fence(c, r); break;
                case 'T': tile = Quad(c, r, kTreeTopLeft); break;
                case 'S': tile = Quad(c, r, kShedTopLeft); break;
                case '~': tile = Water(c, r); break;
                case 'L': tile = kLilyPad; break;
                default:
                    problem = std::string("unknown character '") + ch + "'";
                    return false;
                }
                cells[r][c] = static_cast<uint16_t>(tile);
            }
        if (!haveStart) problem = "no start point";
        return haveStart && problem.empty();
    }
};

bool IsGrassTile(int t) { return t >= kGrass && t <= kGrassSunny; }
bool BlocksMower(int t) { return (t >= 32 && t < 64) || (t >= 64 && t <= kLilyPad); }

}  // namespace

// Every Grass cell must be covered by the mower's collision box at some
// position the mower can drive to from its start. The box of a 32 x 32 frame
// spans 33 pixels; it moves a pixel at a time and may not touch a blocking
// cell or leave the field.
std::string CheckLevel(const uint16_t cells[][25], int startX, int startY)
{
    const int span = ComputeSpriteBounds(kMowerSize, kMowerSize).right - ComputeSpriteBounds(kMowerSize, kMowerSize).left;
    const int maxX = 800 - 1 - span, maxY = 512 - 1 - span;
    auto free = [&](int x, int y) {
        if (x < 0 || y < 0 || x > maxX || y > maxY) return false;
        for (int r = y / 32; r <= (y + span) / 32; ++r)
            for (int c = x / 32; c <= (x + span) / 32; ++c)
                if (BlocksMower(cells[r][c])) return false;
        return true;
    };
    int sx = startX - kMowerSize / 2, sy = startY - kMowerSize / 2;
    if (!free(sx, sy)) return "the mower starts on a blocked spot";
    std::vector<uint8_t> seen((maxX + 1) * (maxY + 1), 0);
    bool covered[kRows][kCols] = {};
    std::queue<std::pair<int, int>> open;
    open.push({sx, sy});
    seen[sy * (maxX + 1) + sx] = 1;
    while (!open.empty()) {
        auto [x, y] = open.front();
        open.pop();
        for (int r = y / 32; r <= (y + span) / 32; ++r)
            for (int c = x / 32; c <= (x + span) / 32; ++c) covered[r][c] = true;
        const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
        for (int d = 0; d < 4; ++d) {
            int nx = x + dx[d], ny = y + dy[d];
            if (!free(nx, ny) || seen[ny * (maxX + 1) + nx]) continue;
            seen[ny * (maxX + 1) + nx] = 1;
            open.push({nx, ny});
        }
    }
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            if (IsGrassTile(cells[r][c]) && !covered[r][c])
                return "grass at column " + std::to_string(c) + ", row " + std::to_string(r) + " cannot be reached";
    return "";
}

const std::vector<LevelInfo>& LevelList()
{
    static std::vector<LevelInfo> list = [] {
        std::vector<LevelInfo> l;
        for (const Design& d : kDesigns) l.push_back({d.file, d.music});
        return l;
    }();
    return list;
}

bool WriteLevels(const OutputPaths& out)
{
    bool ok = true;
    int number = 0;
    for (const Design& d : kDesigns) {
        Builder b;
        b.level = number++;
        if (d.rows[0] == kMazeMarker) {
            BuildMaze(b.grid);
        } else {
            for (int r = 0; r < kRows; ++r) {
                if (!d.rows[r] || std::strlen(d.rows[r]) != kCols) {
                    std::fprintf(stderr, "%s: row %d is not %d cells wide\n", d.file, r, kCols);
                    return false;
                }
                std::memcpy(b.grid[r], d.rows[r], kCols + 1);
            }
        }
        int startX = 0, startY = 0;
        if (!b.Convert(startX, startY)) {
            std::fprintf(stderr, "%s: %s\n", d.file, b.problem.c_str());
            ok = false;
            continue;
        }
        std::string why = CheckLevel(b.cells, startX, startY);
        if (!why.empty()) {
            std::fprintf(stderr, "%s: %s\n", d.file, why.c_str());
            ok = false;
            continue;
        }
        Map map;
        map.title = d.title;
        map.author = d.author;
        map.cloudCount = static_cast<uint16_t>(d.clouds);
        map.timeLimit = static_cast<uint16_t>(d.seconds);
        map.startX = static_cast<uint16_t>(startX);
        map.startY = static_cast<uint16_t>(startY);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) map.cells[r * kCols + c] = b.cells[r][c];
        std::string path = out.Base(std::string("maps/") + d.file);
        if (!MakeFoldersFor(path) || !map.Save(path.c_str())) {
            std::fprintf(stderr, "Unable to write %s: %s\n", path.c_str(), map.lastError.c_str());
            ok = false;
        }
    }

    // game.ini: the level list and the music of the menus and each level
    std::string ini = "[music]\nMenuMusic=music/menu.mod\nCreditsMusic=music/credits.mod\n\n[info]\n";
    ini += "MapsCount=" + std::to_string(LevelList().size()) + "\n";
    for (size_t i = 0; i < LevelList().size(); ++i) {
        ini += "\n[map" + std::to_string(i) + "]\n";
        ini += std::string("map=") + LevelList()[i].file + "\n";
        ini += std::string("music=") + LevelList()[i].music + "\n";
    }
    ok = WriteTextFile(out.Base("game.ini"), ini) && ok;
    return ok;
}
