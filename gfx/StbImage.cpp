// The one place stb_image's code is compiled. It is not our code, so it is built without our
// warning flags (see gfx/CMakeLists.txt).

#define STB_IMAGE_IMPLEMENTATION
#include "gfx/StbImage.h"
