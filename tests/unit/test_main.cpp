// Unit test entry: Allegro's system (no display) is brought up once.
#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include "content/picturefile.h"
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!al_init()) return 2;
    al_init_image_addon();
    RegisterPictureFormats();
    al_init_primitives_addon();
    return RUN_ALL_TESTS();
}
