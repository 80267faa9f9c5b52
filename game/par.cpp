// Par times from the route planner, cached by the map file's contents.
#include "game/par.h"

#include "game/routeplanner.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <unordered_map>

namespace {
std::unordered_map<std::string, double> gParCache;
}

int StarsForTime(double seconds, double parSeconds)
{
    // A hair of slack, so a time shown equal to the limit counts as within it.
    const double slack = 1e-9;
    if (seconds <= parSeconds * kThreeStarParFactor + slack) return 3;
    if (seconds <= parSeconds * kTwoStarParFactor + slack) return 2;
    return 1;
}

double ParSeconds(const std::string& fileBytes, const Map& map, const Sprite& mower)
{
    if (!fileBytes.empty()) {
        const auto found = gParCache.find(fileBytes);
        if (found != gParCache.end()) return found->second;
    }
    const RoutePlan plan = PlanMowingRoute(map, mower);
    const double par = std::max(1.0, std::ceil(plan.frames / 6.0)) / 10.0;
    if (!fileBytes.empty()) gParCache[fileBytes] = par;
    return par;
}

double LevelParSeconds(const std::string& mapPath, const Map& map, const Sprite& mower)
{
    std::ifstream in(mapPath, std::ios::binary);
    std::string bytes;
    if (in) bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return ParSeconds(bytes, map, mower);
}

void ClearParCache() { gParCache.clear(); }
