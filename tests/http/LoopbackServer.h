// LoopbackServer: a small HTTP/1.0 server on 127.0.0.1 (a free port) for the tests of the
// internet classes and the request channel. It runs on a thread of its own, records every
// request it reads and answers it as its current script says: a normal answer, an answer cut
// short by a graceful close or by a reset, no answer at all (stall), or an answer after which
// the connection stays open. Held connections are closed when the server is destroyed.
//
// Header only, so that test_afx and test_http can both use it.
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

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
    };

    struct Script {
        Behaviour behaviour = Behaviour::Answer;
        std::string body;
        int status = 200;
        size_t cut = 0;
        std::string contentType = "text/xml; charset=utf-8";
    };

    struct Request {
        std::string requestLine;  // "POST /cmd HTTP/1.0"
        std::string headers;      // the header lines, each ending in \r\n
        std::string body;
    };

    LoopbackServer() : LoopbackServer(Script()) {}
    explicit LoopbackServer(Script script) : m_script(std::move(script))
    {
        WSADATA data;
        m_started = WSAStartup(MAKEWORD(2, 2), &data) == 0;
        m_listen = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = Loopback(0);
        int length = sizeof(address);
        if (m_listen == INVALID_SOCKET ||
            bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
            getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
            listen(m_listen, SOMAXCONN) != 0)
            return;
        m_port = ntohs(address.sin_port);
        m_stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        m_accept = WSACreateEvent();
        if (!m_stop || m_accept == WSA_INVALID_EVENT || WSAEventSelect(m_listen, m_accept, FD_ACCEPT) != 0) {
            m_port = 0;
            return;
        }
        m_thread = std::thread([this] { Run(); });
    }

    ~LoopbackServer()
    {
        if (m_thread.joinable()) {
            SetEvent(m_stop);
            m_thread.join();
        }
        for (SOCKET held : m_held)
            closesocket(held);
        if (m_listen != INVALID_SOCKET)
            closesocket(m_listen);
        if (m_accept != WSA_INVALID_EVENT)
            WSACloseEvent(m_accept);
        if (m_stop)
            CloseHandle(m_stop);
        if (m_started)
            WSACleanup();
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
        WSADATA data;
        if (WSAStartup(MAKEWORD(2, 2), &data) != 0)
            return 0;
        USHORT port = 0;
        SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = Loopback(0);
        int length = sizeof(address);
        if (probe != INVALID_SOCKET && bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
            getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            port = ntohs(address.sin_port);
        if (probe != INVALID_SOCKET)
            closesocket(probe);
        WSACleanup();
        return port;
    }

private:
    static const DWORD kReadTimeoutMs = 5000;  // a client that sends half a request is dropped

    static sockaddr_in Loopback(USHORT port)
    {
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return address;
    }

    void Run()
    {
        HANDLE waits[] = {m_stop, m_accept};
        while (WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
            WSAResetEvent(m_accept);
            SOCKET client;
            while ((client = accept(m_listen, nullptr, nullptr)) != INVALID_SOCKET)
                Serve(client);
        }
    }

    void Serve(SOCKET client)
    {
        // The accepted socket inherits the listener's event selection: make it plain blocking.
        u_long blocking = 0;
        DWORD timeout = kReadTimeoutMs;
        WSAEventSelect(client, nullptr, 0);
        ioctlsocket(client, FIONBIO, &blocking);
        setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof(timeout));

        Request request;
        if (!ReadRequest(client, request)) {
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
        Answer(client, script);
    }

    void Answer(SOCKET client, const Script& script)
    {
        const bool announceLength = script.behaviour != Behaviour::KeepOpen;
        std::string head = "HTTP/1.0 " + std::to_string(script.status) + " Status\r\nContent-Type: " +
                           script.contentType + "\r\n";
        if (announceLength)
            head += "Content-Length: " + std::to_string(script.body.size()) + "\r\n";
        head += "\r\n";

        switch (script.behaviour) {
        case Behaviour::Answer:
            SendAll(client, head + script.body);
            CloseGracefully(client);
            break;
        case Behaviour::CloseEarly:
            SendAll(client, head + script.body.substr(0, script.cut));
            CloseGracefully(client);
            break;
        case Behaviour::Reset:
            SendAll(client, head + script.body.substr(0, script.cut));
            CloseWithReset(client);
            break;
        case Behaviour::ResetAtOnce:
            CloseWithReset(client);
            break;
        case Behaviour::Stall:
            m_held.push_back(client);
            break;
        case Behaviour::KeepOpen:
            SendAll(client, head + script.body);
            m_held.push_back(client);
            break;
        }
    }

    // Reads the request line, the headers and a body of Content-Length bytes.
    static bool ReadRequest(SOCKET client, Request& request)
    {
        std::string data;
        size_t headEnd;
        while ((headEnd = data.find("\r\n\r\n")) == std::string::npos)
            if (!Receive(client, data))
                return false;
        const size_t lineEnd = data.find("\r\n");
        request.requestLine = data.substr(0, lineEnd);
        request.headers = data.substr(lineEnd + 2, headEnd + 2 - (lineEnd + 2));
        const size_t length = ContentLength(request.headers);
        while (data.size() < headEnd + 4 + length)
            if (!Receive(client, data))
                return false;
        request.body = data.substr(headEnd + 4, length);
        return true;
    }

    static bool Receive(SOCKET client, std::string& data)
    {
        char buffer[4096];
        const int received = recv(client, buffer, sizeof(buffer), 0);
        if (received <= 0)
            return false;
        data.append(buffer, static_cast<size_t>(received));
        return true;
    }

    static size_t ContentLength(const std::string& headers)
    {
        std::string lower = headers;
        for (char& c : lower)
            c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        const size_t at = lower.find("content-length:");
        return at == std::string::npos ? 0 : std::stoul(headers.substr(at + 15));
    }

    static void SendAll(SOCKET client, const std::string& data)
    {
        size_t sent = 0;
        while (sent < data.size()) {
            const int chunk = send(client, data.data() + sent, static_cast<int>(data.size() - sent), 0);
            if (chunk <= 0)
                return;
            sent += static_cast<size_t>(chunk);
        }
    }

    static void CloseGracefully(SOCKET client)
    {
        shutdown(client, SD_SEND);
        closesocket(client);
    }

    static void CloseWithReset(SOCKET client)
    {
        linger abort = {1, 0};
        setsockopt(client, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort), sizeof(abort));
        closesocket(client);
    }

    bool m_started = false;
    SOCKET m_listen = INVALID_SOCKET;
    USHORT m_port = 0;
    HANDLE m_stop = nullptr;
    WSAEVENT m_accept = WSA_INVALID_EVENT;
    std::thread m_thread;
    std::vector<SOCKET> m_held;  // used by the server thread only, then by the destructor

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_received;
    Script m_script;
    std::vector<Request> m_requests;
};
