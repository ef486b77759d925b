// CTavoRichEdit: the chat view, a rich-edit control that shows the conversation and takes the
// user's message. It turns emoticon shortcuts into embedded emoticons (animated through the
// emoticon animation component, else still pictures) and back into shortcuts, embeds bitmaps
// and picture files, and hands clicks on addresses and links to the shell or to their link
// objects. User-interface thread, except the link operations, which hold m_lock.
#pragma once

#include "TavoKeyLink.h"
#include "TavoLink.h"
#include "VoDef.h"

#include <afxcmn.h>

class COneFace;

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

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg BOOL OnEnLink(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

    BOOL m_bFocused;              // 1 while the control has the keyboard focus
    CImageList* m_pImageFaces;    // the caller's image list, stored only
    IRichEditOle* m_pRichEditOle; // the control's OLE interface, released by the destructor
    CString m_strDestUser;        // the chat partner's name
    BOOL m_bEnLink;               // link mode of SetEnLink
    int m_nLastPos;               // where the keyword search starts
    CRITICAL_SECTION m_lock;      // recursive: guards the lists and the insertions of links
    CPtrList m_listLinks;         // CTavoLink* of the invitation and file links shown, owned
    CPtrList m_listFileAx;        // file-transfer components still in progress

private:
    void AppendWithFaces(const wchar_t* text, CHARFORMATW* format);
    int InsertFace(const COneFace& face);
    void ApplySelectionFormat(CHARFORMATW& format);
    void OpenLinkAt(const CHARRANGE& range, ENLINK* pLink);
};
