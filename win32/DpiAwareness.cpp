#include "win32/DpiAwareness.h"

#include "win32/Handles.h"
#include "win32/SystemFunctions.h"

namespace platform::win32 {

namespace {

// Looked up at run time: the first exists from Windows 10 1703, the second from 8.1 (in shcore,
// which older systems lack). Wine 8 has both but refuses the first.
using SetContextFunction = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
using SetAwarenessFunction = HRESULT(WINAPI*)(int);
constexpr int ProcessPerMonitorDpiAware = 2;

}

DpiAwareness EnableDpiAwareness()
{
    auto const setContext = LookUpUser32<SetContextFunction>("SetProcessDpiAwarenessContext");
    if (setContext && setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2))
        return DpiAwareness::PerMonitorV2;

    {
        // Loaded for this one look-up, freed afterwards.
        OwnedLibrary const shcore(LoadLibraryW(L"shcore.dll"));
        auto const setAwareness = LookUp<SetAwarenessFunction>(shcore.Get(), "SetProcessDpiAwareness");
        // E_ACCESSDENIED: awareness was set before (by a manifest, or an earlier call).
        if (setAwareness && SUCCEEDED(setAwareness(ProcessPerMonitorDpiAware)))
            return DpiAwareness::PerMonitor;
    }

    return SetProcessDPIAware() ? DpiAwareness::System : DpiAwareness::None;
}

}
