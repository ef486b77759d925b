// CHttpFileTransmit: the upload over a plain socket, the download over WinInet, and the life of
// the two workers.
//
// The service's file server reads the upload byte for byte as it is built here: the request
// header, the fixed boundary, one part declared text/plain whose file name is the full local
// path, and a closing delimiter without the final "--". Nothing of that may change.
//
// A job belongs to its direction's queue until its worker takes it, to the worker while it runs
// and until its completion message returns, then it is destroyed. The transfer in progress (the
// upload's socket, the download's request) is published under the direction's lock, so that a
// stop can cancel it from another thread.

#include <winsock2.h>

#include <HttpFileTransmit.h>

#include "TransferQueue.h"

#include <afxinet.h>

#include <string>

namespace {

const wchar_t kAgent[] = L"HttpFileTransmit";
const char kBoundary[] = "---------------------------7d4a07080525d2";
const int kChunk = 1024;           // bytes of an upload read and sent at a time
const UINT kReadChunk = 1023;      // bytes of a download read at a time
const DWORD kConnectSliceMs = 100; // a stop is noticed this often while connecting

const wchar_t kErrTooLong[] = L"File length is too long!";
const wchar_t kErrUrl[] = L"Http server's url is'nt right!";
const wchar_t kErrCreateSocket[] = L"Create socket error!";
const wchar_t kErrAddress[] = L"Get server addr error!";
const wchar_t kErrConnect[] = L"Connect server error!";
const wchar_t kErrHeader[] = L"Send Request header error!";
const wchar_t kErrSendFile[] = L"Send file error";
const wchar_t kErrInetConnect[] = L"Failed to connect";
const wchar_t kErrOpenRequest[] = L"Failed to open request handle";
const wchar_t kErrSendRequest[] = L"Error on HttpSendRequest %lu";
const wchar_t kErrNotFound[] = L"Error:file not found!";
const wchar_t kErrCreateFile[] = L"Create local file error!";

// Text in the system's ANSI code page, as the server reads it. A character the code page lacks
// becomes '_': the platform's default '?' and its "best fit" look-alikes (a full-width quotation
// mark turned into '"') could break the quoted file name or the request line.
std::string ToAnsi(const CString& text)
{
    const int length = text.GetLength();
    if (length == 0)
        return std::string();
    // The UTF-8 code page takes neither flag nor replacement character, and lacks no character.
    const bool utf8 = ::GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* replacement = utf8 ? nullptr : "_";
    const int size = ::WideCharToMultiByte(CP_ACP, flags, text, length, nullptr, 0, replacement, nullptr);
    if (size <= 0)
        return std::string();
    std::string bytes(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, flags, text, length, &bytes[0], size, replacement, nullptr);
    return bytes;
}

struct HttpUrl {
    CString host;
    CString object; // path and query
    INTERNET_PORT port = 0;
};

// Splits an HTTP URL. A path with spaces or control characters is refused: it would break the
// request line (or add header lines to it).
bool SplitHttpUrl(const CString& url, HttpUrl& parts)
{
    DWORD service = 0;
    if (!AfxParseURL(url, service, parts.host, parts.object, parts.port) || service != AFX_INET_SERVICE_HTTP)
        return false;
    for (int i = 0; i < parts.object.GetLength(); ++i) {
        if (parts.object[i] <= L' ' || parts.object[i] == 0x7F)
            return false;
    }
    if (parts.port == 0)
        parts.port = INTERNET_DEFAULT_HTTP_PORT;
    return true;
}

std::string PartHeader(const std::string& file)
{
    return std::string("--") + kBoundary + "\r\nContent-Disposition: form-data; name=\"file1\";filename=\"" + file +
           "\"\r\nContent-Type: text/plain\r\n\r\n";
}

std::string Closing()
{
    return std::string("\r\n--") + kBoundary + "\r\n\r\n";
}

// The part header, the file and the closing: the file name's length + the file's + 180.
DWORD ContentLength(const std::string& file, DWORD length)
{
    return static_cast<DWORD>(PartHeader(file).size() + Closing().size()) + length;
}

std::string RequestHeader(const std::string& object, const std::string& host, DWORD contentLength)
{
    return "POST " + object +
           " HTTP/1.1\r\nAccept: */*\r\nAccept-Language: zh-cn\r\nContent-Type: multipart/form-data; boundary=" +
           kBoundary +
           "\r\nAccept-Encoding: gzip, deflate\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.2; "
           "MyIE2; .NET CLR 1.1.4322; .NET CLR 1.0.3705)\r\nHost: " +
           host + "\r\nContent-Length: " + std::to_string(contentLength) +
           "\r\nConnection: Keep-Alive\r\nCache-Control: no-cache\r\n\r\n";
}

// Opens a disk file; a name that leads to a device (NUL, CON, COM1, a pipe ...) is refused
// with ERROR_BAD_PATHNAME, after the open that told it apart.
HANDLE OpenDiskFile(const CString& path, DWORD access, DWORD disposition)
{
    CKernelHandle file(::CreateFileW(path, access, FILE_SHARE_READ | (access == GENERIC_READ ? FILE_SHARE_WRITE : 0),
                                     nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return INVALID_HANDLE_VALUE;
    if (::GetFileType(file.Get()) != FILE_TYPE_DISK) {
        file.Reset();
        ::SetLastError(ERROR_BAD_PATHNAME);
        return INVALID_HANDLE_VALUE;
    }
    return file.Release();
}

// The host's IPv4 address: its name resolved, else the host read as a dotted address.
bool ResolveHost(const CString& host, in_addr& address)
{
    const std::string name = ToAnsi(host);
    const hostent* entry = ::gethostbyname(name.c_str());
    if (entry && entry->h_addrtype == AF_INET && entry->h_length == sizeof(in_addr) && entry->h_addr_list[0]) {
        memcpy(&address, entry->h_addr_list[0], sizeof(address));
        return true;
    }
    const unsigned long dotted = ::inet_addr(name.c_str());
    if (dotted == INADDR_NONE)
        return false;
    address.s_addr = dotted;
    return true;
}

// Connects s within timeoutMs; a stop (keepGoing false) ends the attempt. The socket is blocking
// again afterwards.
bool ConnectWithin(SOCKET s, const sockaddr_in& address, DWORD timeoutMs, const std::function<bool()>& keepGoing)
{
    u_long nonBlocking = 1;
    if (::ioctlsocket(s, FIONBIO, &nonBlocking) != 0)
        return false;
    if (::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        if (::WSAGetLastError() != WSAEWOULDBLOCK)
            return false;
        const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
        for (;;) {
            fd_set writable;
            fd_set failed;
            FD_ZERO(&writable);
            FD_ZERO(&failed);
            FD_SET(s, &writable);
            FD_SET(s, &failed);
            timeval slice = {0, static_cast<long>(kConnectSliceMs * 1000)};
            const int ready = ::select(0, nullptr, &writable, &failed, &slice);
            if (ready < 0 || FD_ISSET(s, &failed))
                return false;
            if (ready > 0)
                break;
            if (!keepGoing() || ::GetTickCount64() >= deadline)
                return false;
        }
    }
    nonBlocking = 0;
    const DWORD timeout = CHttpFileTransmit::kSocketTimeoutMs;
    return ::ioctlsocket(s, FIONBIO, &nonBlocking) == 0 &&
           ::setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeout), sizeof(timeout)) == 0;
}

enum class BodyEnd { Whole, Broken, TooLong };

// Writes the answer's body into out while keepGoing holds. A body shorter than the length the
// answer declared is broken: the server or the connection failed before its end.
BodyEnd ReceiveBody(CHttpFile& request, HANDLE out, const DWORD* declared, const std::function<bool()>& keepGoing)
{
    char buffer[kReadChunk];
    DWORD total = 0;
    try {
        for (;;) {
            if (!keepGoing())
                return BodyEnd::Broken;
            const UINT read = request.Read(buffer, kReadChunk);
            if (read == 0)
                break;
            if (read > CHttpFileTransmit::kMaxDownloadLength - total)
                return BodyEnd::TooLong;
            DWORD written = 0;
            if (!::WriteFile(out, buffer, read, &written, nullptr) || written != read)
                return BodyEnd::Broken;
            total += read;
        }
    } catch (CException* e) {
        e->Delete();
        return BodyEnd::Broken;
    }
    return !declared || total == *declared ? BodyEnd::Whole : BodyEnd::Broken;
}

} // namespace

