// The release of resources on the way out.
#include "app/shutdown.h"

#include "app/globals.h"

#include <GL/gl.h>

void releaseResources() {
    starField.releaseStars();
    if (textureTable.count != 0) glDeleteTextures(textureTable.count, textureTable.names);
}
