// LoopbackServer: a small HTTP/1.0 server on 127.0.0.1 (a free port) for the tests of the
// internet classes, the request channel and the file transfers. It runs on a thread of its
// own, records every request it reads and answers it as its current script says. Held
// connections are closed when the server is destroyed. Header only, shared by the test programs
// and the benchmarks.
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LoopbackServer {
public:
    enum class Behaviour {
        Answer,      // headers and the whole body, then a graceful close
        CloseEarly,  // headers announcing the whole body, `cut` bytes of it, graceful close
        Reset,       // headers and `cut` bytes of the body, then a reset (SO_LINGER 0)
        ResetAtOnce, // a reset without a byte of answer
        Stall,       // reads the request and never answers; the connection stays open
        KeepOpen,    // headers without a length and the body; the connection stays open
        Endless,     // headers without a length, then the body over and over until the client goes
        Trickle,     // headers at once, then the body one byte at a time, `trickleMs` apart
        TrickleHead, // the whole answer, headers first, one byte at a time, `trickleMs` apart
        // Read before the request, from the script current when the connection comes:
        NeverRead,      // accepts and never reads; the connection stays open
        ResetAfterHead, // reads the request's header (recorded without body), then a reset
        Drain,          // reads until the client closes (all after the header is the body), no answer
    };

    struct Script {
        Behaviour behaviour = Behaviour::Answer;
        std::string body;
        int status = 200;
        size_t cut = 0;
        std::string contentType = "text/xml; charset=utf-8"; // empty: no Content-Type line
        DWORD trickleMs = 0;
    };

    struct Request {
        std::string requestLine; // "POST /cmd HTTP/1.0"
        std::string headers;     // the header lines, each ending in \r\n
        std::string body;
    };

    LoopbackServer() : LoopbackServer(Script()) {}
    explicit LoopbackServer(Script script) : m_script(std::move(script))
    {
        m_port = Bind(m_listen);
        if (m_port && listen(m_listen, SOMAXCONN) == 0)
            m_thread = std::thread([this] { Run(); });
        else
            m_port = 0;
    }

    ~LoopbackServer()
    {
        if (m_thread.joinable()) {
            m_stopping = true;
            Connect(m_port); // wakes the blocking accept
            m_thread.join();
        }
        for (SOCKET held : m_held)
            closesocket(held);
        closesocket(m_listen);
    }

    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    // 0 when the server could not be started.
    USHORT Port() const { return m_port; }
    std::wstring Url(const std::wstring& object = L"/cmd") const
    {
        return L"http://127.0.0.1:" + std::to_wstring(m_port) + object;
    }

    void SetScript(Script script)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_script = std::move(script);
    }

    std::vector<Request> Requests() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_requests;
    }

    // True once `count` requests have been read, false when the time runs out first.
    bool WaitForRequests(size_t count, DWORD timeoutMs) const
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_received.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                   [&] { return m_requests.size() >= count; });
    }

    // A loopback port on which nothing listens: connecting to it is refused.
    static USHORT UnusedPort()
    {
        SOCKET probe = INVALID_SOCKET;
        const USHORT port = Bind(probe);
        closesocket(probe);
        return port;
    }

