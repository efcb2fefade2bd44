#pragma once
// Names for the system's own accessible objects of native child windows. An edit or a combo box
// has no name of its own, so a screen reader says only "edit"; the name of the label placed
// before it is given to its object as an annotation. Opaque handles only.

#include <memory>
#include <string>

namespace platform::win32 {

class ChildNames {
public:
    virtual ~ChildNames() = default;
    // child: an HWND. False when the system cannot name windows at all; the caller stops asking.
    virtual bool Name(void* child, std::wstring const& name) = 0;
};

// Through IAccPropServices (Windows 7 and later), with COM on the calling thread; null where the
// system has no such service.
std::unique_ptr<ChildNames> SystemChildNames();

}
