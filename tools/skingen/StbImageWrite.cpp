// stb_image_write (Debian's libstb-dev) for the skin generator; compiled apart without our
// warning flags, see CMakeLists.txt.

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>
