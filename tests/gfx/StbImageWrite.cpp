// The tests make their PNG and JPEG files with stb_image_write; its code is compiled here, without
// our warning flags (see tests/CMakeLists.txt).

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>
