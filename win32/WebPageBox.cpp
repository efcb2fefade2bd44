#include "win32/WebPageBox.h"

#include "platform/Browser.h"
#include "win32/ComRef.h"
#include "win32/Unicode.h"
#include "win32/WebPageEvents.h"
#include "win32/WebPageSite.h"

#include <windows.h>
#include <exdisp.h>
#include <ocidl.h>

#include <utility>
#include <vector>

namespace platform::win32 {

namespace {

constexpr wchar_t WebPageBoxClass[] = L"ColourPickerWebPageBox";
// Posted to the box's window: open the links the page's events queued.
constexpr UINT OpenQueuedLinks = WM_APP + 1;

// What the box's window tells the box.
class BoxWindowEvents {
public:
    virtual ~BoxWindowEvents() = default;
    virtual void LinksQueued() = 0;
    // The window is being destroyed; its children still exist.
    virtual void Destroying() = 0;
    virtual void Gone() = 0;
};

LRESULT CALLBACK BoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto const* create = reinterpret_cast<CREATESTRUCTW const*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    if (auto* const box = reinterpret_cast<BoxWindowEvents*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
        switch (message) {
        case OpenQueuedLinks:
            box->LinksQueued();
            return 0;
        case WM_DESTROY:
            box->Destroying();
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            box->Gone();
            break;
        default:
            break;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

ATOM BoxClass()
{
    // Registered once for the process.
    static ATOM const atom = [] {
        WNDCLASSEXW windowClass {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &BoxProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = WebPageBoxClass;
        return RegisterClassExW(&windowClass);
    }();
    return atom;
}

// The box a window lies in (the box's own window or one of the control's inside it), if any.
HWND BoxAround(HWND window)
{
    ATOM const boxClass = BoxClass();
    HWND const desktop = GetDesktopWindow();
    for (HWND at = window; at && at != desktop; at = GetAncestor(at, GA_PARENT)) {
        if (static_cast<ATOM>(GetClassLongPtrW(at, GCW_ATOM)) == boxClass)
            return at;
    }
    return nullptr;
}

// Every message this thread takes from its queue passes here first. A key meant for a box goes to
// the window the box sits in instead, and that window takes the focus back: the page never holds
// the keyboard, and Tab or any key of the window's own works as if the box had not been clicked.
LRESULT CALLBACK KeysToWindow(int code, WPARAM removal, LPARAM lParam)
{
    if (code == HC_ACTION && removal == PM_REMOVE) {
        auto* const message = reinterpret_cast<MSG*>(lParam);
        if (message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST) {
            if (HWND const box = BoxAround(message->hwnd)) {
                HWND const window = GetParent(box);
                message->hwnd = window;
                if (GetFocus() != window)
                    SetFocus(window);
            }
        }
    }
    return CallNextHookEx(nullptr, code, removal, lParam);
}

RECT ToRect(gfx::Rect rect) { return { rect.x, rect.y, rect.Right(), rect.Bottom() }; }

// OLE on this thread for as long as this lives: in-place activation, drag and drop and the
// clipboard of an embedded control need it, not only COM.
class OleSession {
public:
    OleSession()
        : m_joined(SUCCEEDED(OleInitialize(nullptr)))
    {
    }
    ~OleSession()
    {
        if (m_joined)
            OleUninitialize();
    }
    OleSession(OleSession const&) = delete;
    OleSession& operator=(OleSession const&) = delete;

    bool Joined() const { return m_joined; }

private:
    bool m_joined;
};

}

class WebPageBox::Host final : public WebPageNavigation, private BoxWindowEvents {
public:
    explicit Host(LinkOpener openLink)
        : m_openLink(std::move(openLink))
    {
    }

    ~Host() override
    {
        CloseControl();
        if (m_window) {
            SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
            DestroyWindow(std::exchange(m_window, nullptr));
        }
        if (m_keys)
            UnhookWindowsHookEx(m_keys);
    }

    Host(Host const&) = delete;
    Host& operator=(Host const&) = delete;

    bool Open(HWND parent)
    {
        if (!m_ole.Joined() || !BoxClass())
            return false;
        m_window = CreateWindowExW(0, WebPageBoxClass, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0,
            parent, nullptr, GetModuleHandleW(nullptr), static_cast<BoxWindowEvents*>(this));
        if (!m_window)
            return false;
        m_site = ComRef<WebPageSite>(new WebPageSite(m_window));
        m_events = ComRef<WebPageEvents>(new WebPageEvents(*this));
        IOleClientSite* const site = m_site.Get();
        RECT none {};
        if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                reinterpret_cast<void**>(m_object.Out())))
            || FAILED(m_object->SetClientSite(site)))
            return false;
        OleSetContainedObject(m_object.Get(), TRUE);
        if (FAILED(m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, m_window, &none))
            || FAILED(m_object->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(m_browser.Out())))
            || FAILED(m_object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(m_inPlace.Out()))))
            return false;
        // A page the box cannot watch could go anywhere: no events, no box.
        ComRef<IConnectionPointContainer> points;
        if (FAILED(m_object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(points.Out())))
            || FAILED(points->FindConnectionPoint(DIID_DWebBrowserEvents2, m_connection.Out()))
            || FAILED(m_connection->Advise(static_cast<IDispatch*>(m_events.Get()), &m_cookie))) {
            m_connection.Reset();
            return false;
        }
        m_events->SetBrowser(m_browser.Get());
        m_browser->put_Silent(VARIANT_TRUE);
        m_browser->put_RegisterAsDropTarget(VARIANT_FALSE);
        m_keys = SetWindowsHookExW(WH_GETMESSAGE, KeysToWindow, nullptr, GetCurrentThreadId());
        return true;
    }

    // Before the control's windows go: at the latest when the box's window is destroyed, which
    // happens before its children are.
    void CloseControl()
    {
        if (m_connection) {
            m_connection->Unadvise(m_cookie);
            m_connection.Reset();
        }
        if (m_events)
            m_events->Detach();
        if (m_inPlace)
            m_inPlace->InPlaceDeactivate();
        if (m_object) {
            m_object->Close(OLECLOSE_NOSAVE);
            m_object->SetClientSite(nullptr);
        }
        m_inPlace.Reset();
        m_browser.Reset();
        m_object.Reset();
        m_events.Reset();
        m_site.Reset();
    }

    void Navigate(std::string const& address)
    {
        if (!m_browser || !IsWebLink(address))
            return;
        m_loaded = false;
        UpdateVisibility();
        m_events->ExpectNavigation(true);
        BSTR const url = SysAllocString(Widen(address).c_str());
        VARIANT flags;
        VariantInit(&flags);
        flags.vt = VT_I4;
        flags.lVal = navNoHistory;
        VARIANT none;
        VariantInit(&none);
        if (!url || FAILED(m_browser->Navigate(url, &flags, &none, &none, &none)))
            m_events->ExpectNavigation(false);
        SysFreeString(url);
    }

    void Place(gfx::Rect bounds, gfx::Rect clip)
    {
        if (!m_window || (bounds == m_bounds && clip == m_clip))
            return;
        m_bounds = bounds;
        m_clip = clip;
        gfx::Rect const shown = bounds.Intersected(clip);
        SetWindowPos(m_window, nullptr, shown.x, shown.y, shown.width, shown.height, SWP_NOZORDER | SWP_NOACTIVATE);
        RECT const position = ToRect(bounds.Translated(-shown.x, -shown.y));
        RECT const visible { 0, 0, shown.width, shown.height };
        if (m_site)
            m_site->SetRects(position, visible);
        if (m_inPlace)
            m_inPlace->SetObjectRects(&position, &visible);
    }

    void Show(bool shown)
    {
        m_wanted = shown;
        UpdateVisibility();
    }

    HWND Window() const { return m_window; }
    IWebBrowser2* Control() const { return m_browser.Get(); }

