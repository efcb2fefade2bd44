#include "win32/WinHttpClient.h"

#include "win32/Handles.h"
#include "win32/Unicode.h"

#include <winhttp.h>

#include <algorithm>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace platform::win32 {

using Clock = std::chrono::steady_clock;

// What a request's thread and the client share. uiThread is null once the client is gone.
struct WinHttpClient::Shared {
    std::mutex mutex;
    UiThread* uiThread = nullptr;
};

namespace {

// A WinHTTP session, connection or request, closed with it.
struct InternetKind {
    using Handle = HINTERNET;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { WinHttpCloseHandle(handle); }
};
using InternetHandle = OwnedHandle<InternetKind>;

struct Address {
    std::wstring url;
    bool secure = false;
    std::wstring host;
    INTERNET_PORT port = 0;
    std::wstring path; // with the query
};

std::optional<Address> ParseAddress(std::wstring const& url)
{
    URL_COMPONENTS parts {};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (url.empty() || !WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts))
        return std::nullopt;
    if ((parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) || !parts.lpszHostName
        || parts.dwHostNameLength == 0)
        return std::nullopt;
    Address address;
    address.url = url;
    address.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    address.host.assign(parts.lpszHostName, parts.dwHostNameLength);
    address.port = parts.nPort;
    if (parts.lpszUrlPath)
        address.path.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
    if (parts.lpszExtraInfo)
        address.path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (address.path.empty())
        address.path = L"/";
    return address;
}

// A string WinHTTP allocated for the caller, freed with GlobalFree.
struct GlobalTextKind {
    using Handle = LPWSTR;
    static Handle None() { return nullptr; }
    static void Close(Handle handle) { GlobalFree(handle); }
};
using GlobalText = OwnedHandle<GlobalTextKind>;

// The text, or null when there is none or it is empty.
LPCWSTR NonEmpty(GlobalText const& text) { return text.Get() && *text.Get() ? text.Get() : nullptr; }

constexpr wchar_t Agent[] = L"ColourPicker";

