// CHttpFileTransmit: moves files between the client and the service's file server in the
// background. An upload goes as an HTTP multipart form over a plain TCP socket, a picture
// download comes by HTTP GET through WinInet; each direction has its own queue of
// CFileTranRequest jobs and its own worker, and each job that runs ends with one completion
// message (FILE_TRAN_DONE, sent) to its window. The host has initialised Winsock.
#pragma once

#include "FileTranRequest.h"
#include "VoDef.h"

#include <afx.h>

#include <atomic>
#include <functional>
#include <memory>

class CHttpConnection;
class CHttpFile;
class CInternetSession;
class CTransferQueue;

class VO_API CHttpFileTransmit {
public:
    // Store the default receiver of completion messages, open the WinInet session and, only if
    // that succeeds, start both workers.
    CHttpFileTransmit();
    explicit CHttpFileTransmit(HWND wnd);
    // Stops both workers: the transfers in progress are cancelled, the workers waited for at most
    // kStopWaitMs (taking the messages sent to this thread meanwhile, so a worker sending this
    // thread a completion message finishes) and ended by force after that. Queued jobs are
    // destroyed without message; no message comes after the destructor has returned.
    virtual ~CHttpFileTransmit();

    CHttpFileTransmit(const CHttpFileTransmit&) = delete;
    CHttpFileTransmit& operator=(const CHttpFileTransmit&) = delete;

    // Queue an upload of file to url (or to url + "/sip=" + sip + "&sessionid=" + sessionid).
    // 0 when the upload worker is not running; else 1. The file is opened to learn its length:
    // one that cannot be opened, or that is not a disk file (a device such as NUL or COM1),
    // raises CFileException.
    int UploadFile(CString file, CString url, HWND wnd = nullptr);
    int UploadFile(CString file, CString& url, CString& sip, CString sessionid, HWND wnd = nullptr);
    // Queue a download from url (or from url + "/mysip=" ... "&destsip=" + destsip) into file.
    // 0 when the download worker is not running; else 1.
    int DownloadFile(CString url, CString file, HWND wnd = nullptr);
    int DownloadFile(CString& url, CString& mysip, CString& sessionid, CString& destsip, CString file,
                     HWND wnd = nullptr);

    // Run one job, send its completion message and destroy it (the workers call them).
    void DoUpload(CFileTranRequest* p);
    void DoDownload(CFileTranRequest* p);

    static constexpr DWORD kStopWaitMs = 500;
    static constexpr DWORD kMaxUploadLength = 0x100000 - 1; // 1,048,575 bytes
    static constexpr DWORD kMaxDownloadLength = 16 * 0x100000;
    static constexpr DWORD kSocketTimeoutMs = 30000; // connect, each send; WinInet's time-outs too

protected:
    // The next job's sequence number, 1 to 1000, shared by every transmitter of the process.
    static UINT NextSequenceNumber();
    // Reads length bytes of file in chunks of 1024 (the last one holds the rest) and hands each
    // to send; asks keepGoing before each chunk. False when keepGoing, a read or a send fails,
    // or the file holds fewer bytes.
    static bool SendFileChunks(HANDLE file, DWORD length, const std::function<bool(const char*, int)>& send,
                               const std::function<bool()>& keepGoing);

    HWND m_hWnd;
    std::unique_ptr<CTransferQueue> m_pUp;
    std::unique_ptr<CTransferQueue> m_pDown;
    std::unique_ptr<CInternetSession> m_pSession; // agent "HttpFileTransmit", the system's proxy
    // The download in progress, and the socket of the upload in progress: published under the
    // direction's lock, so that a stop can cancel them.
    std::unique_ptr<CHttpConnection> m_pConnect;
    std::unique_ptr<CHttpFile> m_pRequest;
    CSocketHandle m_socket;

    static std::atomic<unsigned int> g_nSequence; // 0 to 999

private:
    void Start();
    int QueueUpload(CFileTranRequest* p);
    int QueueDownload(CFileTranRequest* p);
    // The next job's length: the file's size (more than 4 GiB counts as 4 GiB - 1: refused).
    static DWORD UploadLength(const CString& file);

    bool InitHttpUpload(const CString& url, const CString& file, DWORD length, CString& error);
    bool ConnectToServer(const CString& host, WORD port, CString& error);
    bool HttpUploadFileEx(const CFileTranRequest& p);
    bool SendAll(const char* data, int length);
    void SetSocket(SOCKET s);
    bool InitHttpDownload(const CString& url, CString& error);
    bool HttpDownloadFileEx(const CString& file, CString& error);
    // Publishes the download's connection and request, closing the ones before.
    void SetDownloadHandles(std::unique_ptr<CHttpConnection> connection, std::unique_ptr<CHttpFile> request);
    // Cancels the transfers in progress: the upload's socket is shut down, the download's
    // request closed.
    void CancelTransfers();
    // Sends the completion message of p to its receiver and destroys p.
    void Complete(CFileTranRequest* p);
};
