// HTTP against tiny servers of the test's own on 127.0.0.1: one that answers, one that never
// does. Results must come back on this thread, within the time limit, and never to a client that
// is gone.

#include "win32/WinHttpClient.h"
#include "PumpMessages.h"
#include "TinyServer.h"
#include "win32/Win32UiThread.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <thread>

using namespace platform::win32;
using platform::HttpFailure;
using platform::HttpResult;
using namespace std::chrono_literals;

namespace {

std::string const Hello = "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nConnection: close\r\n\r\nhello";

// The user's Internet Explorer proxy for the test's lifetime, in the registry value those settings
// live in: a header (version 0x46, a counter, flags 2: a fixed proxy), then the proxy, the bypass
// list and the script address, each as a length and 8-bit text. The value before comes back after.
class UserProxy {
public:
    explicit UserProxy(std::string const& proxy)
    {
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Connections",
            0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &m_key, nullptr);
        DWORD size = 0;
        if (RegQueryValueExW(m_key, Name, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
            m_before.emplace(size, '\0');
            RegQueryValueExW(m_key, Name, nullptr, nullptr, reinterpret_cast<BYTE*>(m_before->data()), &size);
        }
        std::string value;
        auto const number = [&value](DWORD n) { value.append(reinterpret_cast<char const*>(&n), sizeof n); };
        number(0x46);
        number(1);
        number(2);
        number(static_cast<DWORD>(proxy.size()));
        value += proxy;
        number(0);
        number(0);
        RegSetValueExW(m_key, Name, 0, REG_BINARY, reinterpret_cast<BYTE const*>(value.data()), static_cast<DWORD>(value.size()));
    }
    ~UserProxy()
    {
        if (m_before)
            RegSetValueExW(m_key, Name, 0, REG_BINARY, reinterpret_cast<BYTE const*>(m_before->data()),
                static_cast<DWORD>(m_before->size()));
        else
            RegDeleteValueW(m_key, Name);
        RegCloseKey(m_key);
    }
    UserProxy(UserProxy const&) = delete;
    UserProxy& operator=(UserProxy const&) = delete;

private:
    static constexpr wchar_t Name[] = L"DefaultConnectionSettings";
    HKEY m_key = nullptr;
    std::optional<std::string> m_before;
};

class WinHttpClientTest : public ::testing::Test {
protected:
    // Starts a GET and serves this thread until its result is here.
    std::optional<HttpResult> Fetch(
        platform::HttpClient& client, std::string const& url, std::chrono::milliseconds limit)
    {
        std::optional<HttpResult> result;
        bool onThisThread = false;
        client.Get(url, limit, [&](HttpResult got) {
            onThisThread = std::this_thread::get_id() == m_thread;
            result = std::move(got);
        });
        EXPECT_FALSE(result) << "never from inside Get";
        PumpMessagesUntil([&] { return result.has_value(); }, limit + 3s);
        EXPECT_TRUE(!result || onThisThread);
        return result;
    }

    std::thread::id const m_thread = std::this_thread::get_id();
    Win32UiThread m_uiThread;
    WinHttpClient m_client { m_uiThread };
};

}

TEST_F(WinHttpClientTest, AnswerComesBackOnTheUserInterfaceThread)
{
    TinyServer server(Hello);
    auto const result = Fetch(m_client, server.Url("/page.txt?id=7"), 5s);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->failure, HttpFailure::None);
    EXPECT_EQ(result->status, 200);
    EXPECT_EQ(result->body, "hello");
    EXPECT_EQ(server.FirstRequest().rfind("GET /page.txt?id=7 HTTP/1.1\r\n", 0), 0u) << server.FirstRequest();
}

TEST_F(WinHttpClientTest, SilentServerRunsOutTheWholeTimeLimit)
{
    TinyServer server(std::nullopt);
    auto const start = std::chrono::steady_clock::now();
    auto const result = Fetch(m_client, server.Url("/"), 1s);
    auto const took = std::chrono::steady_clock::now() - start;
    ASSERT_TRUE(result);
    EXPECT_EQ(result->failure, HttpFailure::Timeout);
    EXPECT_GE(took, 900ms);
    EXPECT_LT(took, 2500ms);
}

TEST_F(WinHttpClientTest, BadAddressesRefusedConnectionsAndOversizedBodiesFail)
{
    for (char const* url : { "not an address", "ftp://127.0.0.1/file", "" }) {
        auto const result = Fetch(m_client, url, 1s);
        ASSERT_TRUE(result) << url;
        EXPECT_EQ(result->failure, HttpFailure::BadUrl) << url;
    }

    std::string closedPort;
    {
        TinyServer gone(Hello);
        closedPort = gone.Url("/");
    }
    auto const refused = Fetch(m_client, closedPort, 5s);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->failure, HttpFailure::Unreachable);

    TinyServer server(Hello);
    WinHttpClient small(m_uiThread, 4);
    auto const tooLarge = Fetch(small, server.Url("/"), 5s);
    ASSERT_TRUE(tooLarge);
    EXPECT_EQ(tooLarge->failure, HttpFailure::TooLarge);
    EXPECT_TRUE(tooLarge->body.empty());
}

TEST_F(WinHttpClientTest, ClientDestroyedDuringARequestCallsNothing)
{
    TinyServer server(std::nullopt);
    bool called = false;
    {
        WinHttpClient client(m_uiThread);
        client.Get(server.Url("/"), 300ms, [&](HttpResult) { called = true; });
    }
    PumpMessagesUntil([] { return false; }, 1000ms);
    EXPECT_FALSE(called);
}

// Systems before Windows 8.1 have no automatic proxy: the user's own proxy must carry the request.
TEST_F(WinHttpClientTest, WithoutTheAutomaticProxyTheUsersProxyCarriesTheRequest)
{
    TinyServer proxy(Hello);
    UserProxy const setting("127.0.0.1:" + std::to_string(proxy.Port()));
    WinHttpClient client(m_uiThread, platform::HttpClient::DefaultMaxBodyBytes, ProxyLookup::UserSettings);
    auto const result = Fetch(client, "http://colourpicker.invalid/page.txt", 5s);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->failure, HttpFailure::None);
    EXPECT_EQ(result->body, "hello");
    // A request to a proxy names the whole address (Wine adds the port).
    std::string const line = proxy.FirstRequest().substr(0, proxy.FirstRequest().find("\r\n"));
    EXPECT_EQ(line.rfind("GET http://colourpicker.invalid", 0), 0u) << line;
    EXPECT_NE(line.find("/page.txt HTTP/1.1"), std::string::npos) << line;
}
