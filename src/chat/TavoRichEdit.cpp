// The chat view: messages with emoticons, embedded pictures, address and link clicks,
// invitations and file transfers.
#include <TavoRichEdit.h>

#include "chat/ChatShell.h"
#include "chat/RichEditOle.h"
#include "frame/LangModule.h"

#include <Faces.h>
#include <ImageDataObject.h>
#include <ImageShow.h>

#include <afxlite/AfxGdiScoped.h>
#include <afxlite/AfxScoped.h>

// The components' class and interface identifiers are defined here, their one user.
#include <initguid.h>

#include <FaceAnimator.h>
#include <TransFile.h>

#include "chat/TransFileAx.h"

namespace {

// One step of SetIndent in twips.
const int kIndentTwips = 180;
// The most characters the control holds.
const long kTextLimit = 65535;
// A shortcut is recognised only where at least this many characters follow its start, so a
// shortcut that ends a message stays text (as the peers' clients have always shown it).
const int kCharsAfterShortcut = 3;

// Address prefixes opened with the shell, compared in lower case over their own length.
const wchar_t* const kAddressPrefixes[] = {L"ed2k:", L"ftp.",  L"ftp:",  L"http:", L"https:", L"mailto:",
                                           L"www.",  L"www1.", L"www2.", L"www3.", L"www4.",  L"www5."};

bool HasAddressPrefix(const CString& text)
{
    for (const wchar_t* pszPrefix : kAddressPrefixes) {
        CString head = text.Left(lstrlenW(pszPrefix));
        head.MakeLower();
        if (head == pszPrefix)
            return true;
    }
    return false;
}

// The control stores a line feed as a paragraph end ("\r").
bool IsLineBreak(const CString& text)
{
    return text == L"\r" || text == L"\n";
}

bool IsDriveLetterPath(const CString& text)
{
    return text.GetLength() >= 3 && text.Mid(1, 2) == L":\\";
}

// Asks the control's thread to run the std::function<void()>* in LPARAM.
const UINT kRunOnWindowThread = WM_APP + 0x5A1;
// Dark red: the line shown where the file-transfer component is missing.
const COLORREF kNotInstalledColour = RGB(102, 0, 0);

_COM_SMARTPTR_TYPEDEF(IFaceAnimator, IID_IFaceAnimator);

} // namespace

IMPLEMENT_DYNAMIC(CTavoRichEdit, CRichEditCtrl)

BEGIN_MESSAGE_MAP(CTavoRichEdit, CRichEditCtrl)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_NOTIFY_REFLECT_EX(EN_LINK, &CTavoRichEdit::OnEnLink)
    ON_MESSAGE(kRunOnWindowThread, &CTavoRichEdit::OnRunOnWindowThread)
END_MESSAGE_MAP()

CTavoRichEdit::CTavoRichEdit()
    : m_bFocused(FALSE), m_pImageFaces(nullptr), m_pRichEditOle(nullptr), m_bEnLink(FALSE), m_nLastPos(0),
      m_pAnswering(nullptr), m_bAnsweringClosed(FALSE)
{
    ::InitializeCriticalSection(&m_lock);
    CFaces::Init();
    CTavoRichLink::LoadAnswers();
}

CTavoRichEdit::~CTavoRichEdit()
{
    if (m_pRichEditOle != nullptr)
        m_pRichEditOle->Release();
    while (!m_listLinks.IsEmpty())
        delete static_cast<CTavoLink*>(m_listLinks.RemoveHead());
    while (!m_listFileAx.IsEmpty())
        delete static_cast<CTransFileAx*>(m_listFileAx.RemoveHead());
    ::DeleteCriticalSection(&m_lock);
}

// ---- Set-up ----

int CTavoRichEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CRichEditCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    Init();
    return 0;
}

void CTavoRichEdit::Init()
{
    if (m_pRichEditOle == nullptr)
        m_pRichEditOle = GetIRichEditOle();
    SetEventMask(GetEventMask() | ENM_LINK);
    LimitText(kTextLimit);
}

void CTavoRichEdit::SetEnLink(int enable)
{
    m_bEnLink = enable;
    SetAutoURLDetect(enable ? FALSE : TRUE);
}