CHttpFileTransmit::CHttpFileTransmit() : CHttpFileTransmit(nullptr)
{
}

CHttpFileTransmit::CHttpFileTransmit(HWND wnd) : m_hWnd(wnd)
{
    m_pUp = std::make_unique<CTransferQueue>([this](CFileTranRequest* p) { DoUpload(p); },
                                             [this](CFileTranRequest* p) {
                                                 p->m_strErrInfo = kErrSendFile;
                                                 Complete(p);
                                             });
    m_pDown = std::make_unique<CTransferQueue>([this](CFileTranRequest* p) { DoDownload(p); },
                                               [this](CFileTranRequest* p) { Complete(p); });
    Start();
}

CHttpFileTransmit::~CHttpFileTransmit()
{
    m_pUp->BeginStop();
    m_pDown->BeginStop();
    CancelTransfers();
    const ULONGLONG deadline = ::GetTickCount64() + kStopWaitMs;
    m_pUp->FinishStop(deadline);
    m_pDown->FinishStop(deadline);
    // What a worker ended by force left open.
    m_socket.Reset();
    m_pRequest.reset();
    m_pConnect.reset();
    m_pSession.reset();
}

void CHttpFileTransmit::Start()
{
    try {
        m_pSession = std::make_unique<CInternetSession>(kAgent, 1, PRE_CONFIG_INTERNET_ACCESS);
    } catch (CException* e) {
        e->Delete();
        return;
    }
    // WinInet's own time-outs bound a server that stops answering; a stop does not wait for them.
    if (!m_pSession->SetTimeouts(kSocketTimeoutMs))
        TRACE(L"CHttpFileTransmit: WinInet refused a time-out; its defaults stay\n");
    m_pUp->Start();
    m_pDown->Start();
}

