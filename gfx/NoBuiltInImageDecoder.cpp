// The Windows build carries no decoder of its own: the program installs the system's.

#include "gfx/ImageDecoder.h"

namespace gfx {

ImageDecoder const* BuiltInImageDecoder() { return nullptr; }

}
