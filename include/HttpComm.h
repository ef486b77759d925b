// CHttpComm: a queue of XML commands for one web server of the service, worked off by a thread
// of its own. NewRequest hands over a command tree; the worker posts it as UTF-8 XML over HTTP,
// turns the answer (an XML document with the root "tavo") back into the same tree and posts the
// result message to the request's window, which then owns the CHttpCommParam.
#pragma once

#include "HttpCommParam.h"
#include "VoDef.h"
#include "XmlTreeCtrl.h"

#include <afx.h>
#include <afxcoll.h>
#include <afxmsxml.h>

#include <atomic>
#include <cstddef>
#include <memory>
#include <string>

class CExchangeSignal;
class CHttpConnection;
class CHttpExchange;
class CInternetSession;

class VO_API CHttpComm {
public:
    // Stores the server URL, the default receiving window and the result message, and starts
    // the worker. No network activity until the first request.
    CHttpComm(const wchar_t* server, int port, HWND wnd, UINT msg);
    // Stop, then destroys the connection, the session and every request still queued (without
    // any message).
    ~CHttpComm();

    CHttpComm(const CHttpComm&) = delete;
    CHttpComm& operator=(const CHttpComm&) = delete;

    // Bounds of one exchange: an answer longer than kMaxAnswerBytes (8 MB), or not whole
    // kAnswerDeadlineMs after the request went out, fails with its own error text. The deadline
    // holds whatever the server does (silent, never reading, trickling its headers or its body):
    // WinInet connects, sends and receives in the background and the worker gives the request up
    // at the deadline, so the requests queued behind it wait no longer. WinInet's connect, send
    // and receive time-outs (30 s each) end what WinInet still does for a request given up; a
    // server that keeps sending a byte now and then holds that connection, not the channel,
    // until it ends. An answer that declares a document type is refused (the service sends none;
    // its entities could expand without bound), and so is one with more than kMaxAnswerTags tags
    // ('<' characters: start and end tags, comments; about 100,000 elements), whose parse and
    // conversion would take seconds, or with an element of more than kMaxAnswerAttributes
    // attributes (the parser reads them in quadratic time: a million would hold the worker for
    // hours). Nesting is bounded by the parser (deeper answers do not parse) and converted
    // without recursion. An answer with a status outside 200-299 fails with the status in the
    // error text, unless it is a "tavo" document: the service words its own errors that way.
    // No real answer of the service comes near these bounds.
    static constexpr size_t kMaxAnswerBytes = 8 * 1024 * 1024;
    static constexpr DWORD kAnswerDeadlineMs = 60000;
    static constexpr ptrdiff_t kMaxAnswerTags = 200000;
    static constexpr ptrdiff_t kMaxAnswerAttributes = 5000;

    // Starts the worker again after Stop; queued requests then run.
    void Start();
    // Ends the worker: waits 3000 ms for the request in hand, then cancels it (its window gets
    // it back as failed, with WinInet's text for a cancelled operation) and waits for the worker
    // to end, which it then does at once unless it is converting an answer (bounded above).
    // Queued requests stay queued for the next Start.
    void Stop();
    // Replaces URL and port; the next request opens a new session and connection. Both setters
    // may be called from any thread at any time: the worker reads the values under the lock at
    // the start of each request and when it posts a result.
    void SetServParam(const wchar_t* server, int port);
    // Replaces the default receiving window and the result message.
    void SetMsgParam(HWND wnd, UINT msg);
    // Queues the command tree (heap-allocated; the channel owns it from now on) for wnd, or for
    // the default window when wnd is null. Always 0. A tree that converts only in part (an item
    // name the XML component refuses) is not sent: the window gets it back failed with
    // "Conver information of command error!", as an empty tree.
    int NewRequest(HWND wnd, UINT type, CXmlTreeCtrl* tree);
    // Runs one request on the calling thread: sends the command, puts the answer or the error
    // into p and posts the result message; p is destroyed without a message when it has no
    // convertible tree, when the calling thread has not initialised COM, when its window is gone,
    // or on an unexpected exception. The worker calls
    // it; another thread may only while the channel is stopped (they would share the session).
    void ToDo(CHttpCommParam* p);

protected:
    // Queues p at the head or the tail and wakes the worker.
    void AddJob(CHttpCommParam* p, int atHead);
    // The connection, made (with its session) from the server URL when there is none; null
    // when the URL is not an HTTP URL or WinInet refuses.
    CHttpConnection* GetInternetSession();

    std::atomic<LONG> m_bRunning; // 1 while the worker is meant to run
    CKernelHandle m_hEvent;       // auto-reset, wakes the worker; lives as long as the channel
    CPtrList m_lstJobs;           // queued CHttpCommParam pointers, under m_cs
    CRITICAL_SECTION m_cs;
    UINT m_nMsg; // under m_cs
    HWND m_hWnd; // under m_cs
    CKernelHandle m_hThread;
    CString m_strObject; // path and query of the URL
    CString m_strServer; // the URL as given; under m_cs
    int m_nPort;         // the URL's port once split; under m_cs
    CHttpConnection* m_pConnection;
    CInternetSession* m_pSession;

private:
    static DWORD WINAPI WorkerEntry(LPVOID self);
    void Work();
    // The head of the queue while the worker is meant to run, else null (and the worker is then
    // about to wait for the event).
    CHttpCommParam* TakeJob();
    // Sends p's command and stores the result in p; false when p gets no message.
    bool RunRequest(CHttpCommParam& p);
    // 1 with the answer document and its text, or 0 with the error text.
    int DoRequest(const CString& text, IXMLDOMDocumentPtr& doc, _bstr_t& answer, CString& err);
    // The HTTP exchange: 1 when an answer was parsed (its text in answer), 0 with the error text.
    int sendRequest(const CString& text, IXMLDOMDocumentPtr& doc, _bstr_t& answer, CString& err);
    // Posts body and reads the answer's bytes and status: 1 when the answer came whole (its
    // request then stays open in m_pAnsweredExchange), else 0 with the error text. Throws
    // CInternetException when WinInet fails or Stop cancels.
    int ReceiveAnswer(std::string body, std::string& bytes, DWORD& status, CString& err);
    // Posts the result message to p's window, or destroys p when that is not possible.
    void Deliver(CHttpCommParam* p);
    void CloseInternetSession();
    bool WaitForWorker(DWORD timeoutMs) const;

    // Closes the session when SetServParam changed the server since it was opened.
    void CloseSessionOfOldServer();

    // Wakes the worker's waits for WinInet; Stop cancels it to give the request in hand up. Each
    // request WinInet may still report to keeps a share.
    std::shared_ptr<CExchangeSignal> m_pSignal;
    UINT m_nServerGeneration;  // under m_cs; counts SetServParam calls
    UINT m_nSessionGeneration; // the worker's: the generation of its session
    // The worker's: the request whose whole answer was just read, closed once its result is
    // posted (closing a request takes about 0.15 ms under Wine, more than converting its answer,
    // and the caller need not wait for it). Always closed before the worker goes on.
    std::unique_ptr<CHttpExchange> m_pAnsweredExchange;
    // Under m_cs: the worker found the queue empty and waits, or is about to wait, for the event.
    // Only then does a new job signal it: a worker at work looks at the queue before it waits.
    bool m_bWorkerWaits;

protected:
    // Time an answer may take to arrive whole, from the moment the request is sent.
    DWORD m_dwAnswerDeadlineMs;
    // Time Stop gives the request in hand before it cancels it.
    DWORD m_dwStopWaitMs;
};