int CTavoRichEdit::SetIndent(int steps)
{
    PARAFORMAT paragraph = {};
    paragraph.dwMask = PFM_STARTINDENT | PFM_OFFSET | PFM_ALIGNMENT;
    paragraph.dxStartIndent = steps * kIndentTwips;
    paragraph.dxOffset = 0;
    paragraph.wAlignment = PFA_LEFT;
    return SetParaFormat(paragraph);
}

void CTavoRichEdit::OnSetFocus(CWnd* pOldWnd)
{
    CRichEditCtrl::OnSetFocus(pOldWnd);
    m_bFocused = TRUE;
}

void CTavoRichEdit::OnKillFocus(CWnd* pNewWnd)
{
    CRichEditCtrl::OnKillFocus(pNewWnd);
    m_bFocused = FALSE;
    SetSel(-1, -1);
}

// ---- Messages ----

void CTavoRichEdit::AppendMsg(const wchar_t* text, CHARFORMATW* format, UINT bitmapId, int indent)
{
    {
        const CCriticalSectionLock lock(m_lock);
        // The indent is set at the end, not on whatever older paragraph the user selected.
        SetSel(-1, -1);
        SetIndent(indent);
        if (bitmapId != 0)
            InsertBitmap(bitmapId, -1);
        if (text == nullptr || *text == L'\0') {
            AddText(L"\n", format);
        } else {
            if (!m_bEnLink)
                SetAutoURLDetect(TRUE);
            AppendWithFaces(text, format);
            if (!m_bEnLink)
                SetAutoURLDetect(FALSE);
        }
        SetIndent(0);
    }
    PostMessage(WM_VSCROLL, SB_BOTTOM, 0);
}

void CTavoRichEdit::AppendMsg(const wchar_t* text, COLORREF colour, UINT bitmapId, int indent)
{
    CHARFORMAT2W format = {};
    GetDefaultCharFormat(format);
    format.dwMask |= CFM_COLOR;
    format.dwEffects &= ~CFE_AUTOCOLOR;
    format.crTextColor = colour;
    AppendMsg(text, &format, bitmapId, indent);
}

void CTavoRichEdit::AppendWithFaces(const wchar_t* text, CHARFORMATW* format)
{
    const int nLength = lstrlenW(text);
    int nPiece = 0; // start of the text not appended yet
    int nPos = 0;
    while (nPos + kCharsAfterShortcut < nLength) {
        int nKeyLength = 0;
        const COneFace* pFace = CFaces::GetFace(text + nPos, &nKeyLength);
        if (pFace == nullptr || nKeyLength <= 0) {
            ++nPos;
            continue;
        }
        AddText(CString(text + nPiece, nPos - nPiece), format);
        InsertFace(*pFace);
        nPos += nKeyLength;
        nPiece = nPos;
    }
    AddText(text + nPiece, format);
}

// The animated emoticon, else its still picture; nothing when both fail.
int CTavoRichEdit::InsertFace(const COneFace& face)
{
    CString strPath;
    face.GetFileName(strPath);
    SetSel(-1, -1);
    if (InsertAnimate(strPath, face.m_nIndex))
        return 1;
    CBitmapHandle still(GetImage(strPath, face.m_nIndex));
    if (!still)
        return 0;
    SetSel(-1, -1);
    return CImageDataObject::InsertBitmap(m_pRichEditOle, still.Get(), face.m_nIndex);
}

void CTavoRichEdit::AddText(const wchar_t* text, CHARFORMATW* format)
{
    if (text == nullptr || *text == L'\0')
        return;
    SetSel(-1, -1);
    if (format != nullptr)
        ApplySelectionFormat(*format);
    ReplaceSel(text, FALSE);
}

// Keeps the caller's structure size: a CHARFORMAT2W keeps its extra fields.
void CTavoRichEdit::ApplySelectionFormat(CHARFORMATW& format)
{
    if (format.cbSize == sizeof(CHARFORMAT2W))
        SetSelectionCharFormat(static_cast<CHARFORMAT2W&>(format));
    else
        SetSelectionCharFormat(format);
}