private:
    // WebPageNavigation
    // Opened after the event, from the queue, so that the control is not in the middle of
    // deciding while another program starts.
    void OpenLink(std::string const& link) override
    {
        m_links.push_back(link);
        if (m_links.size() == 1 && m_window)
            PostMessageW(m_window, OpenQueuedLinks, 0, 0);
    }

    void PageLoaded() override
    {
        m_loaded = true;
        UpdateVisibility();
    }

    void PageFailed() override
    {
        m_loaded = false;
        UpdateVisibility();
    }

    // BoxWindowEvents
    void LinksQueued() override
    {
        std::vector<std::string> const links = std::exchange(m_links, {});
        if (m_openLink) {
            for (std::string const& link : links)
                m_openLink(link);
        }
    }

    // The window the box sits in is going, and the control's windows with it.
    void Destroying() override { CloseControl(); }
    void Gone() override { m_window = nullptr; }

    void UpdateVisibility()
    {
        if (!m_window)
            return;
        bool const visible = m_wanted && m_loaded;
        if (visible != ((GetWindowLongPtrW(m_window, GWL_STYLE) & WS_VISIBLE) != 0))
            ShowWindow(m_window, visible ? SW_SHOWNA : SW_HIDE);
    }

    // First, so that it goes last, after every object of the control.
    OleSession m_ole;
    LinkOpener m_openLink;
    HWND m_window = nullptr;
    HHOOK m_keys = nullptr;
    ComRef<WebPageSite> m_site;
    ComRef<WebPageEvents> m_events;
    ComRef<IOleObject> m_object;
    ComRef<IOleInPlaceObject> m_inPlace;
    ComRef<IWebBrowser2> m_browser;
    ComRef<IConnectionPoint> m_connection;
    DWORD m_cookie = 0;
    std::vector<std::string> m_links;
    gfx::Rect m_bounds;
    gfx::Rect m_clip;
    bool m_loaded = false;
    bool m_wanted = false;
};

WebPageBox::WebPageBox(std::unique_ptr<Host> host)
    : m_host(std::move(host))
{
}

WebPageBox::~WebPageBox() = default;

std::unique_ptr<WebPageBox> WebPageBox::Create(void* parent, LinkOpener openLink)
{
    auto host = std::make_unique<Host>(std::move(openLink));
    if (!host->Open(static_cast<HWND>(parent)))
        return nullptr;
    return std::unique_ptr<WebPageBox>(new WebPageBox(std::move(host)));
}

void WebPageBox::Navigate(std::string const& address) { m_host->Navigate(address); }

void WebPageBox::Place(gfx::Rect bounds, gfx::Rect clip) { m_host->Place(bounds, clip); }

void WebPageBox::Show(bool shown) { m_host->Show(shown); }

void* WebPageBox::Window() const { return m_host->Window(); }

void* WebPageBox::Control() const { return m_host->Control(); }

}
