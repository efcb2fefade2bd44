#pragma once
// The maker's pages the program fetches or opens, all under one base address that the build
// chooses (PICKER_WEB_BASE), so that tests can point the program at a server of their own.

#include <string>

namespace shell {

std::string TickerPageAddress();
std::string PicturePageAddress();
std::string HomePageAddress();

}
