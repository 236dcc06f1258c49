// Where text stands: the logical window it is laid out in at the text scale, the projection that
// draws a logical pixel over `scale` pixels of the window's buffer, and the places that follow the
// window's size.
#include "overlay/text_layout.h"

int logicalPixels(int bufferPixels, double scale) {
    return static_cast<int>(bufferPixels / scale);
}

TextProjection textProjection(int bufferWidth, int bufferHeight, double scale) {
    const int logicalHeight = logicalPixels(bufferHeight, scale);
    // The buffer's bottom edge lies below the logical window's by the truncated fraction.
    return {0, bufferWidth / scale, logicalHeight - bufferHeight / scale,
            static_cast<double>(logicalHeight)};
}

short frameRateX(int width) {
    return static_cast<short>(width - frameRateFromRight);
}

short errorLineX(int width) {
    return static_cast<short>(static_cast<int>(width * 0.4));
}

TitlePlace titlePlace(int width, int height) {
    return {static_cast<short>(static_cast<int>(width * 0.1)),
            static_cast<short>(static_cast<int>(height * 0.2))};
}
