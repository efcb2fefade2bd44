#pragma once
// A web page in a child window: the system's web browser control, embedded in place through OLE
// with the site and events of WebPageSite and WebPageEvents, so that the page shows pictures and
// nothing else happens. The box shows only once its page has loaded: while it loads, and when it
// fails, what lies beneath stays. It never takes the keyboard for more than a click: keys typed
// into it go to the window it sits in, which gets the focus back. Needs COM on the thread (it
// joins OLE itself) and goes before COM does. Opaque handles only: including this header does not
// bring in <windows.h>.

#include "gfx/Geometry.h"

#include <functional>
#include <memory>
#include <string>

namespace platform::win32 {

class WebPageBox {
public:
    // Called, after the event, with a web link the user followed in the page.
    using LinkOpener = std::function<void(std::string const& link)>;

    // A hidden box in `parent` (an HWND); null when the browser control cannot be made or does
    // not let the box watch where it goes.
    static std::unique_ptr<WebPageBox> Create(void* parent, LinkOpener openLink);
    ~WebPageBox();
    WebPageBox(WebPageBox const&) = delete;
    WebPageBox& operator=(WebPageBox const&) = delete;

    // Loads a web page (http or https; other addresses are refused) in place of the one shown.
    void Navigate(std::string const& address);
    // The page's rectangle in the parent's client pixels, and the part of the parent it may show
    // in: the box's window covers the common part, the page lies in it where `bounds` says.
    void Place(gfx::Rect bounds, gfx::Rect clip);
    // Shown once the page has loaded too.
    void Show(bool shown);

    // The box's window (an HWND), which holds the control's.
    void* Window() const;
    // The control itself (its IWebBrowser2, no reference added); what it is asked to do goes
    // through the same events as a page's own doings.
    void* Control() const;

private:
    class Host;
    explicit WebPageBox(std::unique_ptr<Host> host);
    std::unique_ptr<Host> m_host;
};

}
