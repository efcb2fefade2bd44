#pragma once
// The maker's pages: the rotating line of links in the bottom strip and the picture page of
// panel 1. Both are fetched off the user-interface thread, so start-up never waits on the network:
// the ticker shows its fallback entry and the picture box stays hidden until the pages arrive, and
// a page that never comes (no network, a silent server) leaves them so.

#include "platform/Browser.h"
#include "platform/CodePage.h"
#include "platform/Http.h"
#include "platform/Timers.h"
#include "shell/TickerPage.h"
#include "shell/WebAddresses.h"
#include "ui/Label.h"
#include "ui/NativeControls.h"

#include <chrono>
#include <functional>
#include <memory>

namespace shell {

inline constexpr int TickerMilliseconds = 2000;
// For the whole of one request; the window does not wait for it.
inline constexpr std::chrono::milliseconds PageTimeLimit { 5000 };
inline constexpr std::string_view PicturePageAvailable = "网页可以访问";

// Any of them may be missing: then nothing is fetched, the ticker does not turn, links do not open.
struct OnlineServices {
    // Without an address nothing is fetched and the fallback entry links nowhere.
    WebAddresses addresses {};
    platform::HttpClient* http = nullptr;
    platform::Timers* timers = nullptr;
    platform::Browser* browser = nullptr;
    // Pages come in the system's code page.
    platform::CodePage const* codePage = nullptr;
};

class OnlinePages {
public:
    // pictureChecked runs when the picture page's answer has set the picture box's tag, so that
    // the panel showing it can show or hide it.
    OnlinePages(ui::Label& ticker, ui::WebBrowserBox& pictureBox, std::function<void()> pictureChecked);
    ~OnlinePages();
    OnlinePages(OnlinePages const&) = delete;
    OnlinePages& operator=(OnlinePages const&) = delete;

    void Attach(OnlineServices services);

    // Asks for the ticker page; its entries replace the fallback when they arrive.
    void FetchTicker();
    // Shows the next entry. The first call also starts the two-second turn.
    void TickerStep();
    // Asks for the picture page; the picture box's tag is "0" until it says it is available.
    void CheckPicturePage();
    // Opens the link of the entry shown, when it is a web link.
    void OpenShownLink();

private:
    void Show(TickerEntry const& entry);
    void StartTurning();
    std::string Decode(platform::HttpResult const& result) const;

    ui::Label& m_label;
    ui::WebBrowserBox& m_pictureBox;
    std::function<void()> m_pictureChecked;
    OnlineServices m_services;
    Ticker m_ticker;
    platform::TimerId m_timer = 0;
    // Answers that come after this object has gone find it expired.
    std::shared_ptr<OnlinePages*> m_self;
};

}
