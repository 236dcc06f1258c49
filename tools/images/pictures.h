// The five drawn pictures the program wraps over its gears, each 128 x 128 pixels.
#pragma once

#include "bmp_writer.h"

namespace tyvok::images {

constexpr int pictureSize = 128;

Image drawWood();          // warm brown grain with rings, fibres and a knot; tiles
Image drawMetalPlate();    // brushed grey plate with a border of rivets; tiles
Image drawBrassTarnish();  // golden brass with green and dark patina blotches; tiles
Image drawFisheyeStreet(); // a street with a checked pavement seen through a fisheye lens
Image drawPortrait();      // a woman in a dark dress before a hazy landscape, softly painted

} // namespace tyvok::images