void CTavoRichEdit::GetText(CString& text, int clear)
{
    const long nLength = GetCharCount();
    SetSel(0, nLength);
    long nPos = 0;
    CString strPiece;
    const LONG nObjects = m_pRichEditOle != nullptr ? m_pRichEditOle->GetObjectCount() : 0;
    for (LONG i = 0; i < nObjects; ++i) {
        REOBJECT reobject = {};
        reobject.cbStruct = sizeof(reobject);
        if (FAILED(m_pRichEditOle->GetObject(i, &reobject, REO_GETOBJ_NO_INTERFACES)))
            continue;
        GetTextRange(nPos, reobject.cp, strPiece); // no object lies in between
        text += strPiece;
        // A user value 0 (a resource bitmap, a transfer component) is written as emoticon 0's
        // shortcut too: the peers' clients have always read it that way.
        if (const COneFace* pFace = CFaces::GetFace(static_cast<unsigned int>(reobject.dwUser)))
            text += pFace->m_strKey1;
        nPos = reobject.cp + 1;
    }
    GetTextRange(nPos, nLength, strPiece);
    text += strPiece;
    if (clear)
        Clear();
}

// The control gives a placeholder character for each object (U+FFFC on Windows, a space under
// Wine): the objects' own positions say which characters to leave out.
int CTavoRichEdit::GetText(int start, int end, CString& text) const
{
    GetTextRange(start, end, text);
    if (m_pRichEditOle == nullptr || text.IsEmpty())
        return text.GetLength();
    for (LONG i = m_pRichEditOle->GetObjectCount() - 1; i >= 0; --i) {
        REOBJECT reobject = {};
        reobject.cbStruct = sizeof(reobject);
        if (FAILED(m_pRichEditOle->GetObject(i, &reobject, REO_GETOBJ_NO_INTERFACES)))
            continue;
        if (reobject.cp >= start && reobject.cp - start < text.GetLength())
            text.Delete(reobject.cp - start, 1);
    }
    return text.GetLength();
}

// ---- Embedded pictures ----

int CTavoRichEdit::InsertAnimate(const wchar_t* file, int index)
{
    if (m_pRichEditOle == nullptr || file == nullptr)
        return 0;
    try {
        IStoragePtr storage;
        IOleClientSitePtr site;
        if (FAILED(CreateMemoryStorage(storage)) || FAILED(m_pRichEditOle->GetClientSite(&site)))
            return 0;
        IFaceAnimatorPtr animator;
        if (FAILED(animator.CreateInstance(CLSID_FaceAnimator, nullptr, CLSCTX_ALL)))
            return 0;
        if (FAILED(animator->LoadFromFile(_bstr_t(file))))
            return 0;
        IOleObjectPtr object;
        if (FAILED(animator.QueryInterface(IID_IOleObject, &object)))
            return 0;
        CLSID clsid = CLSID_NULL;
        if (FAILED(object->GetUserClassID(&clsid)))
            return 0;
        const CRichEditInsert insert = {object, storage, site, REO_BELOWBASELINE, static_cast<DWORD>(index)};
        if (FAILED(InsertRichEditObject(m_pRichEditOle, insert)))
            return 0;
        animator->Play(nullptr);
        object->DoVerb(OLEIVERB_UIACTIVATE, nullptr, site, 0, m_hWnd, nullptr);
        object->DoVerb(OLEIVERB_SHOW, nullptr, site, 0, m_hWnd, nullptr);
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return 1;
    } catch (const _com_error&) {
        return 0;
    }
}

int CTavoRichEdit::InsertBitmap(UINT bitmapId, int pos)
{
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(bitmapId))
        return 0;
    SetSel(pos, pos); // pos below 0: the end
    return CImageDataObject::InsertBitmap(m_pRichEditOle, static_cast<HBITMAP>(bitmap.m_hObject), 0);
}

