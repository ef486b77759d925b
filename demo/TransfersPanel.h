// The demo's file transfers: a file server on the loopback interface inside the demo (one
// server takes uploads, one serves a picture, one answers with a type the client refuses), a
// CHttpFileTransmit that uploads a file to it and downloads pictures from it, and one line per
// job for the main window's "Transfers" panel, filled in from the completion messages.
#pragma once

#include <vo_share.h>

#include <memory>

class LoopbackServer;

class CTransfersPanel {
public:
    // Lines of the panel: the servers' address, then one per job.
    static const int kLineCount = 4;

    CTransfersPanel();
    ~CTransfersPanel();
    CTransfersPanel(const CTransfersPanel&) = delete;
    CTransfersPanel& operator=(const CTransfersPanel&) = delete;

    // Starts the servers and queues the jobs; their completion messages go to wnd.
    void Start(HWND wnd);
    // Ends the transfers; no completion message comes after this.
    void Stop();
    // The completion message of a job: its line shows the result.
    void OnDone(const CFileTranRequest& request);
    bool IsDone() const { return m_nPending == 0; }
    const CStringArray& Lines() const { return m_lines; }

private:
    // Puts a job's line up as queued; its local file tells its completion message apart.
    void AddJobLine(LPCTSTR pszLabel, const CString& strFile);

    std::unique_ptr<LoopbackServer> m_pUploads;
    std::unique_ptr<LoopbackServer> m_pPictures;
    std::unique_ptr<LoopbackServer> m_pRefusing;
    std::unique_ptr<CHttpFileTransmit> m_pTransmit;
    CStringArray m_lines; // "label\tvalue"
    CStringArray m_files; // the local file of each line's job; empty for other lines
    CString m_strFolder;  // where the demo's files go
    int m_nPending;
};
