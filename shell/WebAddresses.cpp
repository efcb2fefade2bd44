#include "shell/WebAddresses.h"

#ifndef PICKER_WEB_BASE
#error "the build names the maker's web address in PICKER_WEB_BASE"
#endif

namespace shell {

namespace {

std::string Under(char const* path) { return std::string(PICKER_WEB_BASE) + path; }

}

std::string TickerPageAddress() { return Under("/colourpicker/ticker.txt"); }
std::string PicturePageAddress() { return Under("/colourpicker/picture.html"); }
std::string HomePageAddress() { return Under("/"); }

}
