#pragma once
// Where the web browser control tells what its page does (DWebBrowserEvents2), and where the page
// is held in its box: it never goes anywhere but to the address the box asked for. A link the
// user follows, in the box or in a new window, is cancelled; a web link among them is handed on
// to be opened in the user's own browser, any other scheme (file:, javascript:, ...) is dropped.
// A download of anything but a document is cancelled, and a failed load shows no error page.
// Arguments come as the control sends them; one of an unexpected type is taken for nothing, and
// in doubt a navigation or a download is cancelled. Internal to win32 (includes <windows.h>).

#include <windows.h>
#include <oaidl.h>

#include <string>

namespace platform::win32 {

// What the box learns from the events.
class WebPageNavigation {
public:
    virtual ~WebPageNavigation() = default;
    // A web link the user followed in the page.
    virtual void OpenLink(std::string const& link) = 0;
    // The page asked for has loaded, or has failed (no network, an error status, cancelled).
    virtual void PageLoaded() = 0;
    virtual void PageFailed() = 0;
};

class WebPageEvents final : public IDispatch {
public:
    // Starts with one reference, the caller's.
    explicit WebPageEvents(WebPageNavigation& navigation);
    WebPageEvents(WebPageEvents const&) = delete;
    WebPageEvents& operator=(WebPageEvents const&) = delete;

    // The browser whose own page the box shows; events of any other (a frame) only get cancelled.
    // Kept to compare with, not to call: it holds no reference.
    void SetBrowser(IUnknown* browser);
    // The box is about to send its page to a web address, or has failed to: when it is, the next
    // navigation of its own page to a web address goes ahead, once, and the document that loads
    // after it is the page.
    void ExpectNavigation(bool expected);
    // The box is going: events from here on change nothing but their cancel flag.
    void Detach() { m_navigation = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
        VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

private:
    ~WebPageEvents() = default;
    bool IsOwnBrowser(VARIANT const* argument) const;
    void LinkFollowed(std::string const& link);

    ULONG m_references = 1;
    WebPageNavigation* m_navigation = nullptr;
    IUnknown* m_browser = nullptr;
    // A navigation asked for and not yet begun; the page asked for has failed.
    bool m_expecting = false;
    bool m_failed = false;
};

}
