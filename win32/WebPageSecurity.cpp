#include "win32/WebPageSecurity.h"

#include "platform/Browser.h"
#include "win32/Unicode.h"

#include <cstring>

namespace platform::win32 {

namespace {

bool IsWebAddress(LPCWSTR url) { return url && IsWebLink(Narrow(url)); }

}

HRESULT WebPageSecurity::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IInternetSecurityManager) {
        *object = static_cast<IInternetSecurityManager*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG WebPageSecurity::AddRef() { return ++m_references; }

ULONG WebPageSecurity::Release()
{
    ULONG const left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

HRESULT WebPageSecurity::SetSecuritySite(IInternetSecurityMgrSite*) { return INET_E_DEFAULT_ACTION; }

HRESULT WebPageSecurity::GetSecuritySite(IInternetSecurityMgrSite** site)
{
    if (site)
        *site = nullptr;
    return INET_E_DEFAULT_ACTION;
}

HRESULT WebPageSecurity::MapUrlToZone(LPCWSTR url, DWORD* zone, DWORD)
{
    if (IsWebAddress(url))
        return INET_E_DEFAULT_ACTION;
    if (!zone)
        return E_POINTER;
    *zone = URLZONE_UNTRUSTED;
    return S_OK;
}

HRESULT WebPageSecurity::GetSecurityId(LPCWSTR, BYTE*, DWORD*, DWORD_PTR) { return INET_E_DEFAULT_ACTION; }

HRESULT WebPageSecurity::ProcessUrlAction(LPCWSTR url, DWORD, BYTE* policy, DWORD policySize, BYTE*, DWORD, DWORD,
    DWORD)
{
    if (IsWebAddress(url))
        return INET_E_DEFAULT_ACTION;
    if (policy && policySize >= sizeof(DWORD)) {
        DWORD const disallow = URLPOLICY_DISALLOW;
        std::memcpy(policy, &disallow, sizeof disallow);
    }
    return S_FALSE;
}

HRESULT WebPageSecurity::QueryCustomPolicy(LPCWSTR url, REFGUID, BYTE** policy, DWORD* policySize, BYTE*, DWORD,
    DWORD)
{
    if (policy)
        *policy = nullptr;
    if (policySize)
        *policySize = 0;
    return IsWebAddress(url) ? INET_E_DEFAULT_ACTION : E_ACCESSDENIED;
}

HRESULT WebPageSecurity::SetZoneMapping(DWORD, LPCWSTR, DWORD) { return INET_E_DEFAULT_ACTION; }

HRESULT WebPageSecurity::GetZoneMappings(DWORD, IEnumString** patterns, DWORD)
{
    if (patterns)
        *patterns = nullptr;
    return INET_E_DEFAULT_ACTION;
}

}