// A session that goes through the proxy the system is set to use. WinHTTP's automatic proxy (from
// Windows 8.1) follows the system's settings, proxy scripts included. Older systems refuse it: they
// are asked for the user's Internet Explorer settings, a fixed proxy goes to the session, and a
// proxy script (or its discovery) is asked per request.
class ProxiedSession {
public:
    explicit ProxiedSession(ProxyLookup lookup)
        : m_session(lookup == ProxyLookup::System ? WinHttpOpen(Agent, WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY,
                                                        WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0)
                                                  : nullptr)
    {
        if (m_session.Get())
            return;
        WINHTTP_CURRENT_USER_IE_PROXY_CONFIG settings {};
        if (!WinHttpGetIEProxyConfigForCurrentUser(&settings)) {
            m_session.Reset(WinHttpOpen(
                Agent, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
            return;
        }
        GlobalText const script(settings.lpszAutoConfigUrl);
        GlobalText const proxy(settings.lpszProxy);
        GlobalText const bypass(settings.lpszProxyBypass);
        m_autoDetect = settings.fAutoDetect != FALSE;
        if (NonEmpty(script))
            m_script = NonEmpty(script);
        if (NonEmpty(proxy))
            m_session.Reset(WinHttpOpen(Agent, WINHTTP_ACCESS_TYPE_NAMED_PROXY, NonEmpty(proxy),
                NonEmpty(bypass) ? NonEmpty(bypass) : WINHTTP_NO_PROXY_BYPASS, 0));
        else
            m_session.Reset(
                WinHttpOpen(Agent, WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    }

    HINTERNET Get() const { return m_session.Get(); }

    // The proxy a script names for this address, when the settings have one; otherwise the
    // session's own choice stands.
    void ChooseProxyFor(HINTERNET request, std::wstring const& url) const
    {
        if (!m_autoDetect && m_script.empty())
            return;
        WINHTTP_AUTOPROXY_OPTIONS options {};
        if (!m_script.empty()) {
            options.dwFlags = WINHTTP_AUTOPROXY_CONFIG_URL;
            options.lpszAutoConfigUrl = m_script.c_str();
        } else {
            options.dwFlags = WINHTTP_AUTOPROXY_AUTO_DETECT;
            options.dwAutoDetectFlags = WINHTTP_AUTO_DETECT_TYPE_DHCP | WINHTTP_AUTO_DETECT_TYPE_DNS_A;
        }
        options.fAutoLogonIfChallenged = TRUE;
        WINHTTP_PROXY_INFO chosen {};
        if (!WinHttpGetProxyForUrl(m_session.Get(), url.c_str(), &options, &chosen))
            return;
        GlobalText const proxy(chosen.lpszProxy);
        GlobalText const bypass(chosen.lpszProxyBypass);
        WinHttpSetOption(request, WINHTTP_OPTION_PROXY, &chosen, sizeof chosen);
    }

private:
    InternetHandle m_session;
    bool m_autoDetect = false;
    std::wstring m_script;
};

// One request, from the first byte to the last, within the deadline: before every step that can
// wait, WinHTTP's timeouts are set to the time that is left.
class Fetch {
public:
    Fetch(Clock::time_point deadline, std::size_t maxBodyBytes, ProxyLookup proxyLookup)
        : m_deadline(deadline)
        , m_maxBodyBytes(maxBodyBytes)
        , m_proxyLookup(proxyLookup)
    {
    }

    HttpResult Run(Address const& address)
    {
        ProxiedSession const session(m_proxyLookup);
        if (!session.Get() || !LimitTo(session.Get()))
            return Failed();
        InternetHandle const connection(WinHttpConnect(session.Get(), address.host.c_str(), address.port, 0));
        if (!connection.Get())
            return Failed();
        InternetHandle const request(WinHttpOpenRequest(connection.Get(), L"GET", address.path.c_str(), nullptr,
            WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, address.secure ? WINHTTP_FLAG_SECURE : 0));
        if (!request.Get() || !LimitTo(request.Get()))
            return Failed();
        session.ChooseProxyFor(request.Get(), address.url);
        if (!LimitTo(request.Get()))
            return Failed();
        if (!WinHttpSendRequest(request.Get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0))
            return Failed();
        if (!LimitTo(request.Get()) || !WinHttpReceiveResponse(request.Get(), nullptr))
            return Failed();

        HttpResult result;
        DWORD status = 0;
        DWORD size = sizeof status;
        if (!WinHttpQueryHeaders(request.Get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX))
            return Failed();
        result.status = static_cast<int>(status);

        for (;;) {
            DWORD available = 0;
            if (!LimitTo(request.Get()) || !WinHttpQueryDataAvailable(request.Get(), &available))
                return Failed();
            if (available == 0)
                break;
            if (available > m_maxBodyBytes - result.body.size())
                return { HttpFailure::TooLarge, 0, {} };
            std::size_t const start = result.body.size();
            result.body.resize(start + available);
            DWORD read = 0;
            if (!WinHttpReadData(request.Get(), result.body.data() + start, available, &read))
                return Failed();
            result.body.resize(start + read);
        }
        return result;
    }

private:
    // False when no time is left.
    bool LimitTo(HINTERNET handle)
    {
        auto const left = std::chrono::duration_cast<std::chrono::milliseconds>(m_deadline - Clock::now()).count();
        if (left <= 0) {
            m_timedOut = true;
            return false;
        }
        // WinHTTP takes 0 for "no limit".
        int milliseconds = static_cast<int>(std::clamp<long long>(left, 1, 0x7FFFFFFF));
        if (!WinHttpSetTimeouts(handle, milliseconds, milliseconds, milliseconds, milliseconds))
            return false;
        WinHttpSetOption(handle, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &milliseconds, sizeof milliseconds);
        return true;
    }

    HttpResult Failed() const
    {
        DWORD const error = GetLastError();
        if (m_timedOut || error == ERROR_WINHTTP_TIMEOUT || Clock::now() >= m_deadline)
            return { HttpFailure::Timeout, 0, {} };
        if (error == ERROR_WINHTTP_INVALID_URL || error == ERROR_WINHTTP_UNRECOGNIZED_SCHEME)
            return { HttpFailure::BadUrl, 0, {} };
        return { HttpFailure::Unreachable, 0, {} };
    }

    Clock::time_point m_deadline;
    std::size_t m_maxBodyBytes;
    ProxyLookup m_proxyLookup;
    bool m_timedOut = false;
};

// From any thread: the result goes to the user-interface thread, and to the callback there if
// the client still lives when it arrives.
void Deliver(std::shared_ptr<WinHttpClient::Shared> const& shared, HttpClient::Callback callback, HttpResult result)
{
    std::lock_guard const lock(shared->mutex);
    if (!shared->uiThread)
        return;
    shared->uiThread->Post([shared, callback = std::move(callback), result = std::move(result)]() mutable {
        {
            std::lock_guard const stillThere(shared->mutex);
            if (!shared->uiThread)
                return;
        }
        callback(std::move(result));
    });
}

}

WinHttpClient::WinHttpClient(UiThread& uiThread, std::size_t maxBodyBytes, ProxyLookup proxyLookup)
    : m_shared(std::make_shared<Shared>())
    , m_maxBodyBytes(maxBodyBytes)
    , m_proxyLookup(proxyLookup)
{
    m_shared->uiThread = &uiThread;
}

WinHttpClient::~WinHttpClient()
{
    // Waits only for a thread that is posting its result at this moment, never for a request.
    std::lock_guard const lock(m_shared->mutex);
    m_shared->uiThread = nullptr;
}

void WinHttpClient::Get(std::string_view url, std::chrono::milliseconds timeLimit, Callback callback)
{
    auto address = ParseAddress(Widen(url));
    if (!address) {
        Deliver(m_shared, std::move(callback), { HttpFailure::BadUrl, 0, {} });
        return;
    }
    Clock::time_point const deadline = Clock::now() + timeLimit;
    std::thread([shared = m_shared, address = std::move(*address), deadline, maxBodyBytes = m_maxBodyBytes,
                    proxyLookup = m_proxyLookup, callback = std::move(callback)]() mutable {
        Deliver(shared, std::move(callback), Fetch(deadline, maxBodyBytes, proxyLookup).Run(address));
    }).detach();
}

}
