#pragma once
// The page engine's security questions, asked before the system's own answers (the web page box's
// site offers it as a service): every address that is not http or https lies in the restricted
// zone and may do nothing, fetching included, so no file: address and no \\host\share path is
// ever opened by a page. Web addresses are left to the system.
// Internal to win32 (includes <windows.h>).

#include <windows.h>
#include <urlmon.h>

namespace platform::win32 {

class WebPageSecurity final : public IInternetSecurityManager {
public:
    // Starts with one reference, the caller's.
    WebPageSecurity() = default;
    WebPageSecurity(WebPageSecurity const&) = delete;
    WebPageSecurity& operator=(WebPageSecurity const&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IInternetSecurityManager
    HRESULT STDMETHODCALLTYPE SetSecuritySite(IInternetSecurityMgrSite* site) override;
    HRESULT STDMETHODCALLTYPE GetSecuritySite(IInternetSecurityMgrSite** site) override;
    HRESULT STDMETHODCALLTYPE MapUrlToZone(LPCWSTR url, DWORD* zone, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE GetSecurityId(LPCWSTR url, BYTE* id, DWORD* size, DWORD_PTR reserved) override;
    HRESULT STDMETHODCALLTYPE ProcessUrlAction(LPCWSTR url, DWORD action, BYTE* policy, DWORD policySize,
        BYTE* context, DWORD contextSize, DWORD flags, DWORD reserved) override;
    HRESULT STDMETHODCALLTYPE QueryCustomPolicy(LPCWSTR url, REFGUID key, BYTE** policy, DWORD* policySize,
        BYTE* context, DWORD contextSize, DWORD reserved) override;
    HRESULT STDMETHODCALLTYPE SetZoneMapping(DWORD zone, LPCWSTR pattern, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE GetZoneMappings(DWORD zone, IEnumString** patterns, DWORD flags) override;

private:
    ~WebPageSecurity() = default;

    ULONG m_references = 1;
};

}
