// Links from a fetched page reach the browser only when they are web links.

#include "tests/fake/FakeDialogs.h"

#include <gtest/gtest.h>

TEST(WebLink, OnlyHttpAndHttpsLinksAreOpened)
{
    platform::fake::FakeBrowser browser;
    for (char const* link : { "http://example.com/a?b=c", "HTTPS://example.com", "Http://x" })
        EXPECT_TRUE(browser.Open(link)) << link;
    for (char const* link : { "", "http://", "https:/x", "file:///C:/Windows/notepad.exe", "javascript:alert(1)",
             "calc.exe", " http://x", "ftp://x", "http://x\r\nfile:///y", "mailto:a@b" })
        EXPECT_FALSE(browser.Open(link)) << link;
    EXPECT_EQ(
        browser.Opened(), (std::vector<std::string> { "http://example.com/a?b=c", "HTTPS://example.com", "Http://x" }));
}
