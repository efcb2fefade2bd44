#include "win32/ChildNames.h"

#include "win32/ComRef.h"

#include <windows.h>

#include <oleacc.h>

namespace platform::win32 {

namespace {

class AnnotatedNames final : public ChildNames {
public:
    explicit AnnotatedNames(ComRef<IAccPropServices> service)
        : m_service(std::move(service))
    {
    }

    bool Name(void* child, std::wstring const& name) override
    {
        HRESULT const result = m_service->SetHwndPropStr(static_cast<HWND>(child), static_cast<DWORD>(OBJID_CLIENT),
            CHILDID_SELF, PROPID_ACC_NAME, name.c_str());
        // Wine has the object but answers E_NOTIMPL to everything; any other failure is one window's.
        return result != E_NOTIMPL;
    }

private:
    ComRef<IAccPropServices> m_service;
};

}

std::unique_ptr<ChildNames> SystemChildNames()
{
    ComRef<IAccPropServices> service;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
            reinterpret_cast<void**>(service.Out())))
        || !service)
        return nullptr;
    return std::make_unique<AnnotatedNames>(std::move(service));
}

}
