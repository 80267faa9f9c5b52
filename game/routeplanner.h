// The mowing route planner: drives the game's own mower (movement, collision
// and mowing rules, no clouds) over a map from its start point, always to the
// nearest grass still uncut, and tells which grass it can never reach and how
// long the route takes. The shipped-level test and the map editor's Check Map
// both use it.
#pragma once

#include <vector>

class Map;
class Sprite;

struct RoutePlan {
    int grassTotal = 0;
    // Row-major indices (r * 25 + c) of the grass cells the mower never cuts.
    std::vector<int> unreachableCells;
    // Frames the planned route takes; the game runs 60 a second.
    int frames = 0;
    // The mower does not fit where it starts and no move gets it out.
    bool mowerStuck = false;
    // The mower did not end a leg where the plan said (never expected: the
    // plan only uses moves the game makes exactly).
    bool leftRoute = false;

    double Seconds() const { return frames / 60.0; }
    int UnreachableCount() const { return static_cast<int>(unreachableCells.size()); }
};

// Plans over the map's cells and tile types with the mower's frame size and
// collision box, on a play state of its own: a game's state is never touched.
RoutePlan PlanMowingRoute(const Map& map, const Sprite& mower);
