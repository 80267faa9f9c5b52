// The map editor's Check Map: the game's mower driven over the map by the
// route planner, the report, the marks on the grass it cannot reach; and the
// grid lines over the map view.
#include "editors/mapeditor.h"

#include "game/resources.h"
#include "kwui/dialogs.h"

#include <allegro5/allegro_primitives.h>

RoutePlan MapEditor::CheckReachableGrass()
{
    RoutePlan plan = PlanMowingRoute(map, gResources.mowerSprite);
    unreachableMarks = plan.unreachableCells;
    return plan;
}

void MapEditor::CheckMap()
{
    const RoutePlan plan = CheckReachableGrass();
    KW_ShowMessage("%s", MapCheckReport(plan, map.timeLimit).c_str());
}

void DrawMapGrid(MapViewOrigin origin)
{
    // Dark and half see-through, so both light and dark tiles show it.
    const ALLEGRO_COLOR line = al_map_rgba(0, 0, 0, 110);
    const float left = origin.x, top = origin.y;
    const float right = left + kMapViewWidth, bottom = top + kMapViewHeight;
    for (int column = 1; column < Map::kColumns; ++column) {
        const float x = left + column * Map::kCellSize + 0.5f;
        al_draw_line(x, top, x, bottom, line, 1.0f);
    }
    for (int row = 1; row < Map::kRows; ++row) {
        const float y = top + row * Map::kCellSize + 0.5f;
        al_draw_line(left, y, right, y, line, 1.0f);
    }
}

void DrawUnreachableMarks(const std::vector<int>& cells, MapViewOrigin origin)
{
    // A red frame and cross, inset so that neighbouring marks stay apart.
    const ALLEGRO_COLOR red = al_map_rgb(255, 0, 0);
    for (int index : cells) {
        const float x = origin.x + (index % Map::kColumns) * Map::kCellSize;
        const float y = origin.y + (index / Map::kColumns) * Map::kCellSize;
        al_draw_rectangle(x + 2.5f, y + 2.5f, x + Map::kCellSize - 2.5f, y + Map::kCellSize - 2.5f, red, 3.0f);
        al_draw_line(x + 7, y + 7, x + Map::kCellSize - 7, y + Map::kCellSize - 7, red, 3.0f);
        al_draw_line(x + Map::kCellSize - 7, y + 7, x + 7, y + Map::kCellSize - 7, red, 3.0f);
    }
}
