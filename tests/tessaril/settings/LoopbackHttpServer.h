// An HTTP server on 127.0.0.1 for the tests of the update download: it serves the routes a test gives,
// answers 404 to anything else, counts the requests, and stops when the object goes out of scope.
#pragma once

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>

class LoopbackHttpServer {
public:
    explicit LoopbackHttpServer(const std::function<void(httplib::Server&)>& routes)
    {
        routes(m_server);
        m_server.set_pre_routing_handler([this](const httplib::Request&, httplib::Response&) {
            ++m_requests;
            return httplib::Server::HandlerResponse::Unhandled;
        });
        m_port = m_server.bind_to_any_port("127.0.0.1");
        if (m_port <= 0)
            throw std::runtime_error("no loopback port");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
        // stop() only ends a server that is running; wait for it, but not for ever.
        for (int attempt = 0; attempt < 5000 && !m_server.is_running(); ++attempt)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~LoopbackHttpServer()
    {
        m_server.stop();
        m_thread.join();
    }
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    std::wstring url(const std::string& target) const
    {
        const std::string text = "http://127.0.0.1:" + std::to_string(m_port) + target;
        return {text.begin(), text.end()};
    }
    int requests() const { return m_requests; }

private:
    httplib::Server m_server;
    int m_port = 0;
    std::atomic<int> m_requests{0};
    std::thread m_thread;
};
