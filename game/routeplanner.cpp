// The mowing route planner: a breadth-first search over the positions the
// mower can hold, driven leg by leg with the game's MoveMower, UpdateMowerCells
// and MowCells on a play state of its own.
#include "game/routeplanner.h"

#include "content/map.h"
#include "content/sprite.h"
#include "game/playstate.h"

#include <algorithm>
#include <memory>

namespace {

// The mower drives along the axes 3 pixels a frame, so from its start it
// stays on a lattice of 3-pixel steps; the planner searches that lattice.
constexpr int kStep = 3;
constexpr int kDirections = 4;
constexpr int kDi[kDirections] = {0, 1, 0, -1};
constexpr int kDj[kDirections] = {-1, 0, 1, 0};
constexpr float kHeading[kDirections] = {0, 64, 128, 192};  // up, right, down, left
constexpr uint8_t kAllExits = 0x0F;

int FloorDiv(int value, int divisor) { return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor); }

// ---------------------------------------------------------------------------
// [SECTION] The lattice

struct Lattice {
    // Every place on the start's lattice where the mower's box could lie
    // inside the field, and one step round it (a start there can still step in).
    Lattice(const PlayState& state, const PixelBox& mower, int startX, int startY)
    {
        originX = LowPoint(startX, -mower.left - kStep);
        originY = LowPoint(startY, -mower.top - kStep);
        columns = std::max(0, (kFieldWidth - mower.right + kStep - originX) / kStep + 1);
        rows = std::max(0, (kFieldHeight - mower.bottom + kStep - originY) / kStep + 1);

        const size_t count = static_cast<size_t>(columns) * rows;
        passable.assign(count, 0);
        covered.assign(count, CellRect{});
        for (int j = 0; j < rows; ++j)
            for (int i = 0; i < columns; ++i) {
                const PixelBox box = BoxAt(mower, X(i), Y(j));
                passable[Index(i, j)] = IsAreaPassable(state, box.left, box.top, box.right, box.bottom, kPassCells);
                covered[Index(i, j)] = PixelRectToCells(box.left, box.top, box.right, box.bottom);
            }
    }

    bool Contains(int i, int j) const { return i >= 0 && j >= 0 && i < columns && j < rows; }
    // The lattice point at or below low, on the start's lattice.
    static int LowPoint(int start, int low) { return start - kStep * FloorDiv(start - low + kStep - 1, kStep); }

    int Index(int i, int j) const { return j * columns + i; }
    double X(int i) const { return originX + kStep * i; }
    double Y(int j) const { return originY + kStep * j; }

    int originX = 0, originY = 0, columns = 0, rows = 0;
    std::vector<uint8_t> passable;
    std::vector<CellRect> covered;  // the cells the mower's box touches there
};

bool CoversUncutGrass(const PlayState& state, const Lattice& lattice, int node)
{
    const CellRect& cells = lattice.covered[node];
    for (int r = cells.firstRow; r <= cells.lastRow; ++r)
        for (int c = cells.firstColumn; c <= cells.lastColumn; ++c)
            if (state.cutFlags[r][c] == 0 && CellType(state.map, c, r) == TileGrass) return true;
    return false;
}

// The moves the game's own movement completes from the start onto the next
// lattice point. From a start the mower fits at, every move to a point it
// fits at is complete; from one it does not fit at (a start on a wall), only
// a move that gets out within its first pixel is, and one that stops part
// of the way would leave the lattice. Far off the field it cannot move.
uint8_t StartExits(PlayState& state, const PixelBox& mower, const Lattice& lattice, int startI, int startJ)
{
    if (!lattice.Contains(startI, startJ)) return 0;
    if (lattice.passable[lattice.Index(startI, startJ)]) return kAllExits;
    uint8_t exits = 0;
    for (int d = 0; d < kDirections; ++d) {
        state.mowerX = static_cast<float>(lattice.X(startI));
        state.mowerY = static_cast<float>(lattice.Y(startJ));
        state.targetHeading = kHeading[d];
        state.speed = 3.0f;
        MoveMower(state, mower);
        if (state.mowerX == lattice.X(startI + kDi[d]) && state.mowerY == lattice.Y(startJ + kDj[d]))
            exits |= static_cast<uint8_t>(1 << d);
    }
    state.mowerX = static_cast<float>(lattice.X(startI));
    state.mowerY = static_cast<float>(lattice.Y(startJ));
    state.speed = 0.0f;
    return exits;
}

// ---------------------------------------------------------------------------
// [SECTION] The search

