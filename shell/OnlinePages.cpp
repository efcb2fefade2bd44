#include "shell/OnlinePages.h"

namespace shell {

OnlinePages::OnlinePages(ui::Label& ticker, ui::WebBrowserBox& pictureBox, std::function<void()> pictureChecked)
    : m_label(ticker)
    , m_pictureBox(pictureBox)
    , m_pictureChecked(std::move(pictureChecked))
    , m_self(std::make_shared<OnlinePages*>(this))
{
    m_pictureBox.SetTag("0");
}

OnlinePages::~OnlinePages()
{
    if (m_timer && m_services.timers)
        m_services.timers->Stop(m_timer);
}

void OnlinePages::Attach(OnlineServices services)
{
    m_services = std::move(services);
    m_ticker = Ticker(FallbackEntry(m_services.addresses.HomePage()));
}

std::string OnlinePages::Decode(platform::HttpResult const& result) const
{
    if (result.failure != platform::HttpFailure::None)
        return {};
    return m_services.codePage ? m_services.codePage->ToUtf8(result.body) : result.body;
}

void OnlinePages::FetchTicker()
{
    if (!m_services.http || !m_services.addresses.Known())
        return;
    std::weak_ptr<OnlinePages*> const self = m_self;
    m_services.http->Get(m_services.addresses.TickerPage(), PageTimeLimit, [self](platform::HttpResult result) {
        auto const alive = self.lock();
        if (!alive)
            return;
        OnlinePages& pages = **alive;
        pages.m_ticker.SetEntries(TickerEntriesOf(pages.Decode(result)));
        // The page's first entry shows at once and keeps its full two seconds.
        if (pages.m_timer)
            pages.TickerStep();
    });
}

void OnlinePages::TickerStep()
{
    Show(m_ticker.Step());
    StartTurning();
}

void OnlinePages::StartTurning()
{
    if (!m_services.timers)
        return;
    if (m_timer)
        m_services.timers->Stop(m_timer);
    m_timer = m_services.timers->StartRepeating(TickerMilliseconds, [this] { Show(m_ticker.Step()); });
}

void OnlinePages::Show(TickerEntry const& entry)
{
    m_label.SetText(entry.caption);
    m_label.SetTooltip(entry.link);
}

void OnlinePages::CheckPicturePage()
{
    if (!m_services.addresses.Known())
        return;
    std::string const address = m_services.addresses.PicturePage();
    m_pictureBox.Navigate(address);
    if (!m_services.http)
        return;
    std::weak_ptr<OnlinePages*> const self = m_self;
    m_services.http->Get(address, PageTimeLimit, [self](platform::HttpResult result) {
        auto const alive = self.lock();
        if (!alive)
            return;
        OnlinePages& pages = **alive;
        bool const available = pages.Decode(result).find(PicturePageAvailable) != std::string::npos;
        pages.m_pictureBox.SetTag(available ? "1" : "0");
        if (pages.m_pictureChecked)
            pages.m_pictureChecked();
    });
}

void OnlinePages::OpenShownLink()
{
    TickerEntry const* const shown = m_ticker.Shown();
    if (shown && m_services.browser)
        m_services.browser->Open(shown->link);
}

}
