// Every shipped level can be won: a route planner drives the game's own mower
// over each map of game.ini (no clouds) and cuts every grass cell within 70 %
// of the level's Normal time.
#include "app/paths.h"
#include "app/resources.h"
#include "game/playstate.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <vector>

namespace {

// The mower drives along the axes only, 3 pixels a frame, so from its start
// it stays on a lattice of 3-pixel steps; the planner searches that lattice.
constexpr int kStep = 3;

// Whether the mower fits at (x, y), and the cells its box covers there.
bool MowerFits(double x, double y, CellRect* cells = nullptr)
{
    int left, top, right, bottom;
    SpriteBoxAt(gResources.mowerSprite, x, y, left, top, right, bottom);
    if (cells) *cells = PixelRectToCells(left, top, right, bottom);
    return IsAreaPassable(left, top, right, bottom, kPassCells);
}

struct Lattice {
    // The origin is the first lattice point at or above -3, left and up of the start.
    Lattice(int startX, int startY)
        : originX(startX - kStep * ((startX + kStep) / kStep)), originY(startY - kStep * ((startY + kStep) / kStep)),
          columns((kFieldWidth - originX) / kStep + 1), rows((kFieldHeight - originY) / kStep + 1),
          passable(static_cast<size_t>(columns) * rows, 0)
    {
        for (int j = 0; j < rows; ++j)
            for (int i = 0; i < columns; ++i) passable[Index(i, j)] = MowerFits(X(i), Y(j));
    }
    int Index(int i, int j) const { return j * columns + i; }
    double X(int i) const { return originX + kStep * i; }
    double Y(int j) const { return originY + kStep * j; }

    int originX, originY, columns, rows;
    std::vector<uint8_t> passable;
};

bool CoversUncutGrass(double x, double y)
{
    CellRect cells;
    MowerFits(x, y, &cells);
    for (int r = cells.firstRow; r <= cells.lastRow; ++r)
        for (int c = cells.firstColumn; c <= cells.lastColumn; ++c)
            if (gPlay.cutFlags[r][c] == 0 && CellType(gPlay.map, c, r) == kTileGrass) return true;
    return false;
}

// Breadth-first search to the nearest lattice point that mows something: the
// headings to drive there, or none when nothing is left in reach.
std::vector<float> PathToNearestGrass(const Lattice& lattice, int i, int j)
{
    static const int kDi[4] = {0, 1, 0, -1}, kDj[4] = {-1, 0, 1, 0};
    static const float kHeading[4] = {0, 64, 128, 192};
    std::vector<int> from(lattice.passable.size(), -1);
    std::vector<int8_t> how(lattice.passable.size(), -1);
    std::deque<int> queue;
    const int start = lattice.Index(i, j);
    from[start] = start;
    queue.push_back(start);
    while (!queue.empty()) {
        const int node = queue.front();
        queue.pop_front();
        const int ni = node % lattice.columns, nj = node / lattice.columns;
        if (node != start && CoversUncutGrass(lattice.X(ni), lattice.Y(nj))) {
            std::vector<float> path;
            for (int at = node; at != start; at = from[at]) path.insert(path.begin(), kHeading[how[at]]);
            return path;
        }
        for (int d = 0; d < 4; ++d) {
            const int ti = ni + kDi[d], tj = nj + kDj[d];
            if (ti < 0 || tj < 0 || ti >= lattice.columns || tj >= lattice.rows) continue;
            const int next = lattice.Index(ti, tj);
            if (from[next] != -1 || !lattice.passable[next]) continue;
            from[next] = node;
            how[next] = static_cast<int8_t>(d);
            queue.push_back(next);
        }
    }
    return {};
}

// Drives the planned routes from the level's start; the frames it took.
int MowLevel()
{
    int width = 0, height = 0;
    gResources.mowerSprite.GetSize(width, height);
    gPlay.mowerX = static_cast<float>(gPlay.map.startX - width / 2);
    gPlay.mowerY = static_cast<float>(gPlay.map.startY - height / 2);
    gPlay.heading = gPlay.targetHeading = gPlay.speed = 0.0f;
    CountGrass();
    UpdateMowerCells();
    MowCells();

    const Lattice lattice(static_cast<int>(gPlay.mowerX), static_cast<int>(gPlay.mowerY));
    int i = static_cast<int>(gPlay.mowerX - lattice.originX) / kStep;
    int j = static_cast<int>(gPlay.mowerY - lattice.originY) / kStep;

    int frames = 0;
    while (gPlay.cutCount < gPlay.grassTotal && frames < 60 * 3600) {
        const std::vector<float> path = PathToNearestGrass(lattice, i, j);
        if (path.empty()) break;
        for (float heading : path) {
            gPlay.targetHeading = heading;
            gPlay.speed = 3.0f;
            MoveMower();
            UpdateMowerCells();
            MowCells();
            ++frames;
            if (heading == 0) --j;
            else if (heading == 64) ++i;
            else if (heading == 128) ++j;
            else --i;
        }
        EXPECT_EQ(gPlay.mowerX, lattice.X(i)) << "the mower left the planned route";
        EXPECT_EQ(gPlay.mowerY, lattice.Y(j));
    }
    return frames;
}

}  // namespace

TEST(GameLevels, EveryShippedLevelCanBeWonInSeventyPercentOfItsTime)
{
    gUseModFolder = false;
    gPlay.mapPaths.clear();
    gPlay.musicNames.clear();
    ASSERT_TRUE(LoadMapsList()) << GetGameError();
    ASSERT_TRUE(gResources.mowerSprite.Load(ResolveDataPath(std::string("sprites/mower.spr")).c_str()))
        << gResources.mowerSprite.lastError;

    for (size_t level = 0; level < gPlay.mapPaths.size(); ++level) {
        const std::string path = ResolveDataPath(gPlay.mapPaths[level]);
        if (!gPlay.map.Load(path.c_str())) {
            ADD_FAILURE() << gPlay.map.lastError;
            continue;
        }
        ASSERT_FALSE(gPlay.map.tileSetFile.empty()) << "the game tile set did not load";
        const double seconds = MowLevel() / 60.0;
        const double allowed = 0.7 * SkillTimeLimit(1, gPlay.map.timeLimit);
        EXPECT_EQ(gPlay.cutCount, gPlay.grassTotal) << path << ": grass out of reach";
        EXPECT_LE(seconds, allowed) << path << ": " << seconds << " s needed, " << allowed << " s allowed";
        std::printf("level %2zu %-28s %4d grass cells, %6.1f s of %5d s\n", level + 1, gPlay.map.title.c_str(),
                    gPlay.grassTotal, seconds, gPlay.map.timeLimit);
    }
    gPlay.map.tileSet.Unload();
    gPlay.map.loaded = false;
    gResources.mowerSprite.Clear();
    gPlay.mapPaths.clear();
    gPlay.musicNames.clear();
}
