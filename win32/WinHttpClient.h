#pragma once
// HTTP GET through WinHTTP and the system's proxy settings, each request on a thread of its own that
// gives up at the time limit; the result is posted to the user-interface thread. A client destroyed while requests run lets
// their threads finish alone: they share only a small state that tells them nobody is listening.
// Opaque handles only.

#include "platform/Http.h"
#include "platform/UiThread.h"

#include <memory>

namespace platform::win32 {

// Where the proxy settings come from.
enum class ProxyLookup {
    // WinHTTP's automatic proxy, or on systems that lack it (before Windows 8.1) the user's settings.
    System,
    // The user's Internet Explorer settings, as on those older systems.
    UserSettings,
};

class WinHttpClient final : public HttpClient {
public:
    // uiThread must outlive the client.
    explicit WinHttpClient(UiThread& uiThread, std::size_t maxBodyBytes = DefaultMaxBodyBytes,
        ProxyLookup proxyLookup = ProxyLookup::System);
    ~WinHttpClient() override;
    WinHttpClient(WinHttpClient const&) = delete;
    WinHttpClient& operator=(WinHttpClient const&) = delete;

    void Get(std::string_view url, std::chrono::milliseconds timeLimit, Callback callback) override;

    // What the request threads share with the client; internal.
    struct Shared;

private:
    std::shared_ptr<Shared> m_shared;
    std::size_t m_maxBodyBytes;
    ProxyLookup m_proxyLookup;
};

}
