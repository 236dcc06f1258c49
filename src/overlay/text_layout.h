// Where text stands: the logical window it is laid out in at the text scale, the projection that
// draws a logical pixel over `scale` pixels of the window's buffer, and the places that follow the
// window's size.
#pragma once

// How far left of the window's right edge the frame-rate readout starts.
constexpr int frameRateFromRight = 120;

// The size in logical pixels of `bufferPixels` at text scale `scale`, truncated to whole logical
// pixels: a buffer 1024 pixels wide is 512 wide at scale 2 and 682 at scale 1.5.
int logicalPixels(int bufferPixels, double scale);

// The edges of the orthographic projection that text is drawn under, in a buffer of bufferWidth x
// bufferHeight at `scale`: one unit is one logical pixel, `scale` buffer pixels wide. The logical
// window's top-left corner is the buffer's, so that a place x logical pixels from the left and y
// below the top lands x * scale and y * scale buffer pixels from them. At scale 1 these are the
// buffer's own edges, 0 to its width and 0 to its height.
struct TextProjection {
    double left, right, bottom, top;
};
TextProjection textProjection(int bufferWidth, int bufferHeight, double scale);

// x of the frame-rate readout and of the OpenGL error line in a window `width` logical pixels wide.
short frameRateX(int width);
short errorLineX(int width);

// The title's place before its jitter, in a window of `width` x `height` logical pixels.
struct TitlePlace {
    short x, y;
};
TitlePlace titlePlace(int width, int height);
