// The image files the program reads at start-up, by texture slot: the font sheet, then the five
// pictures. The only list of them: the build, the image generator and the scripts read it here.
#pragma once

constexpr int imageFileCount = 6;

inline constexpr const char* textureFiles[imageFileCount] = {
    "font.bmp",    "wood128.bmp",         "metalplate128.bmp",
    "fisheye.bmp", "brasstarnish128.bmp", "monacolor128.bmp",
};
