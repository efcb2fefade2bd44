// The web page box: what its site and its events let a page do, called as the browser control
// calls them, and the box with the system's own control in a real window. Wine's control has no
// page engine here (mshtml is off in the test prefix): it embeds, fetches and sends its events,
// but never shows a page.

#include "platform/Browser.h"
#include "win32/FormWindow.h"
#include "win32/WebPageBox.h"
#include "win32/Win32TextRenderer.h"
#include "ui/Form.h"
#include "ui/NativeControls.h"
#include "ui/PictureBox.h"
// These bring in <windows.h>, whose macros would rename methods of the ones above.
#include "win32/WebPageEvents.h"
#include "win32/WebPageSite.h"
#include "tests/win32/PumpMessages.h"
#include "tests/win32/TinyServer.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <exdisp.h>
#include <exdispid.h>

#include <string>
#include <vector>

using namespace platform::win32;
using namespace std::chrono_literals;

namespace {

struct Recorder final : WebPageNavigation {
    void OpenLink(std::string const& link) override { opened.push_back(link); }
    void PageLoaded() override { ++loaded; }
    void PageFailed() override { ++failed; }

    std::vector<std::string> opened;
    int loaded = 0;
    int failed = 0;
};

// An event's arguments as the control passes them: the last first, addresses as variants by
// reference, the cancel flag a VARIANT_BOOL by reference.
class Event {
public:
    // `document`: FileDownload's first argument, whether what comes is a document.
    Event(DISPID id, IDispatch* browser, std::wstring const& address, bool document = false)
        : m_id(id)
        , m_address(SysAllocString(address.c_str()))
    {
        m_text.vt = VT_BSTR;
        m_text.bstrVal = m_address;
        switch (id) {
        case DISPID_FILEDOWNLOAD:
            m_arguments = { Cancel(), VariantOf(VT_BOOL) };
            m_arguments.back().boolVal = document ? VARIANT_TRUE : VARIANT_FALSE;
            break;
        case DISPID_BEFORENAVIGATE2:
            m_arguments = { Cancel(), ByReference(&m_empty), ByReference(&m_empty), ByReference(&m_empty),
                ByReference(&m_empty), ByReference(&m_text), Browser(browser) };
            break;
        case DISPID_NEWWINDOW3:
            m_arguments = { m_text, m_text, VariantOf(VT_I4), Cancel(), VariantOf(VT_BYREF | VT_DISPATCH) };
            m_arguments.back().ppdispVal = &m_newWindow;
            break;
        case DISPID_NAVIGATEERROR:
            m_arguments = { Cancel(), ByReference(&m_empty), ByReference(&m_empty), ByReference(&m_text),
                Browser(browser) };
            break;
        default: // DISPID_NAVIGATECOMPLETE2, DISPID_DOCUMENTCOMPLETE
            m_arguments = { ByReference(&m_text), Browser(browser) };
            break;
        }
    }
    ~Event() { SysFreeString(m_address); }
    Event(Event const&) = delete;
    Event& operator=(Event const&) = delete;

    // True when the handler cancelled the event.
    bool SendTo(IDispatch& events)
    {
        DISPPARAMS params { m_arguments.data(), nullptr, static_cast<UINT>(m_arguments.size()), 0 };
        events.Invoke(m_id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
        return m_cancel == VARIANT_TRUE;
    }

private:
    static VARIANT VariantOf(VARTYPE type)
    {
        VARIANT value;
        VariantInit(&value);
        value.vt = type;
        return value;
    }
    static VARIANT ByReference(VARIANT* target)
    {
        VARIANT value = VariantOf(VT_BYREF | VT_VARIANT);
        value.pvarVal = target;
        return value;
    }
    static VARIANT Browser(IDispatch* browser)
    {
        VARIANT value = VariantOf(VT_DISPATCH);
        value.pdispVal = browser;
        return value;
    }
    VARIANT Cancel()
    {
        VARIANT value = VariantOf(VT_BYREF | VT_BOOL);
        value.pboolVal = &m_cancel;
        return value;
    }

    DISPID m_id;
    BSTR m_address;
    VARIANT m_text {};
    VARIANT m_empty {};
    VARIANT_BOOL m_cancel = VARIANT_FALSE;
    IDispatch* m_newWindow = nullptr;
    std::vector<VARIANT> m_arguments;
};

// Stand-ins for the browser and for a frame inside its page: any COM objects of their own.
struct Browsers {
    Browsers()
    {
        events.SetBrowser(static_cast<IDispatch*>(own));
    }
    ~Browsers()
    {
        events.Release();
        own->Release();
        frame->Release();
    }
    Browsers(Browsers const&) = delete;
    Browsers& operator=(Browsers const&) = delete;

