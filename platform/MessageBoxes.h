#pragma once
// The few message boxes the program shows: a notice with an OK button and the start-up question
// with OK and Cancel, both titled "提示". Each waits for the user while events go on being served.

#include <string_view>

namespace platform {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // owner: the window (an HWND) the box belongs to, or null.
    virtual void ShowNotice(std::string_view text, void* owner) = 0;
    // True when the user chose OK.
    virtual bool AskOkCancel(std::string_view question, void* owner) = 0;
};

}
