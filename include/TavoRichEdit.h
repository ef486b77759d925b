// CTavoRichEdit: the chat view, a rich-edit control that shows the conversation and takes the
// user's message. It turns emoticon shortcuts into embedded emoticons (animated through the
// emoticon animation component, else still pictures) and back into shortcuts, embeds bitmaps
// and picture files, and hands clicks on addresses and links to the shell or to their link
// objects. It shows invitations and file offers with their answers (CTavoRichLink) and the
// file-transfer components beside them. User-interface thread, except the invitation and
// transfer operations, which other threads may call: those that change the control run on the
// control's thread (the calling thread waits), and all of them hold m_lock.
#pragma once

#include "TavoKeyLink.h"
#include "TavoLink.h"
#include "TavoRichLink.h"
#include "VoDef.h"

#include <afxcmn.h>
#include <afxtempl.h>

#include <functional>

class COneFace;
struct ITransFile;

// How the owner closes a file link (ProcessFileLink); any value above FILE_CANCELED is an error.
enum FILE_TYPE { FILE_FINISHED = 0, FILE_REJECTED = 1, FILE_CANCELED = 2, FILE_ERROR = 3 };

class VO_API CTavoRichEdit : public CRichEditCtrl {
    DECLARE_DYNAMIC(CTavoRichEdit)
public:
    // Loads the emoticon catalogue if it is not loaded.
    CTavoRichEdit();
    // Releases the OLE interface and destroys the links still held.
    ~CTavoRichEdit() override;

    // ---- Set-up ----
    // Gets the OLE interface (once), adds ENM_LINK to the event mask and limits the text to
    // 65535 characters. Runs at creation; a caller that subclasses a window calls it itself.
    void Init();
    void SetImageFaces(CImageList* pImageFaces) { m_pImageFaces = pImageFaces; }
    void SetDestUser(const wchar_t* name) { m_strDestUser = name; }
    // enable 0: addresses are detected (and linked) everywhere; 1: only while AppendMsg runs.
    void SetEnLink(int enable);
    // Left indent of the selection's paragraphs in steps of 180 twips, left aligned; the
    // control's answer.
    int SetIndent(int steps);

    // ---- Messages ----
    // Appends one message at the end, indented by indent steps, after the bitmap resource
    // bitmapId (0: none); shortcuts become emoticons. An empty text appends a line feed. format
    // may be null (the current format stays).
    void AppendMsg(const wchar_t* text, CHARFORMATW* format, UINT bitmapId, int indent);
    // The same in the control's default format recoloured with colour.
    void AppendMsg(const wchar_t* text, COLORREF colour, UINT bitmapId, int indent);
    // The whole content as a message text (emoticons as their first shortcuts), appended to
    // text; with clear the content is deleted afterwards.
    void GetText(CString& text, int clear);
    // The plain text of [start, end) (embedded objects give nothing); its length.
    int GetText(int start, int end, CString& text) const;

    // ---- Embedded pictures ----
    // The animated emoticon of the picture file at the insertion point, user value index;
    // 1 on success, 0 (nothing inserted) when the component is missing or fails.
    int InsertAnimate(const wchar_t* file, int index);
    // The bitmap resource bitmapId (found through the resource chain) at pos (below 0: the
    // end), user value 0; 0 when the resource is missing or the insertion fails.
    int InsertBitmap(UINT bitmapId, int pos);
    // The picture file (BMP, GIF, JPEG, icon, metafile) as a still picture at the insertion
    // point, user value userValue; the text around it stays. 0 when the file cannot be loaded,
    // is larger than kMaxPictureSide on a side, or the insertion fails.
    int InsertBitmap(CString file, int userValue);

    // ---- Links ----
    // Records the text length: keyword links are looked for after it (SetKeyWords).
    void CaculateLastPos();
    // Links the first occurrence of the keyword's text after the recorded position to its
    // keyword link (CTavoKeyLink::add); nothing when it does not occur.
    void SetKeyWords(CKeyWord* keyword);
    // Makes [start, end) a link to link and puts the insertion point at end.
    void SetTextToLink(int start, int end, CTavoLink* link);
    // Appends text as a link to link; the text after it is drawn in the automatic colour again.
    void AddLink(const wchar_t* text, CTavoLink* link);

