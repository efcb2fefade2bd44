// The maker's pages through the main window: the ticker from its fallback to the fetched entries
// and round, what odd pages show, which links a click opens, and the picture page's box.

#include "MainWindowFixture.h"
#include "shell/OnlinePages.h"

namespace {

class OnlinePages : public MainWindowFixture {
protected:
    OnlinePages() { WriteFile("path.ini", "[RJSZ]\r\nbtwz=取色器\r\n"); }
    void SetUp() override { EXPECT_TRUE(Window().CSHZJM()); }

    size_t RequestFor(std::string const& address)
    {
        for (size_t i = 0; i < m_http.Requests().size(); ++i) {
            if (m_http.Requests()[i].url == address)
                return i;
        }
        ADD_FAILURE() << "no request for " << address;
        return 0;
    }

    void AnswerBytes(std::string const& address, std::string bytes)
    {
        ASSERT_TRUE(m_http.Answer(RequestFor(address), { platform::HttpFailure::None, 200, std::move(bytes) }));
    }
    void Answer(std::string const& address, std::string_view utf8)
    {
        AnswerBytes(address, m_system.AnsiCodePage().FromUtf8(utf8));
    }

    std::string Shown() { return Controls().DBBT->Text(); }
    void ClickLink() { Controls().DBBT->OnClick(); }
};

TEST_F(OnlinePages, TheTickerShowsTheFallbackThenTurnsThroughThePageEveryTwoSeconds)
{
    EXPECT_EQ(Shown(), "Brindle软件工作室") << "start-up does not wait for the page";
    EXPECT_EQ(Controls().DBBT->Tooltip(), m_web.HomePage());
    EXPECT_EQ(m_http.Requests()[RequestFor(m_web.TickerPage())].timeLimit, shell::PageTimeLimit);

    Answer(m_web.TickerPage(), "成功\r\n一号=========http://127.0.0.1/1\r\n二号=========http://127.0.0.1/2");
    EXPECT_EQ(Shown(), "一号");
    m_timers.Advance(1999);
    EXPECT_EQ(Shown(), "一号");
    m_timers.Advance(1);
    EXPECT_EQ(Shown(), "二号");
    m_timers.Advance(2000);
    EXPECT_EQ(Shown(), "一号");
    ClickLink();
    EXPECT_EQ(m_browser.Opened(), (std::vector<std::string> { "http://127.0.0.1/1" }));
}

TEST_F(OnlinePages, OddPagesShowWhatTheyCanOrTheFallback)
{
    using shell::TickerEntriesOf;
    EXPECT_TRUE(TickerEntriesOf("").empty());
    EXPECT_TRUE(TickerEntriesOf("<html>404</html>").empty());
    EXPECT_TRUE(TickerEntriesOf("成功").empty()) << "a marker and no entry";
    EXPECT_TRUE(TickerEntriesOf("成功\r\n\r\n").empty());
    EXPECT_TRUE(TickerEntriesOf("一号\r\n成功").empty()) << "the marker belongs on the first line";
    EXPECT_EQ(TickerEntriesOf("OK 成功\n甲\r\n乙=========http://b\n"),
        (std::vector<shell::TickerEntry> { { "甲", "" }, { "乙", "http://b" } }));
    // A second separator once stayed in the link, which then never opened.
    EXPECT_EQ(TickerEntriesOf("成功\r\n丙=========http://c/=========注"),
        (std::vector<shell::TickerEntry> { { "丙", "http://c/" } }));

    // Bytes that are no GBK text, and a double-byte character cut at the end.
    AnswerBytes(m_web.TickerPage(), "\xb3\xc9\xb9\xa6\r\n\xff\xff=========http://x\r\n\x81");
    EXPECT_EQ(Shown(), "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(Controls().DBBT->Tooltip(), "http://x");
}

TEST_F(OnlinePages, AFailedFetchKeepsTheFallbackAndAPageWithoutTheWordsNoPicture)
{
    ASSERT_TRUE(m_http.Answer(RequestFor(m_web.TickerPage()), { platform::HttpFailure::Timeout, 0, {} }));
    EXPECT_EQ(Shown(), "Brindle软件工作室");
    Answer(m_web.PicturePage(), "<p>维护中</p>");
    Window().SwitchPanel(0, 1);
    EXPECT_FALSE(Controls().WYK->Visible());
}

TEST_F(OnlinePages, AClickOpensOnlyWebLinks)
{
    Answer(m_web.TickerPage(), "成功\r\n坏=========calc.exe\r\n空\r\n好=========https://example.com/a");
    ClickLink();
    m_timers.Advance(2000);
    ClickLink();
    m_timers.Advance(2000);
    ClickLink();
    EXPECT_EQ(m_browser.Opened(), (std::vector<std::string> { "https://example.com/a" }));
}

TEST_F(OnlinePages, ThePictureBoxShowsOnPanelOneOnlyWhenThePageSaysSo)
{
    EXPECT_EQ(Controls().WYK->Address(), m_web.PicturePage());
    Window().SwitchPanel(0, 1);
    EXPECT_FALSE(Controls().WYK->Visible()) << "hidden until the page has answered";
    Answer(m_web.PicturePage(), "<p>网页可以访问</p>");
    EXPECT_TRUE(Controls().WYK->Visible()) << "shown as soon as the answer comes";
    Window().SwitchPanel(1, 2);
    EXPECT_FALSE(Controls().WYK->Visible());
}

}

namespace {

// A program built without the maker's address.
class OnlinePagesWithoutAnAddress : public OnlinePages {
protected:
    OnlinePagesWithoutAnAddress() { m_web = {}; }
};

TEST_F(OnlinePagesWithoutAnAddress, NothingIsFetchedAndTheFallbackLinksNowhere)
{
    EXPECT_TRUE(m_http.Requests().empty());
    EXPECT_EQ(Shown(), "Brindle软件工作室");
    EXPECT_EQ(Controls().DBBT->Tooltip(), "");
    ClickLink();
    EXPECT_TRUE(m_browser.Opened().empty());
    EXPECT_EQ(Controls().WYK->Address(), "");

    EXPECT_EQ(shell::WebAddresses("https://maker.example/").TickerPage(), "https://maker.example/colourpicker/ticker.txt");
    for (char const* base : { "", "/", "maker.example", "file:///c:/pages", "javascript:x" })
        EXPECT_FALSE(shell::WebAddresses(base).Known()) << base;
}

}
