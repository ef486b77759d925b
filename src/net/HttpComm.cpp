// CHttpComm: the worker thread of the command channel and its HTTP exchange.
//
// A request belongs to one thread at a time: the caller's until NewRequest, the worker's while
// it runs, the receiving window's once the result message is posted. Only the queue is shared,
// under m_cs, never during a request. The worker waits for WinInet only on the channel's signal
// (the session is asynchronous): for the end of a call, the request's deadline, or Stop's cancel.

#include <HttpComm.h>

#include "HttpExchange.h"

#include <ConvertXml.h>

#include <afxinet.h>
#include <afxmsxml.h>

#include <algorithm>
#include <memory>
#include <new>
#include <string>

namespace {

const DWORD kPollMs = 2000;      // the worker looks at the queue at least this often
const DWORD kStopWaitMs = 3000;  // Stop's wait for the request in hand
const UINT kMaxErrorText = 1024; // a WinInet error text is cut to 1023 characters
const char kEndTag[] = "</tavo>";
const size_t kEndTagLength = sizeof(kEndTag) - 1;
const wchar_t kAgent[] = L"Corvala chat command";
const DWORD kNetworkTimeoutMs = 30000; // WinInet's connect, send and receive time-outs
const DWORD kRequestFlags = INTERNET_FLAG_EXISTING_CONNECT | INTERNET_FLAG_NO_AUTO_REDIRECT;

// The error texts are spelled as hosts compare them ("Conver", "infomation"): kept on purpose.
const wchar_t kErrInitialize[] = L"Initialize network error!";
const wchar_t kErrConvert[] = L"Conver information of command error!";
const wchar_t kErrParse[] = L"String translate to xml has some error!";
const wchar_t kErrNotWhole[] = L"Error: receive infomation maybe not whole!";
const wchar_t kErrUnknown[] = L"error:can not connect server!";
const wchar_t kErrTooLong[] = L"Error: the answer of the server is longer than 8 MB!";
const wchar_t kErrTooSlow[] = L"Error: the answer of the server did not come in time!";
const wchar_t kErrStatus[] = L"Error: the server answered with HTTP status %lu!";
const wchar_t kErrTooManyTags[] = L"Error: the answer of the server has more than 200000 tags!";
const wchar_t kErrTooManyAttributes[] = L"Error: an element of the answer of the server has more than 5000 attributes!";
const wchar_t kErrDocumentType[] = L"Error: an answer with a document type declaration is refused!";

enum class AnswerEnd { Whole, TooLong, TooSlow };

// The most attributes one tag of the bytes holds: the '=' signs between a '<' and its '>',
// outside quoted values (which may hold both). The bytes are not parsed: comments and CDATA
// count as tags, which only matters for answers far from anything the service sends.
ptrdiff_t MostAttributesInOneTag(const std::string& bytes)
{
    ptrdiff_t nMost = 0, nInTag = 0;
    bool bInTag = false;
    char quote = 0;
    for (const char c : bytes) {
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (!bInTag) {
            bInTag = c == '<';
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '=') {
            nMost = std::max(nMost, ++nInTag);
        } else if (c == '>') {
            bInTag = false;
            nInTag = 0;
        }
    }
    return nMost;
}

CString ErrorTextOf(const CException& e, UINT maxLength = kMaxErrorText)
{
    CString text;
    e.GetErrorMessage(text.GetBuffer(static_cast<int>(maxLength)), maxLength);
    text.ReleaseBuffer();
    return text;
}

// The request text in UTF-8, without a terminator; empty when the text gives no bytes.
std::string ToUtf8(const CString& text)
{
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, text.GetString(), text.GetLength(), nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::string();
    std::string bytes(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.GetString(), text.GetLength(), &bytes[0], length, nullptr, nullptr);
    return bytes;
}

// The answer's bytes decoded as UTF-8, every character kept; an ill-formed sequence becomes
// U+FFFD. Decoded as a whole, so no sequence is split between two reads, and straight into the
// BSTR the parser reads, which is then the only copy of the text.
_bstr_t BstrFromUtf8(const std::string& bytes)
{
    if (bytes.empty())
        return _bstr_t();
    const int size = static_cast<int>(bytes.size());
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return _bstr_t();
    BSTR text = ::SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (!text)
        throw std::bad_alloc();
    ::MultiByteToWideChar(CP_UTF8, 0, bytes.data(), size, text, length);
    return _bstr_t(text, false);
}

// Reads the answer until its end, or until it holds "</tavo>" after its first character: a
// server that keeps the connection open after the answer is not waited for, because each read
// takes only what has arrived. What came in the same read after the tag is kept. An answer
// longer than the channel takes, or still coming at the deadline, ends the reading.
AnswerEnd ReadAnswer(CHttpExchange& exchange, std::string& bytes)
{
    const char* data = nullptr;
    DWORD read = 0;
    for (;;) {
        if (!exchange.Read(data, read))
            return AnswerEnd::TooSlow;
        if (read == 0)
            return AnswerEnd::Whole;
        if (bytes.size() + read > CHttpComm::kMaxAnswerBytes)
            return AnswerEnd::TooLong;
        // Only the new bytes and the tail a tag could straddle are searched.
        const size_t from = std::max<size_t>(1, bytes.size() >= kEndTagLength ? bytes.size() - kEndTagLength + 1 : 0);
        bytes.append(data, read);
        if (bytes.find(kEndTag, from) != std::string::npos)
            return AnswerEnd::Whole;
    }
}

// Whether the document's root element is the service's "tavo".
bool HasServiceRoot(IXMLDOMDocument* doc)
{
    IXMLDOMElementPtr root;
    _bstr_t name;
    return SUCCEEDED(doc->get_documentElement(&root)) && root != nullptr &&
           SUCCEEDED(root->get_tagName(name.GetAddress())) && name.length() > 0 && wcscmp(name, L"tavo") == 0;
}

} // namespace