int CHttpFileTransmit::UploadFile(CString file, CString url, HWND wnd)
{
    if (!m_pUp->IsRunning())
        return 0;
    const DWORD length = UploadLength(file);
    m_pUp->Add(new CFileTranRequest(url, file, length, NextSequenceNumber(), FILE_TRAN_UPLOAD, wnd));
    return 1;
}

int CHttpFileTransmit::UploadFile(CString file, CString& url, CString& sip, CString sessionid, HWND wnd)
{
    if (!m_pUp->IsRunning())
        return 0;
    const DWORD length = UploadLength(file);
    m_pUp->Add(new CFileTranRequest(url, sip, sessionid, file, length, NextSequenceNumber(), FILE_TRAN_UPLOAD, wnd));
    return 1;
}

int CHttpFileTransmit::DownloadFile(CString url, CString file, HWND wnd)
{
    if (!m_pDown->IsRunning())
        return 0;
    m_pDown->Add(new CFileTranRequest(url, file, 0, NextSequenceNumber(), FILE_TRAN_DOWNLOAD, wnd));
    return 1;
}

int CHttpFileTransmit::DownloadFile(CString& url, CString& mysip, CString& sessionid, CString& destsip, CString file,
                                    HWND wnd)
{
    if (!m_pDown->IsRunning())
        return 0;
    m_pDown->Add(
        new CFileTranRequest(url, mysip, sessionid, destsip, file, 0, NextSequenceNumber(), FILE_TRAN_DOWNLOAD, wnd));
    return 1;
}

UINT CHttpFileTransmit::NextSequenceNumber()
{
    // Kept below 1000 rather than growing: at its wrap a growing counter would break the cycle.
    unsigned int counter = g_nSequence.load();
    while (!g_nSequence.compare_exchange_weak(counter, (counter + 1) % 1000)) {
    }
    return counter % 1000 + 1;
}

DWORD CHttpFileTransmit::UploadLength(const CString& file)
{
    const CKernelHandle handle(OpenDiskFile(file, GENERIC_READ, OPEN_EXISTING));
    LARGE_INTEGER size = {};
    if (!handle || !::GetFileSizeEx(handle.Get(), &size)) {
        const LONG error = static_cast<LONG>(::GetLastError());
        AfxThrowFileException(CFileException::OsErrorToException(error), error, file);
    }
    // A size beyond 32 bits must not wrap into a small, accepted length.
    return size.QuadPart > MAXDWORD ? MAXDWORD : static_cast<DWORD>(size.QuadPart);
}

