// Every shipped level can be won by the route planner within 70 % of its Normal time.
#include "content/datapath.h"
#include "game/par.h"
#include "game/playstate.h"
#include "game/resources.h"
#include "game/routeplanner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

TEST(GameLevels, EveryShippedLevelCanBeWonInSeventyPercentOfItsTimeAndHasAParBelowItsLimit)
{
    ClearParCache();
    gUseModFolder = false;
    ASSERT_TRUE(LoadMapsList()) << GetGameError();
    ASSERT_TRUE(gResources.mowerSprite.Load(ResolveDataPath(std::string("sprites/mower.spr")).c_str()))
        << gResources.mowerSprite.lastError;
    for (size_t level = 0; level < gPlay.mapPaths.size(); ++level) {
        const std::string path = ResolveDataPath(gPlay.mapPaths[level]);
        Map map;
        ASSERT_TRUE(map.Load(path.c_str())) << map.lastError;
        ASSERT_FALSE(map.tileSetFile.empty()) << "the game tile set did not load";
        const auto started = std::chrono::steady_clock::now();
        const RoutePlan plan = PlanMowingRoute(map, gResources.mowerSprite);
        const double planSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        const double allowed = 0.7 * SkillTimeLimit(1, map.timeLimit);
        EXPECT_FALSE(plan.leftRoute) << path << ": the mower left the planned route";
        EXPECT_EQ(plan.UnreachableCount(), 0) << path << ": grass out of reach";
        EXPECT_LE(plan.Seconds(), allowed) << path << ": " << plan.Seconds() << " s needed, " << allowed << " s allowed";
        EXPECT_LT(planSeconds, 1.0) << path << ": planning is too slow for the editor's Check Map";
        const double par = LevelParSeconds(path, map, gResources.mowerSprite);
        EXPECT_NEAR(par, plan.Seconds(), 0.1) << path;
        EXPECT_LT(par, map.timeLimit) << path << ": par above the Normal limit";
        std::printf("level %2zu %-28s %6.1f s of %5d s (planned in %.3f s)\n", level + 1, map.title.c_str(),
                    plan.Seconds(), map.timeLimit, planSeconds);
    }
    gResources.mowerSprite.Clear();
    gPlay.mapPaths.clear();
    gPlay.musicNames.clear();
}