// Files are drawn into a still picture rather than linked or embedded as OLE documents: the
// platform's loader reads every picture kind on Windows and Wine alike, while an OLE object
// made from a .bmp file is refused under Wine.
int CTavoRichEdit::InsertBitmap(CString file, int userValue)
{
    CImageShow picture;
    if (!picture.LoadFile(file))
        return 0;
    int nWidth = 0;
    int nHeight = 0;
    picture.GetImagePix(nWidth, nHeight);
    if (nWidth <= 0 || nHeight <= 0 || nWidth > kMaxPictureSide || nHeight > kMaxPictureSide)
        return 0;
    CBitmapHandle still(GetImage(file, 0));
    return still ? CImageDataObject::InsertBitmap(m_pRichEditOle, still.Get(), userValue) : 0;
}

HBITMAP CTavoRichEdit::GetImage(const wchar_t* file, UINT index)
{
    if (index >= CFaces::GetFaceNum())
        return nullptr;
    CImageShow picture;
    if (!picture.LoadFile(file))
        return nullptr;
    int nWidth = 0;
    int nHeight = 0;
    picture.GetImagePix(nWidth, nHeight);
    // EM_SETBKGNDCOLOR answers the colour it replaces; the control's colour is put back at once.
    const COLORREF crBack = SetBackgroundColor(TRUE, 0);
    SetBackgroundColor(crBack == ::GetSysColor(COLOR_WINDOW), crBack);

    const CScopedGetDC screen(nullptr);
    CScopedCreateDC memDC(screen);
    CBitmapHandle bitmap(::CreateCompatibleBitmap(screen, nWidth, nHeight));
    if (!memDC || !bitmap)
        return nullptr;
    {
        const CDCSelect select(memDC, bitmap.Get());
        if (!select.IsSelected())
            return nullptr;
        RECT whole = {0, 0, nWidth, nHeight};
        ::SetBkColor(memDC, crBack);
        ::ExtTextOutW(memDC, 0, 0, ETO_OPAQUE, &whole, nullptr, 0, nullptr);
        picture.Draw(memDC, whole);
    }
    return bitmap.Release();
}

// ---- Links ----

void CTavoRichEdit::CaculateLastPos()
{
    m_nLastPos = GetCharCount();
}

// The search runs forward from the recorded position: without FR_DOWN the control searches
// backward and would link an older occurrence.
void CTavoRichEdit::SetKeyWords(CKeyWord* keyword)
{
    if (keyword == nullptr || keyword->m_strKeyWord.IsEmpty())
        return;
    FINDTEXTEXW find = {};
    find.chrg.cpMin = m_nLastPos;
    find.chrg.cpMax = -1;
    find.lpstrText = keyword->m_strKeyWord;
    if (FindText(FR_DOWN, &find) < 0)
        return;
    SetTextToLink(find.chrgText.cpMin, find.chrgText.cpMax, CTavoKeyLink::add(keyword));
}

void CTavoRichEdit::SetTextToLink(int start, int end, CTavoLink* link)
{
    if (link == nullptr)
        return;
    SetSel(start, end);
    CHARFORMAT2W format = {};
    GetSelectionCharFormat(format);
    format.dwMask |= CFM_LINK | CFM_COLOR;
    format.dwEffects |= CFE_LINK;
    format.dwEffects &= ~CFE_AUTOCOLOR;
    format.crTextColor = link->GetKey();
    SetSelectionCharFormat(format);
    SetSel(end, end);
}

void CTavoRichEdit::AddLink(const wchar_t* text, CTavoLink* link)
{
    if (text == nullptr || *text == L'\0' || link == nullptr)
        return;
    const long nStart = GetCharCount();
    AddText(text, nullptr);
    SetTextToLink(nStart, GetCharCount(), link);
    CHARFORMAT2W after = {};
    after.dwMask = CFM_LINK | CFM_COLOR;
    after.dwEffects = CFE_AUTOCOLOR;
    SetSelectionCharFormat(after);
}

CTavoLink* CTavoRichEdit::FindLiveLink(DWORD dwKey)
{
    const CCriticalSectionLock lock(m_lock);
    for (POSITION pos = m_listLinks.GetHeadPosition(); pos != nullptr;) {
        CTavoLink* pLink = static_cast<CTavoLink*>(m_listLinks.GetNext(pos));
        if (pLink->GetKey() == dwKey)
            return pLink;
    }
    return CTavoKeyLink::FromKey(dwKey);
}