    Recorder recorder;
    WebPageEvents& events = *new WebPageEvents(recorder);
    WebPageSite* own = new WebPageSite(nullptr);
    WebPageSite* frame = new WebPageSite(nullptr);
};

TEST(WebPageEvents, LetsOnlyTheAskedForPageInAndHandsWebLinksToTheOpener)
{
    Browsers b;
    IDispatch* const own = b.own;
    IDispatch* const frame = b.frame;
    // The page the box asks for goes ahead, once.
    b.events.ExpectNavigation(true);
    EXPECT_TRUE(Event(DISPID_BEFORENAVIGATE2, own, L"javascript:alert(1)").SendTo(b.events)) << "not a web page";
    EXPECT_TRUE(Event(DISPID_BEFORENAVIGATE2, frame, L"http://127.0.0.1/frame").SendTo(b.events)) << "a frame";
    EXPECT_FALSE(Event(DISPID_BEFORENAVIGATE2, own, L"http://127.0.0.1/picture.html").SendTo(b.events));
    EXPECT_FALSE(Event(DISPID_DOCUMENTCOMPLETE, own, L"http://127.0.0.1/picture.html").SendTo(b.events));
    EXPECT_EQ(b.recorder.loaded, 1);

    struct Case {
        DISPID event;
        wchar_t const* address;
        bool opened;
    } const cases[] = {
        { DISPID_BEFORENAVIGATE2, L"http://127.0.0.1/picture.html", true },
        { DISPID_BEFORENAVIGATE2, L"HTTPS://example.com/more", true },
        { DISPID_BEFORENAVIGATE2, L"file:///C:/windows/win.ini", false },
        { DISPID_BEFORENAVIGATE2, L"javascript:alert(1)", false },
        { DISPID_BEFORENAVIGATE2, L"mailto:someone@example.com", false },
        { DISPID_NEWWINDOW3, L"http://example.com/new", true },
        { DISPID_NEWWINDOW3, L"file:///C:/x.exe", false },
    };
    std::vector<std::string> expected;
    for (Case const& c : cases) {
        EXPECT_TRUE(Event(c.event, own, c.address).SendTo(b.events)) << "a link followed: cancelled";
        if (c.opened) {
            std::wstring const address = c.address;
            expected.emplace_back(address.begin(), address.end());
        }
    }
    EXPECT_EQ(b.recorder.opened, expected);
}

TEST(WebPageEvents, AFailedLoadShowsNoErrorPageAndNoPage)
{
    Browsers b;
    b.events.ExpectNavigation(true);
    EXPECT_FALSE(Event(DISPID_BEFORENAVIGATE2, b.own, L"http://127.0.0.1/picture.html").SendTo(b.events));
    EXPECT_TRUE(Event(DISPID_NAVIGATEERROR, b.own, L"http://127.0.0.1/picture.html").SendTo(b.events));
    Event(DISPID_DOCUMENTCOMPLETE, b.own, L"res://ieframe.dll/http_404.htm").SendTo(b.events);
    EXPECT_EQ(b.recorder.failed, 1);
    EXPECT_EQ(b.recorder.loaded, 0) << "what loads after a failure is no page";
    // A document before the navigation asked for has begun is not the page either.
    b.events.ExpectNavigation(true);
    Event(DISPID_DOCUMENTCOMPLETE, b.own, L"about:blank").SendTo(b.events);
    EXPECT_EQ(b.recorder.loaded, 0);
}

TEST(WebPageEvents, LetsThePageLoadInTheOrderWindowsSendsAndCancelsOtherDownloads)
{
    // Windows asks FileDownload(document) while an HTML page loads (Wine never does): no cancel.
    Browsers b;
    std::wstring const page = L"http://127.0.0.1/picture.html";
    b.events.ExpectNavigation(true);
    EXPECT_FALSE(Event(DISPID_BEFORENAVIGATE2, b.own, page).SendTo(b.events));
    EXPECT_FALSE(Event(DISPID_FILEDOWNLOAD, nullptr, L"", true).SendTo(b.events)) << "the page itself";
    Event(DISPID_NAVIGATECOMPLETE2, b.own, page).SendTo(b.events);
    Event(DISPID_DOCUMENTCOMPLETE, b.own, page).SendTo(b.events);
    EXPECT_EQ(b.recorder.loaded, 1);
    EXPECT_EQ(b.recorder.failed, 0);
    EXPECT_TRUE(Event(DISPID_FILEDOWNLOAD, nullptr, L"", false).SendTo(b.events)) << "a file to save";
}

TEST(WebPageSite, LetsThePageFetchFromWebAddressesOnly)
{
    auto* const site = new WebPageSite(nullptr);
    // The engine asks the client site for its security manager as a service.
    IServiceProvider* services = nullptr;
    ASSERT_EQ(static_cast<IOleClientSite*>(site)->QueryInterface(IID_IServiceProvider,
                  reinterpret_cast<void**>(&services)),
        S_OK);
    IInternetSecurityManager* security = nullptr;
    ASSERT_EQ(services->QueryService(SID_SInternetSecurityManager, IID_IInternetSecurityManager,
                  reinterpret_cast<void**>(&security)),
        S_OK);
    for (wchar_t const* web : { L"http://127.0.0.1/a.png", L"HTTPS://example.com/s.css" }) {
        DWORD policy = URLPOLICY_ALLOW;
        DWORD zone = 0;
        EXPECT_EQ(security->ProcessUrlAction(web, URLACTION_HTML_SUBFRAME_NAVIGATE, reinterpret_cast<BYTE*>(&policy),
                      sizeof policy, nullptr, 0, PUAF_DEFAULT, 0),
            INET_E_DEFAULT_ACTION)
            << "left to the system";
        EXPECT_EQ(security->MapUrlToZone(web, &zone, 0), INET_E_DEFAULT_ACTION);
    }
    for (wchar_t const* other : { L"file:///C:/windows/a.png", L"\\\\host\\share\\a.png", L"file://host/share/s.css",
             L"ftp://example.com/a.png", L"res://ieframe.dll/a.png", L"" }) {
        for (DWORD const action : { URLACTION_DOWNLOAD_MIN, URLACTION_CROSS_DOMAIN_DATA, URLACTION_SCRIPT_RUN }) {
            DWORD policy = URLPOLICY_ALLOW;
            EXPECT_EQ(security->ProcessUrlAction(other, action, reinterpret_cast<BYTE*>(&policy), sizeof policy,
                          nullptr, 0, PUAF_DEFAULT, 0),
                S_FALSE);
            EXPECT_EQ(policy, static_cast<DWORD>(URLPOLICY_DISALLOW)) << std::hex << action;
        }
        DWORD zone = 0;
        EXPECT_EQ(security->MapUrlToZone(other, &zone, 0), S_OK);
        EXPECT_EQ(zone, static_cast<DWORD>(URLZONE_UNTRUSTED));
    }
    security->Release();
    services->Release();
    site->Release();
}

TEST(WebPageSite, AnswersPicturesOnlyAndNoMenus)
{
    auto* const site = new WebPageSite(nullptr);
    // The control finds the ambient properties on the client site's IDispatch.
    IDispatch* ambient = nullptr;
    ASSERT_EQ(static_cast<IOleClientSite*>(site)->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&ambient)), S_OK);
    VARIANT answer;
    VariantInit(&answer);
    DISPPARAMS none {};
    ASSERT_EQ(ambient->Invoke(DISPID_AMBIENT_DLCONTROL, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &answer, nullptr,
                  nullptr),
        S_OK);
    ASSERT_EQ(answer.vt, VT_I4);
    auto const flags = static_cast<DWORD>(answer.lVal);
    for (DWORD const off : { DLCTL_NO_SCRIPTS, DLCTL_NO_JAVA, DLCTL_NO_RUNACTIVEXCTLS, DLCTL_NO_DLACTIVEXCTLS,
             DLCTL_NO_BEHAVIORS, DLCTL_NO_FRAMEDOWNLOAD, DLCTL_NO_CLIENTPULL, DLCTL_SILENT })
        EXPECT_EQ(flags & off, off) << std::hex << off;
    EXPECT_EQ(flags & (DLCTL_VIDEOS | DLCTL_BGSOUNDS), 0u);
    EXPECT_EQ(ambient->Invoke(DISPID_AMBIENT_USERAGENT, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &answer, nullptr,
                  nullptr),
        DISP_E_MEMBERNOTFOUND);

