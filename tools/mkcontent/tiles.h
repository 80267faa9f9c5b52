// Tile numbers of the game tile set, shared by the tile painter and the level
// designs.
#pragma once

namespace tiles {
// Grass (mowed)
constexpr int kGrass = 0, kGrassLong = 1, kGrassDaisies = 2, kGrassShade = 3, kGrassClover = 4, kGrassSunny = 5;
// Land (driven over, nothing to mow)
constexpr int kEarth = 16, kGravel = 17, kFlagstones = 18, kPaving = 19, kBridgeAcross = 20, kBridgeDown = 21,
              kFlowerBed = 22, kRoseBed = 23, kTulipBed = 24;
// Solid
constexpr int kBoulder = 32, kPebbles = 33, kHedge = 34, kBrickWall = 35, kStoneWall = 36, kStump = 37, kBush = 38,
              kGnome = 39, kBirdBath = 40, kFlowerPot = 41;
constexpr int kFenceAcross = 48, kFenceDown = 49, kFenceTopLeft = 50, kFenceTopRight = 51, kFenceBottomLeft = 52,
              kFenceBottomRight = 53, kFencePost = 54;
constexpr int kTreeTopLeft = 56, kTreeTopRight = 57, kTreeBottomLeft = 58, kTreeBottomRight = 59;
constexpr int kShedTopLeft = 60, kShedTopRight = 61, kShedBottomLeft = 62, kShedBottomRight = 63;
// Water
constexpr int kWater = 64, kShoreN = 65, kShoreS = 66, kShoreW = 67, kShoreE = 68, kShoreNW = 69, kShoreNE = 70,
              kShoreSW = 71, kShoreSE = 72, kLilyPad = 73;
// The picture of a cut Grass cell (Land).
constexpr int kMown = 1023;
}  // namespace tiles
