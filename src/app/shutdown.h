// The release of resources on the way out.
#pragma once

// Deletes the star field's display list and every loaded texture.
void releaseResources();
