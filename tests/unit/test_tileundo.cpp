// The tile editor's undo steps: only changed tiles are kept, and a step and its reverse put everything back.
#include "content/tileset.h"
#include "editors/tileops.h"
#include "editors/tileundo.h"
#include "editors/undohistory.h"

#include "content_testing.h"

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class TileUndo : public ::testing::Test {
protected:
    void SetUp() override { tileset->New(); }
    ALLEGRO_BITMAP* Tile(int index) { return tileset->GetTileImage(index); }
    Rgba At(int index, int x, int y) { return PixelOf(Tile(index), x, y); }
    std::unique_ptr<Tileset> tileset = std::make_unique<Tileset>();
};

TEST_F(TileUndo, OnlyTilesThatChangedAreKeptAndTypeDescriptionAndSetDescriptionComeBack)
{
    UndoHistory<TileEditStep> history;
    const std::vector<TileSnapshot> before = CaptureAllTiles(*tileset);
    FlipTile(Tile(1));  // all black: flipping changes no pixel
    tileset->tiles[2].description = "(none)";
    RecordTileChange(history, *tileset, before, tileset->description);
    EXPECT_FALSE(history.CanUndo()) << "a change that changed nothing is no step";

    tileset->tiles[3].type = TileWater;
    tileset->tiles[700].description = "Pond";
    PaintTilePixel(Tile(1023), 31, 31, al_map_rgb(1, 2, 3));
    tileset->description = "Garden";
    RecordTileChange(history, *tileset, before, "");
    ASSERT_EQ(history.UndoCount(), 1u);
    const TileEditStep step = StepForChangedTiles(before, CaptureAllTiles(*tileset), "");
    ASSERT_EQ(step.tiles.size(), 3u) << "of 1024 tiles only the three that changed are kept";
    EXPECT_EQ(step.tiles[2].index, 1023);

    const TileEditStep redo = ApplyTileEditStep(*tileset, step);
    EXPECT_EQ(tileset->tiles[3].type, TileLand);
    EXPECT_EQ(tileset->tiles[700].description, "(none)");
    EXPECT_EQ(At(1023, 31, 31), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(tileset->description, "");
    EXPECT_EQ(TileToShowAfterStep(step, 700), 700) << "a tile the step touched stays in view";

    ApplyTileEditStep(*tileset, redo);
    EXPECT_EQ(tileset->tiles[3].type, TileWater);
    EXPECT_EQ(tileset->tiles[700].description, "Pond");
    EXPECT_EQ(At(1023, 31, 31), (Rgba{1, 2, 3, 255}));
    EXPECT_EQ(tileset->description, "Garden");
}

TEST_F(TileUndo, ASnapshotOfAnotherSizeGetsItsOwnPictureAndA32By32OneItsAtlasPlaceBack)
{
    PaintTilePixel(Tile(4), 0, 0, al_map_rgb(9, 9, 9));
    const TileSnapshot atlasTile = CaptureTile(*tileset, 4);
    TileSnapshot odd{};
    odd.index = 4;
    odd.width = 3;
    odd.height = 2;
    odd.pixels.assign(6, 0xff000000u);
    odd.pixels[5] = PackTilePixel(al_map_rgb(40, 50, 60));
    RestoreTile(*tileset, odd);
    ASSERT_EQ(al_get_bitmap_width(Tile(4)), 3);
    EXPECT_EQ(At(4, 2, 1), (Rgba{40, 50, 60, 255}));

    RestoreTile(*tileset, atlasTile);
    ASSERT_EQ(al_get_bitmap_width(Tile(4)), 32);
    EXPECT_EQ(al_get_parent_bitmap(Tile(4)), tileset->GetAtlas());
    EXPECT_EQ(At(4, 0, 0), (Rgba{9, 9, 9, 255}));
}

}  // namespace