private:
    static sockaddr_in Loopback(USHORT port)
    {
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return address;
    }

    // Binds a new socket to a free loopback port; the port, 0 on failure.
    static USHORT Bind(SOCKET& socket_)
    {
        // Winsock stays started for the whole program (WSAStartup once, never cleaned up).
        static const bool winsock = [] {
            WSADATA data;
            return WSAStartup(MAKEWORD(2, 2), &data) == 0;
        }();
        if (!winsock)
            return 0;
        socket_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = Loopback(0);
        int length = sizeof(address);
        if (socket_ == INVALID_SOCKET || bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
            getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return 0;
        return ntohs(address.sin_port);
    }

    static void Connect(USHORT port)
    {
        SOCKET client = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = Loopback(port);
        connect(client, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        closesocket(client);
    }

    void Run()
    {
        for (;;) {
            SOCKET client = accept(m_listen, nullptr, nullptr);
            if (m_stopping || client == INVALID_SOCKET) {
                closesocket(client);
                return;
            }
            Serve(client);
        }
    }

    void Serve(SOCKET client)
    {
        Behaviour reading;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            reading = m_script.behaviour;
        }
        if (reading == Behaviour::NeverRead) {
            m_held.push_back(client);
            return;
        }
        const DWORD timeoutMs = 5000; // a client that sends half a request is dropped
        setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeoutMs), sizeof(timeoutMs));
        Request request;
        const bool read = reading == Behaviour::Drain            ? ReadToEnd(client, request)
                          : reading == Behaviour::ResetAfterHead ? ReadHead(client, request)
                                                                 : ReadRequest(client, request);
        if (!read) {
            closesocket(client);
            return;
        }
        Script script;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_requests.push_back(request);
            script = m_script;
        }
        m_received.notify_all();
        if (reading == Behaviour::ResetAfterHead || reading == Behaviour::Drain)
            Close(client, reading == Behaviour::ResetAfterHead);
        else
            Answer(client, script);
    }

    // Closes the connection: with a reset (SO_LINGER 0) or gracefully.
    static void Close(SOCKET client, bool reset)
    {
        if (reset) {
            const linger abort = {1, 0};
            setsockopt(client, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort), sizeof(abort));
        } else {
            shutdown(client, SD_SEND);
        }
        closesocket(client);
    }

    void Answer(SOCKET client, const Script& script)
    {
        const Behaviour behaviour = script.behaviour;
        if (behaviour == Behaviour::Stall || behaviour == Behaviour::KeepOpen)
            m_held.push_back(client);
        if (behaviour == Behaviour::Stall)
            return;
        if (behaviour != Behaviour::ResetAtOnce) {
            std::string answer = "HTTP/1.0 " + std::to_string(script.status) + " Status\r\n";
            if (!script.contentType.empty())
                answer += "Content-Type: " + script.contentType + "\r\n";
            if (behaviour != Behaviour::KeepOpen && behaviour != Behaviour::Endless)
                answer += "Content-Length: " + std::to_string(script.body.size()) + "\r\n";
            const bool cut = behaviour == Behaviour::CloseEarly || behaviour == Behaviour::Reset;
            const bool paced = behaviour == Behaviour::Endless || behaviour == Behaviour::Trickle;
            answer += "\r\n" + (paced ? std::string() : script.body.substr(0, cut ? script.cut : std::string::npos));
            if (behaviour == Behaviour::TrickleHead)
                Trickle(client, answer, script.trickleMs);
            else
                send(client, answer.data(), static_cast<int>(answer.size()), 0); // blocking: sends it all
            if (behaviour == Behaviour::Endless)
                SendEndlessly(client, script.body);
            else if (behaviour == Behaviour::Trickle)
                Trickle(client, script.body, script.trickleMs);
        }
        if (behaviour == Behaviour::KeepOpen)
            return;
        if (behaviour == Behaviour::ResetAtOnce)
            Sleep(50); // lets the client wait for the answer: a reset that comes sooner may read as an end
        Close(client, behaviour == Behaviour::Reset || behaviour == Behaviour::ResetAtOnce);
    }

    // Sends the body over and over until the client goes or the server stops.
    void SendEndlessly(SOCKET client, const std::string& body)
    {
        const int size = static_cast<int>(body.size());
        while (!m_stopping && send(client, body.data(), size, 0) == size) {
        }
    }

    // Sends the bytes one at a time at the pace of a slow peer, until the client goes or the
    // server stops.
    void Trickle(SOCKET client, const std::string& bytes, DWORD paceMs)
    {
        for (size_t at = 0; !m_stopping && at < bytes.size(); ++at) {
            if (send(client, bytes.data() + at, 1, 0) != 1)
                return;
            Sleep(paceMs);
        }
    }

    // Reads the request line and the headers into request; data keeps what came after them.
    static bool ReadHead(SOCKET client, Request& request, std::string& data)
    {
        size_t headEnd;
        while ((headEnd = data.find("\r\n\r\n")) == std::string::npos)
            if (!Receive(client, data))
                return false;
        const size_t lineEnd = data.find("\r\n");
        request.requestLine = data.substr(0, lineEnd);
        request.headers = data.substr(lineEnd + 2, headEnd + 2 - (lineEnd + 2));
        data.erase(0, headEnd + 4);
        return true;
    }

    static bool ReadHead(SOCKET client, Request& request)
    {
        std::string data;
        return ReadHead(client, request, data);
    }

    // Reads the header, then everything until the client ends the connection.
    static bool ReadToEnd(SOCKET client, Request& request)
    {
        if (!ReadHead(client, request, request.body))
            return false;
        while (Receive(client, request.body)) {
        }
        return true;
    }

    // Reads the request line, the headers and a body of Content-Length bytes.
    static bool ReadRequest(SOCKET client, Request& request)
    {
        std::string data;
        if (!ReadHead(client, request, data))
            return false;
        std::string lower = request.headers;
        for (char& c : lower)
            c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        const size_t at = lower.find("content-length:");
        const size_t length = at == std::string::npos ? 0 : std::stoul(lower.substr(at + 15));
        while (data.size() < length)
            if (!Receive(client, data))
                return false;
        request.body = data.substr(0, length);
        return true;
    }

    static bool Receive(SOCKET client, std::string& data)
    {
        char buffer[4096];
        const int received = recv(client, buffer, sizeof(buffer), 0);
        if (received > 0)
            data.append(buffer, static_cast<size_t>(received));
        return received > 0;
    }

    SOCKET m_listen = INVALID_SOCKET;
    USHORT m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::thread m_thread;
    std::vector<SOCKET> m_held; // used by the server thread only, then by the destructor

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_received;
    Script m_script;
    std::vector<Request> m_requests;
};