// ---- Clicks ----

BOOL CTavoRichEdit::OnEnLink(NMHDR* pNMHDR, LRESULT* pResult)
{
    ENLINK* pLink = reinterpret_cast<ENLINK*>(pNMHDR);
    if (pLink->msg != WM_LBUTTONDOWN)
        return FALSE;
    *pResult = 1;
    CString strText;
    GetText(pLink->chrg.cpMin, pLink->chrg.cpMax, strText);
    if (HasAddressPrefix(strText)) {
        ChatShellOpen(strText);
        return TRUE;
    }
    OpenLinkAt(pLink->chrg, pLink);
    return TRUE;
}

// A range is opened or handed to its link object only when its key names a live link of this
// control: a key left behind by a destroyed link, text pasted from elsewhere and a path a peer
// typed do nothing. A drive-letter path is opened only where a file link of the control linked
// it (the file it saved), even after the link itself is gone.
void CTavoRichEdit::OpenLinkAt(const CHARRANGE& range, ENLINK* pLink)
{
    SetSel(range.cpMin, range.cpMax);
    CHARFORMAT2W format = {};
    if ((GetSelectionCharFormat(format) & CFM_COLOR) == 0 || (format.dwEffects & CFE_AUTOCOLOR) != 0)
        return;
    const CCriticalSectionLock lock(m_lock);
    CString strText;
    GetText(range.cpMin, range.cpMax, strText);
    if (IsDriveLetterPath(strText) && m_listSavedFileKeys.Find(format.crTextColor) != nullptr) {
        ChatShellOpen(strText);
        return;
    }
    CTavoLink* pTarget = FindLiveLink(format.crTextColor);
    if (pTarget == nullptr)
        return;
    CTavoLink* const pOuter = m_pAnswering;
    const BOOL bOuterClosed = m_bAnsweringClosed;
    m_pAnswering = pTarget;
    m_bAnsweringClosed = FALSE;
    try {
        pTarget->OnEnLink(pLink);
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
    }
    const BOOL bClosed = m_bAnsweringClosed;
    m_pAnswering = pOuter;
    m_bAnsweringClosed = bOuterClosed;
    if (bClosed)
        delete pTarget;
}

// ---- Invitations and file transfers ----

bool CTavoRichEdit::EndsWithLineBreak() const
{
    const long nLength = GetCharCount();
    CString strLast;
    GetTextRange(nLength - 1, nLength, strLast);
    return nLength == 0 || IsLineBreak(strLast);
}

// Each rich-edit message another thread sent would wait for this thread, which may itself be
// waiting for m_lock held by that other thread: the whole operation runs here instead.
void CTavoRichEdit::RunOnWindowThread(const std::function<void()>& action)
{
    if (m_hWnd == nullptr || ::GetWindowThreadProcessId(m_hWnd, nullptr) == ::GetCurrentThreadId()) {
        action();
        return;
    }
    ::SendMessageW(m_hWnd, kRunOnWindowThread, 0, reinterpret_cast<LPARAM>(&action));
}

LRESULT CTavoRichEdit::OnRunOnWindowThread(WPARAM, LPARAM lParam)
{
    (*reinterpret_cast<const std::function<void()>*>(lParam))();
    return 0;
}

void CTavoRichEdit::InsertAVLink(int kind, int outgoing, UINT bitmapId)
{
    if (kind < LINK_AUDIO || kind > LINK_AV)
        return;
    RunOnWindowThread([&] {
        {
            const CCriticalSectionLock lock(m_lock);
            if (!InsertBitmap(bitmapId, -1))
                return;
            CTavoRichLink* pLink = new CTavoRichLink(this, m_strDestUser, kind, outgoing, 0, L"");
            pLink->InsertLink(m_pRichEditOle->GetObjectCount() - 1);
            m_listLinks.AddTail(pLink);
        }
        PostMessage(WM_VSCROLL, SB_BOTTOM, 0);
    });
}

