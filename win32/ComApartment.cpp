#include "win32/ComApartment.h"

#include <objbase.h>
#include <windows.h>

namespace platform::win32 {

ComApartment::ComApartment()
{
    HRESULT const result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    m_mustUninitialise = SUCCEEDED(result);
    // A thread already in the multithreaded apartment can still use COM from there.
    m_usable = m_mustUninitialise || result == RPC_E_CHANGED_MODE;
}

ComApartment::~ComApartment()
{
    if (m_mustUninitialise)
        CoUninitialize();
}

}