void CHttpFileTransmit::DoUpload(CFileTranRequest* p)
{
    if (!p)
        return;
    p->m_nRet = -1;
    CString error;
    if (InitHttpUpload(p->m_strUrl, p->m_strFile, p->m_dwLength, error)) {
        if (HttpUploadFileEx(*p)) {
            error.Empty();
            p->m_nRet = 0;
        } else {
            error = kErrSendFile;
        }
    }
    p->m_strErrInfo = error;
    SetSocket(INVALID_SOCKET);
    m_pUp->Release(p);
    Complete(p);
}

bool CHttpFileTransmit::InitHttpUpload(const CString& url, const CString& file, DWORD length, CString& error)
{
    if (length == 0 || length > kMaxUploadLength) {
        error = kErrTooLong;
        return false;
    }
    HttpUrl parts;
    if (!SplitHttpUrl(url, parts)) {
        error = kErrUrl;
        return false;
    }
    if (!ConnectToServer(parts.host, parts.port, error))
        return false;
    const std::string header =
        RequestHeader(ToAnsi(parts.object), ToAnsi(parts.host), ContentLength(ToAnsi(file), length));
    if (!SendAll(header.data(), static_cast<int>(header.size()))) {
        error = kErrHeader;
        return false;
    }
    return true;
}

