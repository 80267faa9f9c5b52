// Par times and stars: the route planner's time for a level, kept per map
// file contents, and the stars a winning time earns against it.
#pragma once

#include <string>

class Map;
class Sprite;

// A win within par x 1.25 earns 3 stars, within par x 1.6 2 stars, else 1.
// The help text names the same factors.
constexpr double kThreeStarParFactor = 1.25;
constexpr double kTwoStarParFactor = 1.6;

// Stars (1 to 3) for a level won in seconds against its par.
int StarsForTime(double seconds, double parSeconds);

// The planner's route time for the map, in seconds rounded up to a tenth, at
// least a tenth. fileBytes (the map file as read) keys the cache: the same
// contents are planned once per run of the program.
double ParSeconds(const std::string& fileBytes, const Map& map, const Sprite& mower);
// The same, reading the map file at path for the key ("" for a file that
// cannot be read: planned every time).
double LevelParSeconds(const std::string& mapPath, const Map& map, const Sprite& mower);
void ClearParCache();