CHttpComm::CHttpComm(const wchar_t* server, int port, HWND wnd, UINT msg)
    : m_bRunning(0), m_lstJobs(10), m_nMsg(msg), m_hWnd(wnd), m_strServer(server), m_nPort(port),
      m_pConnection(nullptr), m_pSession(nullptr), m_nServerGeneration(0), m_nSessionGeneration(0),
      m_bWorkerWaits(false), m_dwAnswerDeadlineMs(kAnswerDeadlineMs), m_dwStopWaitMs(kStopWaitMs)
{
    ::InitializeCriticalSection(&m_cs);
    m_hEvent.Reset(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
    m_pSignal = std::make_shared<CExchangeSignal>();
    Start();
}

CHttpComm::~CHttpComm()
{
    Stop();
    CloseInternetSession();
    while (!m_lstJobs.IsEmpty())
        delete static_cast<CHttpCommParam*>(m_lstJobs.RemoveHead());
    ::DeleteCriticalSection(&m_cs);
}

void CHttpComm::Start()
{
    if (m_hThread.Get() && !WaitForWorker(0))
        return;
    m_bRunning = 1;
    m_hThread.Reset(::CreateThread(nullptr, 0, &CHttpComm::WorkerEntry, this, 0, nullptr));
    if (!m_hThread.Get())
        m_bRunning = 0;
}

void CHttpComm::Stop()
{
    if (!m_hThread.Get())
        return;
    m_bRunning = 0;
    ::SetEvent(m_hEvent.Get());
    // The worker waits for WinInet only on the channel's signal: once it is cancelled, the
    // worker gives its request up at once. All it may still have to do is bounded
    // (parse and convert an answer within the channel's bounds, post a message), so it is
    // waited for to the end: a worker ended by force could leave the heap or a lock broken.
    if (!WaitForWorker(m_dwStopWaitMs)) {
        m_pSignal->Cancel();
        WaitForWorker(INFINITE);
        m_pSignal->Reset();
    }
    m_hThread.Reset();
}

// The worker copies the address at the start of each request and opens a new session when it
// changed since its session was opened (the generation tells it, also for the same address).
void CHttpComm::SetServParam(const wchar_t* server, int port)
{
    CCriticalSectionLock lock(m_cs);
    m_strServer = server;
    m_nPort = port;
    ++m_nServerGeneration;
}

void CHttpComm::SetMsgParam(HWND wnd, UINT msg)
{
    CCriticalSectionLock lock(m_cs);
    m_hWnd = wnd;
    m_nMsg = msg;
}

int CHttpComm::NewRequest(HWND wnd, UINT type, CXmlTreeCtrl* tree)
{
    HWND target = wnd;
    if (!target) {
        CCriticalSectionLock lock(m_cs);
        target = m_hWnd;
    }
    AddJob(new CHttpCommParam(type, tree, target), 0);
    return 0;
}

// Signals the event only when the worker waits for it: under Wine each SetEvent is a call to the
// wine server, which a worker at work does not need (it takes the next job before it waits).
void CHttpComm::AddJob(CHttpCommParam* p, int atHead)
{
    bool wake = false;
    {
        CCriticalSectionLock lock(m_cs);
        if (atHead)
            m_lstJobs.AddHead(p);
        else
            m_lstJobs.AddTail(p);
        wake = m_bWorkerWaits;
        m_bWorkerWaits = false;
    }
    if (wake && m_bRunning)
        ::SetEvent(m_hEvent.Get());
}

DWORD WINAPI CHttpComm::WorkerEntry(LPVOID self)
{
    static_cast<CHttpComm*>(self)->Work();
    return 0;
}

void CHttpComm::Work()
{
    // The XML conversion creates MSXML documents on this thread, one per answer: through the
    // factory kept for the worker's life rather than COM's class lookup each time.
    const CComApartment com;
    const CXmlDocumentFactoryScope documents;
    try {
        while (m_bRunning) {
            if (CHttpCommParam* p = TakeJob()) {
                ToDo(p);
                continue;
            }
            // Without an event (it could not be made) the queue is still looked at every poll.
            // A wake-up goes straight to the queue: a request queued alone waits for nothing.
            if (::WaitForSingleObject(m_hEvent.Get(), kPollMs) == WAIT_FAILED)
                ::Sleep(kPollMs);
        }
    } catch (...) {
        // The loop ends; the channel reports it through m_bRunning.
    }
    m_bRunning = 0;
}

CHttpCommParam* CHttpComm::TakeJob()
{
    CCriticalSectionLock lock(m_cs);
    m_bWorkerWaits = !m_bRunning || m_lstJobs.IsEmpty();
    if (m_bWorkerWaits)
        return nullptr;
    return static_cast<CHttpCommParam*>(m_lstJobs.RemoveHead());
}

void CHttpComm::ToDo(CHttpCommParam* p)
{
    if (!p)
        return;
    bool deliver = false;
    try {
        deliver = RunRequest(*p);
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
        // p goes without a message, as for a command that cannot be converted
    }
    if (deliver)
        Deliver(p);
    else
        delete p;
    m_pAnsweredExchange.reset();
}

bool CHttpComm::RunRequest(CHttpCommParam& p)
{
    CXmlTreeCtrl* tree = p.GetParam();
    // Without COM on this thread no answer could be read: nothing is sent.
    APTTYPE apartment;
    APTTYPEQUALIFIER qualifier;
    if (!tree || FAILED(::CoGetApartmentType(&apartment, &qualifier)))
        return false;
    // The command's text is written straight from the tree: the answer's is the request's only
    // document.
    CString text;
    const HRESULT converted = CConvertXml::ConvertTreeToText(tree, text);
    if (FAILED(converted))
        return false;
    // A tree the conversion refused in part (an item name the XML component does not take, a
    // second top-level item) would go out as another, truncated command: nothing is sent, and
    // the window learns that the command could not be converted, as for an empty tree.
    if (converted != S_OK) {
        p.SetErrInfo(kErrConvert);
        p.SetRet(-1);
        return true;
    }
    IXMLDOMDocumentPtr answer;
    _bstr_t answerText;
    CString err;
    if (!DoRequest(text, answer, answerText, err)) {
        p.SetErrInfo(err);
        p.SetRet(-1);
        return true;
    }
    p.SetErrInfo(CString());
    p.SetRet(0);
    tree->DeleteAllItem();
    CConvertXml::ConvertXmlToTree(answer, tree, answerText.GetBSTR());
    return true;
}

int CHttpComm::DoRequest(const CString& text, IXMLDOMDocumentPtr& doc, _bstr_t& answer, CString& err)
{
    if (!sendRequest(text, doc, answer, err))
        return 0;
    if (doc == nullptr) {
        err = kErrNotWhole;
        return 0;
    }
    return 1;
}

int CHttpComm::sendRequest(const CString& text, IXMLDOMDocumentPtr& doc, _bstr_t& answer, CString& err)
{
    err.Empty();
    CloseSessionOfOldServer();
    if (!m_pConnection && !GetInternetSession()) {
        err = kErrInitialize;
        return 0;
    }
    doc = nullptr;
    try {
        std::string answerBytes;
        DWORD status = 0;
        if (!ReceiveAnswer(ToUtf8(text), answerBytes, status, err))
            return 0;

        // The service never declares a document type; one could define entities that expand
        // into gigabytes. The checks read the bytes: '<' and the declaration are ASCII, which
        // UTF-8 never uses inside another character.
        if (answerBytes.find("<!DOCTYPE") != std::string::npos) {
            err = kErrDocumentType;
            return 0;
        }
        if (std::count(answerBytes.begin(), answerBytes.end(), '<') > kMaxAnswerTags) {
            err = kErrTooManyTags;
            return 0;
        }
        if (MostAttributesInOneTag(answerBytes) > kMaxAnswerAttributes) {
            err = kErrTooManyAttributes;
            return 0;
        }
        // The answer stays whole: it is decoded from UTF-8 as it came, never passed through
        // the system's ANSI code page (which would turn foreign characters into '?'). Only the
        // text and then the document are held: the bytes go once decoded.
        answer = BstrFromUtf8(answerBytes);
        std::string().swap(answerBytes);
        if (answer.length() == 0)
            return 0;
        if (CConvertXml::BstrToXml(answer, doc) == S_FALSE) {
            doc = nullptr;
            err = kErrParse;
            return 0;
        }
        // A failure status (a proxy's or a server's error page that happens to be XML) is no
        // answer; a "tavo" document is, whatever the status, as the service words its own
        // errors in it.
        if ((status < 200 || status > 299) && !(doc != nullptr && HasServiceRoot(doc))) {
            doc = nullptr;
            err.Format(kErrStatus, status);
            return 0;
        }
        return 1;
    } catch (CInternetException* e) {
        err = ErrorTextOf(*e);
        e->Delete();
        CloseInternetSession(); // the next request opens a new session
        return 0;
    } catch (CException* e) {
        err = ErrorTextOf(*e);
        e->Delete();
        return 0;
    } catch (...) {
        err = kErrUnknown;
        return 0;
    }
}

int CHttpComm::ReceiveAnswer(std::string body, std::string& bytes, DWORD& status, CString& err)
{
    if (body.empty()) {
        err = kErrConvert;
        return 0;
    }
    const ULONGLONG deadline = ::GetTickCount64() + m_dwAnswerDeadlineMs;
    AnswerEnd end = AnswerEnd::TooSlow;
    ASSERT(!m_pAnsweredExchange); // a request is let go before the next one opens
    auto exchange = std::make_unique<CHttpExchange>(*m_pConnection, m_strObject, kRequestFlags, deadline, m_pSignal);
    if (exchange->Send(std::move(body))) {
        status = exchange->StatusCode();
        end = ReadAnswer(*exchange, bytes);
    }
    if (end == AnswerEnd::Whole) {
        m_pAnsweredExchange = std::move(exchange);
        return 1;
    }
    exchange.reset();
    // A request given up at its deadline goes on on one of WinInet's threads, which lets it go
    // whenever the server ends: the next request is opened on a new session, whose connection
    // that late end does not touch.
    if (end == AnswerEnd::TooSlow)
        CloseInternetSession();
    err = end == AnswerEnd::TooLong ? kErrTooLong : kErrTooSlow;
    return 0;
}

void CHttpComm::CloseSessionOfOldServer()
{
    UINT generation = 0;
    {
        CCriticalSectionLock lock(m_cs);
        generation = m_nServerGeneration;
    }
    if (generation == m_nSessionGeneration)
        return;
    CloseInternetSession();
    m_nSessionGeneration = generation;
}

CHttpConnection* CHttpComm::GetInternetSession()
{
    if (m_pConnection)
        return m_pConnection;
    CloseInternetSession();
    CString server;
    {
        CCriticalSectionLock lock(m_cs);
        server = m_strServer;
        m_nSessionGeneration = m_nServerGeneration;
    }
    DWORD service = 0;
    CString host;
    INTERNET_PORT port = 0;
    if (!AfxParseURL(server, service, host, m_strObject, port) || service != AFX_INET_SERVICE_HTTP)
        return nullptr;
    {
        CCriticalSectionLock lock(m_cs);
        m_nPort = port;
    }
    try {
        m_pSession = new CInternetSession(kAgent, 0, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, INTERNET_FLAG_ASYNC);
        if (!m_pSession->SetTimeouts(kNetworkTimeoutMs))
            TRACE(L"CHttpComm: WinInet refused a time-out; its defaults stay\n");
        m_pConnection = m_pSession->GetHttpConnection(host, port, nullptr, nullptr);
    } catch (CException* e) {
        e->Delete();
        CloseInternetSession();
    }
    return m_pConnection;
}

void CHttpComm::CloseInternetSession()
{
    // The connection goes first: closing a session also ends the handles made from it. No
    // request of the connection is open any more (the worker closes each before it goes on).
    ASSERT(!m_pAnsweredExchange);
    delete m_pConnection;
    m_pConnection = nullptr;
    delete m_pSession;
    m_pSession = nullptr;
}

void CHttpComm::Deliver(CHttpCommParam* p)
{
    UINT message = 0;
    {
        CCriticalSectionLock lock(m_cs);
        message = m_nMsg;
    }
    // A window that is gone, or one destroyed since IsWindow, gets nothing: p is destroyed.
    const HWND wnd = p->GetMsgWnd();
    if (::IsWindow(wnd) && ::PostMessageW(wnd, message, p->GetType(), reinterpret_cast<LPARAM>(p)))
        return;
    delete p;
}

bool CHttpComm::WaitForWorker(DWORD timeoutMs) const
{
    return ::WaitForSingleObject(m_hThread.Get(), timeoutMs) != WAIT_TIMEOUT;
}
