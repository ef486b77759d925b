// CHttpExchange: a request of an asynchronous WinInet session and the waits for its calls.
//
// WinInet reports the end of a call that went on in the background to the status callback of
// the request handle, on a thread of its own, with the handle's context: here the exchange's
// Shared part. That part also holds what WinInet reads or fills in the background (the body,
// the read buffer, the counts), so it lives until both the exchange and the handle are done
// with it: the handle's share is given back at INTERNET_STATUS_HANDLE_CLOSING, WinInet's last
// call for a handle, which comes only once no call of it runs any more. A late call for a request
// given up therefore touches nothing freed.

#include "HttpExchange.h"

#include <algorithm>
#include <atomic>

namespace {

const DWORD kReadChunk = 16 * 1024; // bytes read from the answer at a time
const DWORD kClosingWaitMs = 1000;  // bound of the wait for WinInet to let an ended request go

} // namespace

struct CHttpExchange::Shared {
    explicit Shared(std::shared_ptr<CExchangeSignal> wakes) : signal(std::move(wakes)) {}

    std::atomic<LONG> refs{1};
    const std::shared_ptr<CExchangeSignal> signal;
    // Of the last completion; written under the signal's lock.
    DWORD_PTR result = 0;
    DWORD error = 0;
    LONG completions = 0;
    bool closed = false; // WinInet reported the handle closing; under the signal's lock
    std::string body;
    char buffer[kReadChunk];
    DWORD count = 0; // bytes available or read

    void AddRef() { ++refs; }
    void Release()
    {
        if (--refs == 0)
            delete this;
    }
};

CHttpExchange::CHttpExchange(CHttpConnection& connection, const CString& object, DWORD flags, ULONGLONG deadline,
                             std::shared_ptr<CExchangeSignal> signal)
    : m_pShared(new Shared(std::move(signal))), m_deadline(deadline)
{
    ASSERT(m_pShared->signal);
    try {
        m_file.reset(connection.OpenRequest(L"POST", object, nullptr, reinterpret_cast<DWORD_PTR>(m_pShared), nullptr,
                                            L"HTTP/1.0", flags));
        if (::InternetSetStatusCallbackW(*m_file, &CHttpExchange::OnStatus) == INTERNET_INVALID_STATUS_CALLBACK)
            AfxThrowInternetException(0);
    } catch (...) {
        m_file.reset();
        m_pShared->Release();
        throw;
    }
    m_pShared->AddRef(); // the handle's share
}

CHttpExchange::~CHttpExchange()
{
    m_file.reset();
    // WinInet may let the request go on one of its threads, just after the end of its last call,
    // and Wine's WinInet unlinks it there from the connection without a lock: a request opened on
    // the connection at that moment could break the connection's list of requests, which is
    // walked when the connection closes. So the next request waits for this one's end, which
    // comes at once when no call of it runs any more; a request given up is left to WinInet.
    if (!m_bCallRunning)
        m_pShared->signal->Wait([this] { return m_pShared->closed; }, ::GetTickCount64() + kClosingWaitMs);
    m_pShared->Release();
}

void CALLBACK CHttpExchange::OnStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info, DWORD length)
{
    auto* shared = reinterpret_cast<Shared*>(context);
    if (!shared)
        return;
    if (status == INTERNET_STATUS_HANDLE_CLOSING) {
        shared->signal->Notify([shared] { shared->closed = true; });
        shared->Release();
    } else if (status == INTERNET_STATUS_REQUEST_COMPLETE && info && length >= sizeof(INTERNET_ASYNC_RESULT)) {
        const auto* result = static_cast<const INTERNET_ASYNC_RESULT*>(info);
        shared->signal->Notify([shared, result] {
            shared->result = result->dwResult;
            shared->error = result->dwError;
            ++shared->completions;
        });
    }
}

bool CHttpExchange::Send(std::string body)
{
    m_pShared->body = std::move(body);
    if (m_pShared->signal->Cancelled())
        Throw(ERROR_INTERNET_OPERATION_CANCELLED);
    if (!BeginCall())
        return false;
    const DWORD size = static_cast<DWORD>(m_pShared->body.size());
    return m_file->SendRequest(nullptr, 0, &m_pShared->body[0], size) || WaitForCompletion();
}

DWORD CHttpExchange::StatusCode() const
{
    DWORD status = 0;
    return m_file->QueryInfoStatusCode(status) ? status : 0;
}

bool CHttpExchange::Read(const char*& data, DWORD& size)
{
    data = m_pShared->buffer;
    size = 0;
    // First waits until some bytes have come (or the end): the read of no more than those then
    // takes them at once.
    DWORD& count = m_pShared->count;
    for (;;) {
        if (!BeginCall())
            return false;
        if (m_file->QueryDataAvailable(&count))
            break;
        if (!WaitForCompletion())
            return false;
    }
    if (count == 0)
        return true;
    if (!BeginCall())
        return false;
    if (!m_file->Read(m_pShared->buffer, std::min(count, kReadChunk), &count) && !WaitForCompletion())
        return false;
    size = count;
    return true;
}

bool CHttpExchange::BeginCall()
{
    if (::GetTickCount64() >= m_deadline)
        return false;
    // No call of this request runs now, so nothing changes the count while it is read.
    m_nCompletions = m_pShared->completions;
    return true;
}

bool CHttpExchange::WaitForCompletion()
{
    m_bCallRunning = true;
    Shared& shared = *m_pShared;
    DWORD_PTR result = 0;
    DWORD error = 0;
    const CExchangeSignal::WaitEnd end = shared.signal->Wait(
        [&] {
            result = shared.result;
            error = shared.error;
            return shared.completions != m_nCompletions;
        },
        m_deadline);
    if (end == CExchangeSignal::WaitEnd::Deadline)
        return false;
    if (end == CExchangeSignal::WaitEnd::Cancelled)
        Throw(ERROR_INTERNET_OPERATION_CANCELLED);
    m_bCallRunning = false;
    // A call failed when its result is FALSE; only then is dwError an error code (the end of an
    // InternetQueryDataAvailable puts the bytes available there).
    if (result == FALSE)
        Throw(error);
    return true;
}

void CHttpExchange::Throw(DWORD error) const
{
    AfxThrowInternetException(0, error != ERROR_SUCCESS ? error : ERROR_INTERNET_INTERNAL_ERROR);
}
