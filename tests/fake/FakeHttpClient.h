#pragma once
// An HTTP client whose requests wait until a test answers them.

#include "platform/Http.h"

#include <vector>

namespace platform::fake {

class FakeHttpClient final : public HttpClient {
public:
    struct Request {
        std::string url;
        std::chrono::milliseconds timeLimit;
        Callback callback; // empty once answered
    };

    void Get(std::string_view url, std::chrono::milliseconds timeLimit, Callback callback) override
    {
        m_requests.push_back({ std::string(url), timeLimit, std::move(callback) });
    }

    std::vector<Request> const& Requests() const { return m_requests; }
    // Delivers the result of request `index`, once; false when there is no such request waiting.
    bool Answer(std::size_t index, HttpResult result)
    {
        if (index >= m_requests.size() || !m_requests[index].callback)
            return false;
        auto callback = std::move(m_requests[index].callback);
        m_requests[index].callback = nullptr;
        callback(std::move(result));
        return true;
    }

private:
    std::vector<Request> m_requests;
};

}