void CTavoRichEdit::InsertFile(int transferId, const wchar_t* path, unsigned __int64 size, int outgoing)
{
    const CString strPath = path != nullptr ? path : L"";
    RunOnWindowThread([&] {
        bool bInserted = false;
        {
            const CCriticalSectionLock lock(m_lock);
            CString strCaption = GetLangModuleString(outgoing ? L"IDS_WAIT_ACCEPT" : L"IDS_ACCEPT_FILE");
            CString strName = strPath;
            const int nSlash = strPath.ReverseFind(L'\\');
            if (!outgoing && nSlash > 0)
                strName = strPath.Mid(nSlash + 1);
            if (!EndsWithLineBreak())
                AddText(L"\n", nullptr);
            SetSel(-1, -1);
            ITransFile* pAx = InsertTransFileAx(m_pRichEditOle, transferId, strCaption, strName, size);
            if (pAx != nullptr) {
                AddText(L"\n", nullptr);
                CTavoRichLink* pLink = new CTavoRichLink(this, m_strDestUser, LINK_FILE, outgoing, transferId, strPath);
                pLink->InsertLink(m_pRichEditOle->GetObjectCount() - 1);
                m_listLinks.AddTail(pLink);
                m_listFileAx.AddTail(new CTransFileAx(pAx, transferId));
                bInserted = true;
            }
        }
        if (!bInserted)
            AppendMsg(GetLangModuleString(L"IDS_TRANSFILE_NOTINSTALLED") + L"\n", kNotInstalledColour, 0, 0);
        PostMessage(WM_VSCROLL, SB_BOTTOM, 0);
    });
}

ITransFile* CTavoRichEdit::InsertTransFileAx(IRichEditOle* pRichEditOle, int transferId, const wchar_t* caption,
                                             const wchar_t* fileName, unsigned __int64 size)
{
    if (pRichEditOle == nullptr)
        return nullptr;
    IStoragePtr storage;
    IOleClientSitePtr site;
    if (FAILED(CreateMemoryStorage(storage)) || FAILED(pRichEditOle->GetClientSite(&site)))
        return nullptr;
    IOleObjectPtr object;
    if (FAILED(::OleCreate(CLSID_TransFile, IID_IOleObject, OLERENDER_DRAW, nullptr, site, storage,
                           reinterpret_cast<void**>(&object))) ||
        object == nullptr)
        return nullptr;
    ITransFile* pAx = nullptr;
    if (FAILED(::OleSetContainedObject(object, TRUE)) ||
        FAILED(object->QueryInterface(DIID_ITransFile, reinterpret_cast<void**>(&pAx))))
        return nullptr;
    // The component keeps the id in 16 bits; the control keeps the whole id beside it.
    if (FAILED(CTransFileAx::SetStatus(pAx, caption, FALSE)) ||
        FAILED(CTransFileAx::SetFileInfo(pAx, fileName, static_cast<double>(size))) ||
        FAILED(CTransFileAx::PutTransferId(pAx, static_cast<short>(transferId)))) {
        pAx->Release();
        return nullptr;
    }
    const CRichEditInsert insert = {object, storage, site, 0, 0};
    if (FAILED(InsertRichEditObject(pRichEditOle, insert))) {
        pAx->Release();
        return nullptr;
    }
    return pAx;
}

// Walks the links from the oldest: the closed ones that match are destroyed on the way, the
// first pending one that matches is answered, then destroyed.
void CTavoRichEdit::ClosePendingLink(const std::function<bool(const CTavoRichLink&)>& match,
                                     const std::function<void(CTavoRichLink&)>& answer)
{
    RunOnWindowThread([&] {
        const CCriticalSectionLock lock(m_lock);
        for (POSITION pos = m_listLinks.GetHeadPosition(); pos != nullptr;) {
            CTavoRichLink* pLink = static_cast<CTavoRichLink*>(m_listLinks.GetNext(pos));
            if (!match(*pLink))
                continue;
            const bool bPending = pLink->IsValid() != FALSE;
            if (bPending)
                answer(*pLink);
            CloseLink(pLink);
            if (bPending)
                return;
        }
    });
}
void CTavoRichEdit::CloseLink(CTavoRichLink* link)
{
    const POSITION pos = m_listLinks.Find(link);
    if (pos != nullptr)
        m_listLinks.RemoveAt(pos);
    if (link == m_pAnswering)
        m_bAnsweringClosed = TRUE;
    else
        delete link;
}

