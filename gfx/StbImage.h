#pragma once
// stb_image (Debian's libstb-dev) as this program builds it: only the four formats pictures and
// skins come in, decoding from memory only (files are read by ImageDecoder.cpp, which handles
// UTF-8 paths), and no side longer than the program accepts. Included by gfx/ alone.

#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
// Must equal gfx::MaxImageSide; ImageDecoder.cpp checks that.
#define STBI_MAX_DIMENSIONS 16384

#include <stb/stb_image.h>