class RouteSearch {
public:
    RouteSearch(const PlayState& state, const Lattice& lattice)
        : state(state), lattice(lattice), from(lattice.passable.size(), -1), how(lattice.passable.size(), -1),
          seen(lattice.passable.size(), 0)
    {
        queue.reserve(lattice.passable.size());
    }

    // Breadth-first to the nearest point where the mower cuts something: the
    // directions to drive there, or none when nothing is left in reach.
    // exits limits the first move.
    std::vector<int8_t> PathToNearestGrass(int start, uint8_t exits)
    {
        // A search marks what it reached with its own number: nothing to clear
        // between the legs, which mostly end a few steps away.
        ++search;
        queue.clear();
        from[start] = start;
        seen[start] = search;
        queue.push_back(start);
        for (size_t head = 0; head < queue.size(); ++head) {
            const int node = queue[head];
            if (node != start && CoversUncutGrass(state, lattice, node)) return PathTo(start, node);
            const int ni = node % lattice.columns, nj = node / lattice.columns;
            for (int d = 0; d < kDirections; ++d) {
                if (node == start && !(exits & (1 << d))) continue;
                const int ti = ni + kDi[d], tj = nj + kDj[d];
                if (ti < 0 || tj < 0 || ti >= lattice.columns || tj >= lattice.rows) continue;
                const int next = lattice.Index(ti, tj);
                if (seen[next] == search || !lattice.passable[next]) continue;
                seen[next] = search;
                from[next] = node;
                how[next] = static_cast<int8_t>(d);
                queue.push_back(next);
            }
        }
        return {};
    }

private:
    std::vector<int8_t> PathTo(int start, int node) const
    {
        std::vector<int8_t> path;
        for (int at = node; at != start; at = from[at]) path.push_back(how[at]);
        std::reverse(path.begin(), path.end());
        return path;
    }

    const PlayState& state;
    const Lattice& lattice;
    std::vector<int> from;
    std::vector<int8_t> how;
    std::vector<uint32_t> seen;
    uint32_t search = 0;
    std::vector<int> queue;
};

}  // namespace

// ---------------------------------------------------------------------------
// [SECTION] Planning

RoutePlan PlanMowingRoute(const Map& map, const Sprite& mower)
{
    // A state of the planner's own with the map's cells and tile types: the
    // rules read nothing else of a map. Held on the heap for its tile set's size.
    const auto owned = std::make_unique<PlayState>();
    PlayState& state = *owned;
    state.map.cells = map.cells;
    for (int i = 0; i < Tileset::kTileCount; ++i) state.map.tileSet.tiles[i].type = map.tileSet.tiles[i].type;
    const PixelBox box = CollisionBoxOf(mower);
    RoutePlan plan;

    // Set up as a level starts, then the first frame's cut where it stands.
    int width = 0, height = 0;
    mower.GetSize(width, height);
    const int startX = map.startX - width / 2, startY = map.startY - height / 2;
    state.mowerX = static_cast<float>(startX);
    state.mowerY = static_cast<float>(startY);
    CountGrass(state);
    UpdateMowerCells(state, box);
    MowCells(state);
    plan.grassTotal = state.grassTotal;

    const Lattice lattice(state, box, startX, startY);
    int i = FloorDiv(startX - lattice.originX, kStep), j = FloorDiv(startY - lattice.originY, kStep);
    uint8_t exits = StartExits(state, box, lattice, i, j);
    plan.mowerStuck = exits == 0;

    // Every leg ends with a cut, so this stops after at most one leg a cell.
    RouteSearch search(state, lattice);
    while (exits != 0 && state.cutCount < state.grassTotal) {
        const std::vector<int8_t> path = search.PathToNearestGrass(lattice.Index(i, j), exits);
        if (path.empty()) break;
        for (int8_t d : path) {
            state.targetHeading = kHeading[d];
            state.speed = 3.0f;
            MoveMower(state, box);
            UpdateMowerCells(state, box);
            MowCells(state);
            ++plan.frames;
            i += kDi[d];
            j += kDj[d];
        }
        if (state.mowerX != lattice.X(i) || state.mowerY != lattice.Y(j)) {
            plan.leftRoute = true;
            break;
        }
        exits = kAllExits;  // the start is left behind for good
    }
    if (plan.mowerStuck && state.grassTotal == state.cutCount) plan.mowerStuck = false;

    for (int r = 0; r < kFieldRows; ++r)
        for (int c = 0; c < kFieldColumns; ++c)
            if (state.cutFlags[r][c] == 0 && CellType(state.map, c, r) == TileGrass)
                plan.unreachableCells.push_back(r * kFieldColumns + c);
    return plan;
}
