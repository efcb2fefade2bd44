#pragma once
// Fetching a web page without blocking the user-interface thread: the request runs elsewhere with
// a time limit for the whole of it, and the result comes back on the user-interface thread.

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace platform {

enum class HttpFailure {
    None,
    BadUrl, // not an http:// or https:// address
    Unreachable, // no connection, or it broke
    Timeout, // the time limit ran out
    TooLarge, // the body passed the client's limit
};

struct HttpResult {
    HttpFailure failure = HttpFailure::None;
    // The server's answer, when failure is None.
    int status = 0;
    std::string body;
};

class HttpClient {
public:
    // Far beyond any page the program fetches, and small enough that a hostile server cannot make
    // the program hold gigabytes.
    static constexpr std::size_t DefaultMaxBodyBytes = 1024 * 1024;

    using Callback = std::function<void(HttpResult)>;

    virtual ~HttpClient() = default;
    // A GET of url. The callback runs later on the user-interface thread, never from inside Get and
    // never once the client is gone.
    virtual void Get(std::string_view url, std::chrono::milliseconds timeLimit, Callback callback) = 0;
};

}
