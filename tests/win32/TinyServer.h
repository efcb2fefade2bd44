#pragma once
// A tiny HTTP server of a test's own on 127.0.0.1.

#include <winsock2.h>

#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

// Listens on 127.0.0.1 until destroyed. Each connection's request is read; then the reply is sent
// and the connection closed, or, for a silent server, the connection is held open unanswered.
class TinyServer {
public:
    explicit TinyServer(std::optional<std::string> reply)
        : m_reply(std::move(reply))
    {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        m_listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof address;
        bind(m_listener, reinterpret_cast<sockaddr*>(&address), size);
        listen(m_listener, 4);
        getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { Serve(); });
    }
    ~TinyServer()
    {
        m_stop = true;
        m_thread.join();
        for (SOCKET const held : m_held)
            closesocket(held);
        closesocket(m_listener);
        WSACleanup();
    }
    TinyServer(TinyServer const&) = delete;
    TinyServer& operator=(TinyServer const&) = delete;

    std::string Url(std::string_view path) const
    {
        return "http://127.0.0.1:" + std::to_string(m_port) + std::string(path);
    }
    int Port() const { return m_port; }
    std::string FirstRequest()
    {
        std::lock_guard const lock(m_mutex);
        return m_firstRequest;
    }

private:
    static bool Readable(SOCKET socket)
    {
        fd_set set;
        FD_ZERO(&set);
        FD_SET(socket, &set);
        timeval wait { 0, 50'000 };
        return select(0, &set, nullptr, nullptr, &wait) == 1;
    }

    void Serve()
    {
        while (!m_stop) {
            if (!Readable(m_listener))
                continue;
            SOCKET const client = accept(m_listener, nullptr, nullptr);
            std::string request;
            char buffer[1024];
            while (!m_stop && request.find("\r\n\r\n") == std::string::npos) {
                if (!Readable(client))
                    continue;
                int const got = recv(client, buffer, sizeof buffer, 0);
                if (got <= 0)
                    break;
                request.append(buffer, static_cast<size_t>(got));
            }
            {
                std::lock_guard const lock(m_mutex);
                if (m_firstRequest.empty())
                    m_firstRequest = request;
            }
            if (!m_reply) {
                m_held.push_back(client);
                continue;
            }
            send(client, m_reply->data(), static_cast<int>(m_reply->size()), 0);
            shutdown(client, SD_SEND);
            closesocket(client);
        }
    }

    std::optional<std::string> m_reply;
    SOCKET m_listener = INVALID_SOCKET;
    int m_port = 0;
    std::atomic<bool> m_stop = false;
    std::vector<SOCKET> m_held;
    std::mutex m_mutex;
    std::string m_firstRequest;
    std::thread m_thread;
};