namespace {

// An invitation of kind, or an audio-and-video one, answers for kind.
bool IsInvitationFor(const CTavoRichLink& link, int kind)
{
    return link.m_nType != LINK_FILE && (link.m_nType == kind || link.m_nType == LINK_AV);
}

} // namespace

void CTavoRichEdit::ProcessAVLink(int kind, int accepted, int cancelled)
{
    ClosePendingLink(
        [kind](const CTavoRichLink& link) { return IsInvitationFor(link, kind); },
        [&](CTavoRichLink& link) {
            LINK_ANSWER answer = cancelled ? ANSWER_CANCEL : ANSWER_REJECT;
            if (accepted && link.m_nType != LINK_AV)
                answer = ANSWER_ACCEPT;
            else if (accepted)
                answer = kind == LINK_VIDEO ? ANSWER_ACCEPTV : kind == LINK_AV ? ANSWER_ACCEPTAV : ANSWER_ACCEPTA;
            link.OnEnLink(CTavoRichLink::g_strAnswers[answer], 0, cancelled, nullptr, 0);
        });
}

void CTavoRichEdit::ProcessAVLink(int kind, const wchar_t* text)
{
    ClosePendingLink([kind](const CTavoRichLink& link) { return IsInvitationFor(link, kind); },
                     [text](CTavoRichLink& link) { link.ProcessAVLink(text); });
}

void CTavoRichEdit::ProcessFileLink(FILE_TYPE result, int transferId, int param, CString* savedPath, int errorCode)
{
    const LINK_ANSWER answer = result == FILE_FINISHED   ? ANSWER_FINISH
                               : result == FILE_REJECTED ? ANSWER_REJECT
                               : result == FILE_CANCELED ? ANSWER_CANCEL
                                                         : ANSWER_ERROR;
    ClosePendingLink(
        [transferId](const CTavoRichLink& link) {
            return link.m_nType == LINK_FILE && link.m_nTransferId == transferId;
        },
        [&](CTavoRichLink& link) {
            link.OnEnLink(CTavoRichLink::g_strAnswers[answer], 0, param, savedPath, errorCode);
        });
}

int CTavoRichEdit::ExistLink(int kind)
{
    const CCriticalSectionLock lock(m_lock);
    for (POSITION pos = m_listLinks.GetHeadPosition(); pos != nullptr;) {
        const CTavoRichLink* pLink = static_cast<const CTavoRichLink*>(m_listLinks.GetNext(pos));
        if (pLink->IsValid() && (pLink->m_nType == kind || pLink->m_nType == LINK_AV))
            return 1;
    }
    return 0;
}

void CTavoRichEdit::GetFileLinks(CPtrList& out)
{
    const CCriticalSectionLock lock(m_lock);
    for (POSITION pos = m_listLinks.GetHeadPosition(); pos != nullptr;) {
        const POSITION current = pos;
        CTavoRichLink* pLink = static_cast<CTavoRichLink*>(m_listLinks.GetNext(pos));
        if (pLink->m_nType != LINK_FILE || !pLink->IsValid())
            continue;
        m_listLinks.RemoveAt(current);
        out.AddTail(pLink);
    }
}

void CTavoRichEdit::SetFileAxInfo(const wchar_t* text, int transferId, int value, int final, int lock)
{
    RunOnWindowThread([&] {
        if (lock)
            ::EnterCriticalSection(&m_lock);
        const CScopeExit unlock([&] {
            if (lock)
                ::LeaveCriticalSection(&m_lock);
        });
        for (POSITION pos = m_listFileAx.GetHeadPosition(); pos != nullptr;) {
            const POSITION current = pos;
            CTransFileAx* pAx = static_cast<CTransFileAx*>(m_listFileAx.GetNext(pos));
            if (pAx->GetTransferId() != transferId)
                continue;
            if (text == nullptr) {
                pAx->SetProgress(static_cast<short>(value));
                continue;
            }
            pAx->SetStatus(text, final);
            if (final) {
                m_listFileAx.RemoveAt(current);
                delete pAx;
            }
        }
    });
}