    IDocHostUIHandler* host = nullptr;
    ASSERT_EQ(ambient->QueryInterface(IID_IDocHostUIHandler, reinterpret_cast<void**>(&host)), S_OK);
    DOCHOSTUIINFO info {};
    ASSERT_EQ(host->GetHostInfo(&info), S_OK);
    EXPECT_TRUE(info.dwFlags & DOCHOSTUIFLAG_DIALOG) << "no text selection";
    EXPECT_TRUE(info.dwFlags & DOCHOSTUIFLAG_DPI_AWARE) << "the page scaled with the window";
    POINT at {};
    EXPECT_EQ(host->ShowContextMenu(0, &at, nullptr, nullptr), S_OK) << "the host's menu, which is none";
    host->Release();
    ambient->Release();
    site->Release();
}

// A child's rectangle in its parent's client pixels.
gfx::Rect PlaceOf(HWND child)
{
    RECT bounds {};
    GetWindowRect(child, &bounds);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&bounds), 2);
    return { bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top };
}

bool Shows(HWND window) { return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

std::string const NotFound = "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";

struct LinkRecorder final : platform::Browser {
    bool OpenWebLink(std::string_view link) override
    {
        opened.emplace_back(link);
        return true;
    }
    std::vector<std::string> opened;
};

TEST(WebPageBox, ComesWhenShownLiesInItsPictureBoxAndGivesTheKeyboardBack)
{
    TinyServer server(NotFound);
    Win32TextRenderer text;
    ui::Form form(text);
    form.SetSize({ 320, 200 });
    auto& picture = form.Add<ui::PictureBox>("picture");
    picture.SetPlace({ 20, 30, 120, 70 });
    picture.SetBorderWidth(2);
    auto& page = form.AddInside<ui::WebBrowserBox>(picture, "page");
    // Its border falls outside the picture box.
    page.SetPlace({ -1, -1, 118, 68 });
    page.SetVisible(false);
    page.Navigate(server.Url("/picture.html"));
    std::vector<int> keys;
    form.OnKeyDown = [&](ui::KeyEvent const& key) {
        keys.push_back(key.keyCode);
        return true;
    };
    FormWindow window(form, text, { .frameless = true, .colourKey = false, .keyColour = 0, .position = gfx::Point { 50, 50 }, .dpi = {} });
    ASSERT_TRUE(window.Create());
    window.Show();
    EXPECT_EQ(window.NativeChildOf(page), nullptr) << "no engine for a page not shown";

    page.SetVisible(true);
    auto const box = static_cast<HWND>(window.NativeChildOf(page));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(PlaceOf(box), (gfx::Rect { 22, 32, 116, 66 })) << "cut to the picture box's inner area";
    HWND const control = GetWindow(box, GW_CHILD);
    ASSERT_NE(control, nullptr) << "activated in place";
    EXPECT_EQ(PlaceOf(control), (gfx::Rect { -1, -1, 118, 68 }));
    PumpMessagesUntil([&] { return !server.FirstRequest().empty(); }, 5s);
    EXPECT_EQ(server.FirstRequest().rfind("GET /picture.html ", 0), 0u) << server.FirstRequest();
    PumpMessagesUntil([] { return false; }, 300ms);
    EXPECT_FALSE(Shows(box)) << "nothing loaded: the picture box shows through";

    // A key typed into the box goes to the window, which takes the focus back.
    HWND const inner = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, control, nullptr,
        nullptr, nullptr);
    SetFocus(inner);
    ASSERT_EQ(GetFocus(), inner);
    PostMessageW(inner, WM_KEYDOWN, VK_F5, 1);
    PumpMessagesUntil([&] { return !keys.empty(); }, 2s);
    EXPECT_EQ(keys, std::vector<int> { VK_F5 });
    EXPECT_EQ(GetFocus(), static_cast<HWND>(window.NativeHandle()));
}

TEST(WebPageBox, SendsEveryOtherAddressAwayOrNowhere)
{
    TinyServer server(NotFound);
    HWND const parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    std::vector<std::string> opened;
    auto box = WebPageBox::Create(parent, [&](std::string const& link) { opened.push_back(link); });
    ASSERT_NE(box, nullptr);
    auto* const control = static_cast<IWebBrowser2*>(box->Control());
    std::string const elsewhere = server.Url("/elsewhere");
    for (std::string const& address :
        { elsewhere, std::string("file:///C:/windows/win.ini"), std::string("javascript:alert(1)") }) {
        BSTR const url = SysAllocString(std::wstring(address.begin(), address.end()).c_str());
        VARIANT none;
        VariantInit(&none);
        control->Navigate(url, &none, &none, &none, &none);
        SysFreeString(url);
    }
    PumpMessagesUntil([&] { return !opened.empty(); }, 3s);
    PumpMessagesUntil([] { return false; }, 300ms);
    EXPECT_EQ(opened, std::vector<std::string> { elsewhere }) << "the web link to the user's browser";
    EXPECT_EQ(server.FirstRequest(), "") << "and never into the box";
    box.reset();
    DestroyWindow(parent);
}

}