bool CHttpFileTransmit::ConnectToServer(const CString& host, WORD port, CString& error)
{
    SetSocket(INVALID_SOCKET);
    CSocketHandle s(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    if (!s) {
        error = kErrCreateSocket;
        return false;
    }
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = ::htons(port);
    if (!ResolveHost(host, address.sin_addr)) {
        error = kErrAddress;
        return false;
    }
    if (!ConnectWithin(s.Get(), address, kSocketTimeoutMs, [this] { return m_pUp->IsRunning(); })) {
        error = kErrConnect;
        return false;
    }
    SetSocket(s.Release());
    return true;
}

bool CHttpFileTransmit::HttpUploadFileEx(const CFileTranRequest& p)
{
    const CKernelHandle file(OpenDiskFile(p.m_strFile, GENERIC_READ, OPEN_EXISTING));
    if (!file)
        return false;
    const std::string partHeader = PartHeader(ToAnsi(p.m_strFile));
    const std::string closing = Closing();
    return SendAll(partHeader.data(), static_cast<int>(partHeader.size())) &&
           SendFileChunks(
               file.Get(), p.m_dwLength, [this](const char* data, int length) { return SendAll(data, length); },
               [this] { return m_pUp->IsRunning(); }) &&
           SendAll(closing.data(), static_cast<int>(closing.size()));
}

bool CHttpFileTransmit::SendFileChunks(HANDLE file, DWORD length, const std::function<bool(const char*, int)>& send,
                                       const std::function<bool()>& keepGoing)
{
    char buffer[kChunk];
    for (DWORD left = length; left > 0;) {
        if (!keepGoing())
            return false;
        const DWORD chunk = left < kChunk ? left : kChunk;
        DWORD read = 0;
        // A file that shrank since it was queued cannot fill the length the header announced.
        if (!::ReadFile(file, buffer, chunk, &read, nullptr) || read != chunk)
            return false;
        if (!send(buffer, static_cast<int>(chunk)))
            return false;
        left -= chunk;
    }
    return true;
}

bool CHttpFileTransmit::SendAll(const char* data, int length)
{
    while (length > 0) {
        const int sent = ::send(m_socket.Get(), data, length, 0);
        if (sent <= 0)
            return false;
        data += sent;
        length -= sent;
    }
    return true;
}

void CHttpFileTransmit::SetSocket(SOCKET s)
{
    const CCriticalSectionLock lock(m_pUp->Lock());
    m_socket.Reset(s);
    if (m_socket && !m_pUp->IsRunning())
        ::shutdown(m_socket.Get(), SD_BOTH); // a stop came before the socket was published
}

void CHttpFileTransmit::DoDownload(CFileTranRequest* p)
{
    if (!p)
        return;
    p->m_nRet = -1;
    CString error;
    if (InitHttpDownload(p->m_strUrl, error) && HttpDownloadFileEx(p->m_strFile, error))
        p->m_nRet = 0;
    p->m_strErrInfo = error;
    SetDownloadHandles(nullptr, nullptr);
    m_pDown->Release(p);
    Complete(p);
}

bool CHttpFileTransmit::InitHttpDownload(const CString& url, CString& error)
{
    SetDownloadHandles(nullptr, nullptr);
    HttpUrl parts;
    if (!SplitHttpUrl(url, parts)) {
        error = kErrUrl;
        return false;
    }
    std::unique_ptr<CHttpConnection> connection;
    try {
        if (m_pSession)
            connection.reset(m_pSession->GetHttpConnection(parts.host, parts.port, nullptr, nullptr));
    } catch (CException* e) {
        e->Delete();
    }
    if (!connection) {
        error = kErrInetConnect;
        return false;
    }
    std::unique_ptr<CHttpFile> request;
    try {
        request.reset(connection->OpenRequest(L"GET", parts.object, nullptr, 1, nullptr, L"HTTP/1.0",
                                              INTERNET_FLAG_NO_CACHE_WRITE));
    } catch (CException* e) {
        e->Delete();
        error = kErrOpenRequest;
        return false;
    }
    SetDownloadHandles(std::move(connection), std::move(request));
    return true;
}

bool CHttpFileTransmit::HttpDownloadFileEx(const CString& file, CString& error)
{
    CHttpFile& request = *m_pRequest;
    try {
        request.SendRequest();
    } catch (CInternetException* e) {
        error.Format(kErrSendRequest, e->m_dwError);
        e->Delete();
        return false;
    }
    // The file server marks a picture it has with exactly this type; the standard image/jpeg
    // does not contain it and is refused like any other answer.
    CString type;
    if (!request.QueryInfo(HTTP_QUERY_CONTENT_TYPE, type) || type.Find(L"image/jpg") < 0) {
        error = kErrNotFound;
        return false;
    }
    DWORD declared = 0;
    const bool hasLength = request.QueryInfo(HTTP_QUERY_CONTENT_LENGTH, declared) != FALSE;
    if (hasLength && declared > kMaxDownloadLength) {
        error = kErrTooLong;
        return false;
    }
    CKernelHandle out(OpenDiskFile(file, GENERIC_WRITE, CREATE_ALWAYS));
    if (!out) {
        error = kErrCreateFile;
        return false;
    }
    const BodyEnd end =
        ReceiveBody(request, out.Get(), hasLength ? &declared : nullptr, [this] { return m_pDown->IsRunning(); });
    out.Reset();
    if (end == BodyEnd::Whole)
        return true;
    ::DeleteFileW(file); // no partial picture stays behind
    if (end == BodyEnd::TooLong)
        error = kErrTooLong;
    return false;
}

void CHttpFileTransmit::SetDownloadHandles(std::unique_ptr<CHttpConnection> connection,
                                           std::unique_ptr<CHttpFile> request)
{
    const CCriticalSectionLock lock(m_pDown->Lock());
    // The request goes before its connection.
    m_pRequest = std::move(request);
    m_pConnect = std::move(connection);
    if (m_pRequest && !m_pDown->IsRunning())
        m_pRequest->Close(); // a stop came before the request was published
}

void CHttpFileTransmit::CancelTransfers()
{
    {
        const CCriticalSectionLock lock(m_pUp->Lock());
        if (m_socket)
            ::shutdown(m_socket.Get(), SD_BOTH); // ends a blocked send at once
    }
    const CCriticalSectionLock lock(m_pDown->Lock());
    if (m_pRequest)
        m_pRequest->Close(); // WinInet fails the blocked send or read (where the platform can)
}

void CHttpFileTransmit::Complete(CFileTranRequest* p)
{
    const HWND receiver = p->m_hWnd ? p->m_hWnd : m_hWnd;
    if (receiver)
        ::SendMessageW(receiver, FILE_TRAN_DONE, static_cast<WPARAM>(p->m_nType), reinterpret_cast<LPARAM>(p));
    delete p;
}
