// CHttpExchange: one POST of the command channel on a connection of an asynchronous WinInet
// session. WinInet connects, sends and receives on threads of its own; the calling thread only
// waits for it, until the exchange's deadline or a cancel of its signal, so that no server, however
// slow or silent, holds the caller longer. A request given up is closed and left to WinInet,
// which ends it when its connection ends or times out.
#pragma once

#include "ExchangeSignal.h"

#include <afxinet.h>

#include <memory>
#include <string>

class CHttpExchange {
public:
    // Opens the request (nothing is sent yet). deadline is a GetTickCount64 value; signal wakes
    // the waits and cancels them, and is kept as long as WinInet may report to the request.
    // Throws CInternetException when WinInet refuses.
    CHttpExchange(CHttpConnection& connection, const CString& object, DWORD flags, ULONGLONG deadline,
                  std::shared_ptr<CExchangeSignal> signal);
    // Closes the request and waits (briefly) until WinInet lets it go; a request with a call still
    // running is left to WinInet, which finishes in the background what it had begun.
    ~CHttpExchange();

    CHttpExchange(const CHttpExchange&) = delete;
    CHttpExchange& operator=(const CHttpExchange&) = delete;

    // Every wait below ends with true once WinInet is done, false at the deadline, and throws
    // CInternetException when WinInet fails, or ERROR_INTERNET_OPERATION_CANCELLED when the
    // signal is cancelled.

    // Sends the body (kept by the exchange as long as WinInet may read it) and waits for the
    // answer's headers.
    bool Send(std::string body);
    // The answer's HTTP status; 0 when there is none.
    DWORD StatusCode() const;
    // Waits for the next bytes of the answer: data and size tell them (size 0 at the end of the
    // answer); data stays valid until the next call.
    bool Read(const char*& data, DWORD& size);

private:
    struct Shared;

    static void CALLBACK OnStatus(HINTERNET handle, DWORD_PTR context, DWORD status, LPVOID info, DWORD length);
    // Before each WinInet call: false once the deadline has passed, else notes the completions
    // so far (a call that ends at once reports none).
    bool BeginCall();
    // Waits for the end of the call that went on in the background.
    bool WaitForCompletion();
    [[noreturn]] void Throw(DWORD error) const;

    Shared* m_pShared; // shared with the request handle until WinInet reports it closing
    std::unique_ptr<CHttpFile> m_file;
    ULONGLONG m_deadline;
    LONG m_nCompletions = 0;     // completions counted when the call in hand began
    bool m_bCallRunning = false; // a call went on in the background and was not waited for to its end
};
