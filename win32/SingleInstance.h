#pragma once
// One running copy per program folder. The copy that starts first holds the folder (its path.ini
// above all) until it ends; a later start from the same folder asks that copy to show its window
// and ends. Copies in different folders (two portable ones) run side by side.
//
// Both meet under a name made from the folder: its final path as the file system resolves it
// (junctions, drive letters, short names; a drive's root "P:" taken as "P:\"), upper-cased,
// hashed by the system's HashData. The installer works the same name out for its folder to find a
// running copy (installer/ColourPicker.nsi): change one, change both.
// Opaque handles only: including this header does not bring in <windows.h>.

#include "win32/MessageWindow.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace platform::win32 {

// "ColourPicker-" followed by 16 hexadecimal digits, for a folder given in UTF-8.
std::wstring InstanceName(std::string_view folder);

class SingleInstance {
public:
    explicit SingleInstance(std::string_view programFolder);
    ~SingleInstance();
    SingleInstance(SingleInstance const&) = delete;
    SingleInstance& operator=(SingleInstance const&) = delete;

    // True when this process now holds the folder. Otherwise another copy holds it: it has been
    // asked to show its window, or it never showed one within `patience` (still starting, or
    // waiting on its start-up question). A copy that ends meanwhile leaves the folder to this one.
    bool Claim(std::chrono::milliseconds patience = std::chrono::seconds(20));

    // From here on a later start reaches `show`, on this thread, from whatever pump runs. Call
    // it once the main window is up: until then a later start waits.
    void Listen(std::function<void()> show);
    // Before the main window goes: a later start then waits for this process to end.
    void StopListening() { m_listener.reset(); }

private:
    // Asks the copy that listens under the name to show itself; false when none answered.
    bool AskToShow() const;

    std::wstring m_name;
    void* m_mutex = nullptr;
    std::function<void()> m_show;
    std::unique_ptr<MessageWindow> m_listener;
};

}
