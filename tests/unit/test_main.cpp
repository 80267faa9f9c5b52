// Unit test entry: Allegro comes up once; every test starts from a fresh toolkit record.
#include "kwui/context.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include "content/picturefile.h"
#include <gtest/gtest.h>

namespace {
class FreshToolkit : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { KW_ResetContext(); }
};
}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshToolkit);
    if (!al_init()) return 2;
    al_init_image_addon();
    RegisterPictureFormats();
    al_init_primitives_addon();
    return RUN_ALL_TESTS();
}
