// The demo's file server is the loopback server of the tests: one server for every program that
// needs one.
#include "../tests/common/LoopbackServer.h"

#include "TransfersPanel.h"

#include <afxinet.h>

namespace {

const char kUploadText[] = "Vo_share demo upload: a multipart form over a plain socket.\r\n";

CString Port(const LoopbackServer& server)
{
    CString strPort;
    strPort.Format(L"%u", server.Port());
    return strPort;
}

std::string FileBytes(const CString& strPath)
{
    std::string bytes;
    CKernelHandle file(::CreateFileW(strPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    char buffer[4096];
    DWORD read = 0;
    while (file && ::ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    return bytes;
}

bool WriteBytes(const CString& strPath, const std::string& bytes)
{
    CKernelHandle file(::CreateFileW(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    return file && ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

DWORD FileSize(const CString& strPath)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    return ::GetFileAttributesExW(strPath, GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0;
}

// The path and query of a URL.
CString PathOf(const CString& strUrl)
{
    DWORD dwService = 0;
    CString strServer, strObject;
    INTERNET_PORT nPort = 0;
    return AfxParseURL(strUrl, dwService, strServer, strObject, nPort) ? strObject : strUrl;
}

LoopbackServer::Script Serving(LoopbackServer::Behaviour behaviour, const std::string& body, const char* type)
{
    LoopbackServer::Script script;
    script.behaviour = behaviour;
    script.body = body;
    script.contentType = type;
    return script;
}

} // namespace

CTransfersPanel::CTransfersPanel() : m_nPending(0)
{
    m_lines.Add(L"Server\tnot started");
}

CTransfersPanel::~CTransfersPanel()
{
    Stop();
}

void CTransfersPanel::Start(HWND wnd)
{
    CString strExe;
    GetExePath(strExe);
    // The picture served is one of the skin's bitmaps; the client does not look inside it.
    const std::string picture = FileBytes(strExe + L"\\skins\\default\\btn.bmp");
    wchar_t szTemp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, szTemp);
    m_strFolder = szTemp;
    const CString strUpload = m_strFolder + L"vo_demo_upload.txt";
    if (picture.empty() || !WriteBytes(strUpload, kUploadText)) {
        m_lines[0] = L"Server\tthe demo's files could not be made";
        return;
    }
    using Behaviour = LoopbackServer::Behaviour;
    m_pUploads = std::make_unique<LoopbackServer>(Serving(Behaviour::Drain, "", ""));
    m_pPictures = std::make_unique<LoopbackServer>(Serving(Behaviour::Answer, picture, "image/jpg"));
    m_pRefusing = std::make_unique<LoopbackServer>(Serving(Behaviour::Answer, picture, "image/jpeg"));
    m_lines[0] = L"Server\t127.0.0.1, ports " + Port(*m_pUploads) + L" (uploads), " + Port(*m_pPictures) + L" and " +
                 Port(*m_pRefusing) + L" (pictures)";

    m_pTransmit = std::make_unique<CHttpFileTransmit>(wnd);
    CString strUrl = m_pUploads->Url(L"/up").c_str();
    CString strMine = L"100";
    CString strPeer = L"200";
    CString strSession = L"demo";
    const CString strPicture = m_strFolder + L"vo_demo_picture.jpg";
    const CString strRefused = m_strFolder + L"vo_demo_refused.jpg";
    AddJobLine(L"Upload", strUpload);
    AddJobLine(L"Download", strPicture);
    AddJobLine(L"Download", strRefused);
    try {
        m_pTransmit->UploadFile(strUpload, strUrl, strMine, strSession);
    } catch (CException* e) {
        e->Delete();
    }
    CString strPictures = m_pPictures->Url(L"/pic").c_str();
    m_pTransmit->DownloadFile(strPictures, strMine, strSession, strPeer, strPicture);
    m_pTransmit->DownloadFile(m_pRefusing->Url(L"/pic").c_str(), strRefused);
}

void CTransfersPanel::Stop()
{
    m_pTransmit.reset();
    m_nPending = 0;
}

void CTransfersPanel::AddJobLine(LPCTSTR pszLabel, const CString& strFile)
{
    while (m_files.GetSize() < m_lines.GetSize())
        m_files.Add(CString());
    m_lines.Add(CString(pszLabel) + L"\t" + strFile.Mid(m_strFolder.GetLength()) + L" queued");
    m_files.Add(strFile);
    ++m_nPending;
}

void CTransfersPanel::OnDone(const CFileTranRequest& request)
{
    for (INT_PTR i = 0; i < m_files.GetSize(); ++i) {
        if (m_files[i].IsEmpty() || m_files[i].CompareNoCase(request.m_strFile) != 0)
            continue;
        const CString strLabel = m_lines[i].Left(m_lines[i].Find(L'\t'));
        CString strValue;
        if (request.m_nRet != 0)
            strValue.Format(L"job %u failed: \"%s\"", request.m_nId, static_cast<LPCTSTR>(request.m_strErrInfo));
        else if (request.m_nType == FILE_TRAN_UPLOAD)
            strValue.Format(L"job %u: %lu bytes sent to %s", request.m_nId, request.m_dwLength,
                            static_cast<LPCTSTR>(PathOf(request.m_strUrl)));
        else
            strValue.Format(L"job %u: picture of %lu bytes saved", request.m_nId, FileSize(request.m_strFile));
        m_lines[i] = strLabel + L"\t" + strValue;
        m_files[i].Empty();
        --m_nPending;
        return;
    }
}
