#pragma once
// The system's message boxes. Opaque handles only.

#include "platform/MessageBoxes.h"

namespace platform::win32 {

class Win32MessageBoxes final : public MessageBoxes {
public:
    void ShowNotice(std::string_view text, void* owner) override;
    bool AskOkCancel(std::string_view question, void* owner) override;
};

}