    // ---- Invitations and file transfers ----
    // Appends the bitmap resource bitmapId and an invitation of kind (LINK_AUDIO, LINK_VIDEO,
    // LINK_AV) with its answers; nothing when the bitmap cannot be loaded.
    void InsertAVLink(int kind, int outgoing, UINT bitmapId);
    // Appends the file-transfer component of the transfer and its offer with the answers; where
    // the component is not installed, a dark red line saying so.
    void InsertFile(int transferId, const wchar_t* path, unsigned __int64 size, int outgoing);
    // Closes the pending invitation of kind (an audio-and-video one answers any kind) as the
    // matching answer would: accepted, else cancelled or rejected.
    void ProcessAVLink(int kind, int accepted, int cancelled);
    // Closes it with text in place of its sentence.
    void ProcessAVLink(int kind, const wchar_t* text);
    // Closes the pending file link of the transfer: finished (savedPath, may be null, shown for
    // an incoming file), rejected, cancelled, or failed with errorCode. param is not used.
    void ProcessFileLink(FILE_TYPE result, int transferId, int param, CString* savedPath, int errorCode);
    // 1 while a link of kind, or an audio-and-video invitation, is pending.
    int ExistLink(int kind);
    // Moves the pending file links to the end of out; the caller owns them then.
    void GetFileLinks(CPtrList& out);
    // The transfer's component: with text null its progress becomes value, else its status
    // text, and final ends the transfer's entry. lock: take m_lock.
    void SetFileAxInfo(const wchar_t* text, int transferId, int value, int final, int lock);

    // The largest side of a picture file InsertBitmap embeds, in pixels.
    static const int kMaxPictureSide = 4096;

protected:
    // The picture file drawn on the control's background colour into a new bitmap of its pixel
    // size (the caller owns it); null when index is not a catalogue position or the picture
    // cannot be loaded or drawn. The control keeps its background colour.
    HBITMAP GetImage(const wchar_t* file, UINT index);
    // Appends text at the end in format (null: the current one), with no undo record.
    void AddText(const wchar_t* text, CHARFORMATW* format);
    // The live link named by dwKey: one of m_listLinks or a keyword link; null for any other.
    CTavoLink* FindLiveLink(DWORD dwKey);
    // Creates the file-transfer component, gives it caption, file name, size and the transfer
    // id, and inserts it at the insertion point; its ITransFile (the caller's reference), or
    // null with nothing inserted.
    static ITransFile* InsertTransFileAx(IRichEditOle* pRichEditOle, int transferId, const wchar_t* caption,
                                         const wchar_t* fileName, unsigned __int64 size);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg BOOL OnEnLink(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnRunOnWindowThread(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    BOOL m_bFocused;              // 1 while the control has the keyboard focus
    CImageList* m_pImageFaces;    // the caller's image list, stored only
    IRichEditOle* m_pRichEditOle; // the control's OLE interface, released by the destructor
    CString m_strDestUser;        // the chat partner's name
    BOOL m_bEnLink;               // link mode of SetEnLink
    int m_nLastPos;               // where the keyword search starts
    CRITICAL_SECTION m_lock;      // recursive: guards the lists and the insertions of links
    CPtrList m_listLinks;         // CTavoRichLink* of the invitation and file links shown, owned
    CPtrList m_listFileAx;        // file-transfer components still in progress (CTransFileAx*)

private:
    friend class CTavoRichLink;

    // The link whose click handler runs, and whether it was closed meanwhile (the handler's
    // caller then destroys it, never the closing).
    CTavoLink* m_pAnswering;
    BOOL m_bAnsweringClosed;
    // Keys of the ranges that show a file this control saved: the drive-letter paths it opens.
    CList<DWORD, DWORD> m_listSavedFileKeys;

    // Runs action on the control's thread; another thread waits for it.
    void RunOnWindowThread(const std::function<void()>& action);
    // Answers the first pending link that match accepts and destroys it; the closed ones that
    // match before it are destroyed too. Holds m_lock, on the control's thread.
    void ClosePendingLink(const std::function<bool(const CTavoRichLink&)>& match,
                          const std::function<void(CTavoRichLink&)>& answer);
    // Takes link out of m_listLinks and destroys it (later, if its click handler runs).
    void CloseLink(CTavoRichLink* link);
    void AddSavedFileKey(DWORD dwKey) { m_listSavedFileKeys.AddTail(dwKey); }
    // Whether the text is empty or ends with a line break.
    bool EndsWithLineBreak() const;
    void AppendWithFaces(const wchar_t* text, CHARFORMATW* format);
    int InsertFace(const COneFace& face);
    void ApplySelectionFormat(CHARFORMATW& format);
    void OpenLinkAt(const CHARRANGE& range, ENLINK* pLink);
};
