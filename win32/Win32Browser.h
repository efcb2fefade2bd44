#pragma once
// Web links handed to the system, which opens them in the user's default browser.

#include "platform/Browser.h"

namespace platform::win32 {

class Win32Browser final : public Browser {
protected:
    bool OpenWebLink(std::string_view link) override;
};

}
