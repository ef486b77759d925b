// Invitation and file-transfer links of the chat view: their sentences, answers and outcomes.
#include <TavoRichLink.h>

#include <TavoRichEdit.h>

#include "frame/LangModule.h"

#include <afxdlgs.h>
#include <afxlite/AfxPath.h>

#include <comdef.h>

namespace {

// Dark red: rejected, cancelled and failed outcomes.
const COLORREF kClosedColour = RGB(102, 0, 0);

// Keyboard hints written after the answers (the owner handles the keys).
const wchar_t kHintAccept[] = L"(Alt+C)";
const wchar_t kHintAcceptAudio[] = L"(Alt+A)";
const wchar_t kHintAcceptVideo[] = L"(Alt+V)";
const wchar_t kHintAcceptAV[] = L"(Alt+B)";
const wchar_t kHintSaveAs[] = L"(ATL+S)"; // spelled so in every client
const wchar_t kHintReject[] = L"(Alt+D)";
const wchar_t kHintCancelInvitation[] = L"(Alt+Q)";

const wchar_t* const kAnswerIds[ANSWER_COUNT] = {L"IDS_LINK_ACCEPT",   L"IDS_LINK_ACCEPTA", L"IDS_LINK_ACCEPTV",
                                                 L"IDS_LINK_ACCEPTAV", L"IDS_LINK_SAVEAS",  L"IDS_LINK_REJECT",
                                                 L"IDS_LINK_CANCEL",   L"IDS_LINK_FINISH",  L"IDS_LINK_ERROR"};

// Error codes of the transfers and their texts; any other code is unknown.
const struct {
    int nCode;
    const wchar_t* pszId;
} kErrorTexts[] = {{100, L"IDS_E_CREATESOCKET"}, {101, L"IDS_E_LISTEN"},     {102, L"IDS_E_CONNECT"},
                   {103, L"IDS_E_ACCEPT"},       {104, L"IDS_E_LOGIN"},      {105, L"IDS_E_DATAMISMATCH"},
                   {106, L"IDS_E_SOCKET"},       {107, L"IDS_E_AUTHCOOKIE"}, {108, L"IDS_E_OPENFILE"},
                   {109, L"IDS_E_READFILE"}};

CString Text(const wchar_t* pszId)
{
    return GetLangModuleString(pszId);
}

CString ErrorText(int nCode)
{
    for (const auto& error : kErrorTexts)
        if (error.nCode == nCode)
            return Text(error.pszId);
    return Text(L"IDS_E_UNKNOWN");
}

// The sentence text with the partner's name in place of its first "%s". Not printf: a text
// from the language files with other placeholders must not read arguments that are not there.
CString WithName(const CString& text, const CString& name)
{
    const int nAt = text.Find(L"%s");
    return nAt < 0 ? text : text.Left(nAt) + name + text.Mid(nAt + 2);
}

const CString& Answer(LINK_ANSWER answer)
{
    return CTavoRichLink::g_strAnswers[answer];
}

} // namespace

struct CTavoRichLink::CTriple {
    CString strLead;
    CString strAnswer;
    const wchar_t* pszHint;
};

void CTavoRichLink::LoadAnswers()
{
    if (!g_strAnswers[0].IsEmpty() || FindLangModule() == nullptr)
        return;
    for (int i = 0; i < ANSWER_COUNT; ++i)
        g_strAnswers[i] = Text(kAnswerIds[i]);
}

CTavoRichLink::CTavoRichLink(CTavoRichEdit* richEdit, const wchar_t* name, int type, int outgoing, int transferId,
                             const wchar_t* path)
    : m_pRichEdit(richEdit), m_strName(name), m_nLength(0), m_nObject(0), m_bValid(TRUE), m_bOutgoing(outgoing),
      m_nType(type), m_nTransferId(transferId), m_strPath(path), m_nResult(0), m_pAnchor(nullptr)
{
}

CTavoRichLink::CTavoRichLink(const CTavoRichLink& other) : CTavoLink(other), m_pAnchor(nullptr)
{
    *this = other;
}

CTavoRichLink& CTavoRichLink::operator=(const CTavoRichLink& other)
{
    m_pRichEdit = other.m_pRichEdit;
    m_strName = other.m_strName;
    m_nLength = other.m_nLength;
    m_nObject = other.m_nObject;
    m_bValid = other.m_bValid;
    m_bOutgoing = other.m_bOutgoing;
    m_nType = other.m_nType;
    m_nTransferId = other.m_nTransferId;
    m_strPath = other.m_strPath;
    m_nResult = other.m_nResult;
    SetAnchor(other.m_pAnchor);
    return *this;
}

CTavoRichLink::~CTavoRichLink()
{
    SetAnchor(nullptr);
}

void CTavoRichLink::SetAnchor(IOleObject* pAnchor)
{
    if (pAnchor != nullptr)
        pAnchor->AddRef();
    if (m_pAnchor != nullptr)
        m_pAnchor->Release();
    m_pAnchor = pAnchor;
}

int CTavoRichLink::StrLen(const wchar_t* text)
{
    return text != nullptr ? lstrlenW(text) : 0;
}

// ---- Writing the sentence ----

int CTavoRichLink::InsertLink(int objectIndex)
{
    if (objectIndex < 0 || m_nType < LINK_FILE || m_nType > LINK_AV || m_pRichEdit == nullptr)
        return 0;
    m_nObject = objectIndex;
    REOBJECT reobject = {};
    reobject.cbStruct = sizeof(reobject);
    IRichEditOle* pOle = m_pRichEdit->m_pRichEditOle;
    if (pOle != nullptr && SUCCEEDED(pOle->GetObject(objectIndex, &reobject, REO_GETOBJ_POLEOBJ)) &&
        reobject.poleobj != nullptr) {
        SetAnchor(reobject.poleobj);
        reobject.poleobj->Release();
    }
    m_pRichEdit->SetSel(-1, -1);
    CHARFORMAT2W format = {};
    m_pRichEdit->GetDefaultCharFormat(format);
    format.dwMask |= CFM_COLOR;
    m_pRichEdit->SetSelectionCharFormat(format);
    if (m_nType == LINK_FILE)
        InsertFileLink();
    else
        InsertAVLink();
    return 1;
}

// Each triple: the lead as text, the answer as a link to this object, the hint as text. An
// invitation ends at the first empty lead, a file offer at the first empty answer.
void CTavoRichLink::WriteSentence(const CTriple* triples, int count)
{
    for (int i = 0; i < count; ++i) {
        const CTriple& triple = triples[i];
        if (m_nType == LINK_FILE ? triple.strAnswer.IsEmpty() : triple.strLead.IsEmpty())
            break;
        m_pRichEdit->AddText(triple.strLead, nullptr);
        m_pRichEdit->AddLink(triple.strAnswer, this);
        m_pRichEdit->AddText(triple.pszHint, nullptr);
        m_nLength += triple.strLead.GetLength() + triple.strAnswer.GetLength() + StrLen(triple.pszHint);
    }
    m_pRichEdit->AddText(L"\n", nullptr);
}

void CTavoRichLink::InsertFileLink()
{
    if (m_bOutgoing) {
        const CTriple offer[] = {{Text(L"IDS_WAIT_ACCEPT"), Answer(ANSWER_CANCEL), kHintReject}};
        WriteSentence(offer, 1);
        return;
    }
    const CTriple offer[] = {{Text(L"IDS_SEND_FILE"), Answer(ANSWER_ACCEPT), kHintAccept},
                             {CString(), Answer(ANSWER_SAVEAS), kHintSaveAs},
                             {CString(), Answer(ANSWER_REJECT), kHintReject}};
    WriteSentence(offer, 3);
}

void CTavoRichLink::InsertAVLink()
{
    const CString strPending = Text(L"IDS_PENDING_INVI");
    if (m_bOutgoing) {
        const wchar_t* const ids[] = {L"IDS_AUDIO_CONV", L"IDS_VIDEO_CONV", L"IDS_AV_CONV"};
        const CTriple invitation[] = {
            {WithName(Text(ids[m_nType - LINK_AUDIO]), m_strName), Answer(ANSWER_CANCEL), kHintCancelInvitation},
            {strPending, CString(), nullptr}};
        WriteSentence(invitation, 2);
        return;
    }
    const CString strOr = Text(L"IDS_OR");
    if (m_nType == LINK_AV) {
        const CTriple invitation[] = {
            {WithName(Text(L"IDS_AV_INVITED"), m_strName), Answer(ANSWER_ACCEPTA), kHintAcceptAudio},
            {strOr, Answer(ANSWER_ACCEPTV), kHintAcceptVideo},
            {strOr, Answer(ANSWER_ACCEPTAV), kHintAcceptAV},
            {strOr, Answer(ANSWER_REJECT), kHintReject}};
        WriteSentence(invitation, 4);
        return;
    }
    const wchar_t* pszId = m_nType == LINK_AUDIO ? L"IDS_AUDIO_INVITED" : L"IDS_VIDEO_INVITED";
    const CTriple invitation[] = {{WithName(Text(pszId), m_strName), Answer(ANSWER_ACCEPT), kHintAccept},
                                  {strOr, Answer(ANSWER_REJECT), kHintReject},
                                  {strPending, CString(), nullptr}};
    WriteSentence(invitation, 3);
}

// ---- Answers ----

void CTavoRichLink::OnEnLink(ENLINK* pLink)
{
    if (pLink == nullptr || m_pRichEdit == nullptr)
        return;
    CString strCaption;
    m_pRichEdit->GetText(pLink->chrg.cpMin, pLink->chrg.cpMax, strCaption);
    if (!strCaption.IsEmpty())
        OnEnLink(strCaption, 1, 1, nullptr, 0);
}

void CTavoRichLink::OnEnLink(const CString& caption, int fromUser, int, CString* savedPath, int errorCode)
{
    long nStart = 0;
    if (m_pRichEdit == nullptr || !FindSentence(nStart))
        return;
    if (m_nType == LINK_FILE)
        AnswerFile(caption, nStart, fromUser, savedPath, errorCode);
    else
        AnswerInvitation(caption, nStart, fromUser);
}

bool CTavoRichLink::FindSentence(long& start)
{
    IRichEditOle* pOle = m_pRichEdit->m_pRichEditOle;
    if (pOle == nullptr || m_pAnchor == nullptr)
        return false;
    const LONG nCount = pOle->GetObjectCount();
    for (LONG i = 0; i < nCount; ++i) {
        REOBJECT reobject = {};
        reobject.cbStruct = sizeof(reobject);
        if (FAILED(pOle->GetObject(i, &reobject, REO_GETOBJ_POLEOBJ)) || reobject.poleobj == nullptr)
            continue;
        reobject.poleobj->Release();
        if (reobject.poleobj != m_pAnchor)
            continue;
        m_nObject = i;
        // A file's sentence follows its component and a line feed; an invitation's its bitmap.
        start = reobject.cp + (m_nType == LINK_FILE ? 2 : 1);
        return true;
    }
    return false;
}

void CTavoRichLink::AnswerInvitation(const CString& caption, long start, int fromUser)
{
    m_bValid = FALSE;
    const struct {
        LINK_ANSWER answer;
        const wchar_t* pszOutcome;
        int nResult;
        bool bClosed;
    } answers[] = {
        {ANSWER_ACCEPT, L"IDS_INVI_ACCEPTED", m_nType == LINK_AUDIO ? LINK_AUDIO_ACCEPTED : LINK_VIDEO_ACCEPTED, false},
        {ANSWER_REJECT, L"IDS_INVI_REJECTED", LINK_REJECTED, true},
        {ANSWER_CANCEL, L"IDS_INVI_CANCELED", LINK_CANCELLED, true},
        {ANSWER_ACCEPTA, L"IDS_INVI_A_ACCEPTED", LINK_AUDIO_ACCEPTED, false},
        {ANSWER_ACCEPTV, L"IDS_INVI_V_ACCEPTED", LINK_VIDEO_ACCEPTED, false},
        {ANSWER_ACCEPTAV, L"IDS_INVI_AV_ACCEPTED", LINK_AV_ACCEPTED, false}};
    for (const auto& answer : answers) {
        if (caption != Answer(answer.answer))
            continue;
        m_nResult = answer.nResult;
        if (answer.bClosed)
            SetColor(start, start + m_nLength, 0);
        Rewrite(start, Text(answer.pszOutcome), CString());
        // The last thing done: the owner may close (destroy) the link while it handles this.
        if (fromUser)
            ::SendMessageW(::GetParent(m_pRichEdit->m_hWnd), WM_AV_LINK, reinterpret_cast<WPARAM>(this), m_nType);
        return;
    }
}

void CTavoRichLink::AnswerFile(const CString& caption, long start, int fromUser, CString* savedPath, int errorCode)
{
    CString strOutcome, strTrailing;
    bool bClosed = false;
    if (caption == Answer(ANSWER_ACCEPT) || caption == Answer(ANSWER_SAVEAS)) {
        // A link closed while its dialog was open (by the owner, on this thread) stays closed.
        if (caption == Answer(ANSWER_SAVEAS) && (!ChooseSavePath() || !m_bValid || !FindSentence(start)))
            return;
        m_nResult = LINK_FILE_ACCEPTED;
        strOutcome = Text(L"IDS_FILE_ACCEPTED");
        strTrailing = Answer(ANSWER_CANCEL);
    } else if (caption == Answer(ANSWER_REJECT) || caption == Answer(ANSWER_CANCEL)) {
        const bool bReject = caption == Answer(ANSWER_REJECT);
        m_bValid = FALSE;
        m_nResult = bReject ? LINK_REJECTED : LINK_CANCELLED;
        strOutcome = Text(bReject ? L"IDS_FILE_REJECTED" : L"IDS_FILE_CANCELED");
        bClosed = true;
    } else if (caption == Answer(ANSWER_FINISH)) {
        m_bValid = FALSE;
        m_nResult = LINK_FINISHED;
        if (m_bOutgoing) {
            strOutcome = Text(L"IDS_FILE_FINISHED");
        } else {
            strOutcome = Text(L"IDS_FILE_SAVETO");
            strTrailing = savedPath != nullptr ? *savedPath : m_strPath;
        }
    } else if (caption == Answer(ANSWER_ERROR)) {
        m_nResult = LINK_FAILED; // the owner's ProcessFileLink closes the link right afterwards
        strOutcome = Text(L"IDS_E_TRANSFILE") + ErrorText(errorCode);
        bClosed = true;
    } else {
        m_bValid = FALSE;
        return;
    }
    if (bClosed)
        SetColor(start, start + m_nLength, 0);
    Rewrite(start, strOutcome, strTrailing);
    if (m_nResult == LINK_FINISHED && !m_bOutgoing && !strTrailing.IsEmpty())
        m_pRichEdit->AddSavedFileKey(GetKey());
    // The component first, the owner last: the owner may close (destroy) the link while it
    // handles the message, after which nothing of the link may be touched.
    UpdateComponent(strOutcome);
    if (fromUser)
        ::SendMessageW(::GetParent(m_pRichEdit->m_hWnd), WM_FILE_LINK, reinterpret_cast<WPARAM>(this), 0);
}

bool CTavoRichLink::ChooseSavePath()
{
    // The peer chose the proposed name: a reserved device name or a path is not proposed.
    CString strName = m_strPath.Mid(m_strPath.ReverseFind(L'\\') + 1);
    if (!AfxIsPlainFileName(strName))
        strName.Empty();
    const CString strFilter = Text(L"IDS_FILE_EXT");
    CFileDialog dialog(FALSE, nullptr, strName, OFN_HIDEREADONLY, strFilter.IsEmpty() ? nullptr : strFilter.GetString(),
                       m_pRichEdit->GetParent());
    if (dialog.DoModal() != IDOK)
        return false;
    m_strPath = dialog.GetPathName();
    return true;
}

void CTavoRichLink::Rewrite(long start, const CString& outcome, const CString& trailing)
{
    m_pRichEdit->SetSel(start, start + m_nLength);
    m_pRichEdit->ReplaceSel(outcome + trailing, FALSE);
    m_nLength = outcome.GetLength() + trailing.GetLength();
    if (!trailing.IsEmpty())
        m_pRichEdit->SetTextToLink(start + outcome.GetLength(), start + m_nLength, this);
}

void CTavoRichLink::UpdateComponent(const CString& outcome)
{
    const wchar_t* pszStatus = nullptr;
    BOOL bFinal = TRUE;
    switch (m_nResult) {
    case LINK_FILE_ACCEPTED:
    case LINK_TRANSFERRING:
        pszStatus = L"IDS_FILE_TRANSFERING";
        bFinal = FALSE;
        break;
    case LINK_CANCELLED:
    case LINK_REJECTED:
        pszStatus = L"IDS_FILE_CANCELED";
        break;
    case LINK_FINISHED:
        pszStatus = L"IDS_FILE_FINISHED";
        break;
    case LINK_FAILED:
        pszStatus = L"IDS_FILE_FAILED";
        break;
    default:
        return;
    }
    const CString strStatus = FindLangModule() != nullptr ? Text(pszStatus) : outcome;
    m_pRichEdit->SetFileAxInfo(strStatus, m_nTransferId, 0, bFinal, 0);
}

void CTavoRichLink::ProcessAVLink(const wchar_t* text)
{
    m_bValid = FALSE;
    long nStart = 0;
    if (m_pRichEdit == nullptr || !FindSentence(nStart))
        return;
    Rewrite(nStart, text != nullptr ? text : L"", CString());
}

void CTavoRichLink::SetColor(long start, long end, int keep)
{
    m_pRichEdit->SetSel(start, end);
    CHARFORMAT2W format = {};
    m_pRichEdit->GetDefaultCharFormat(format);
    format.dwMask |= CFM_COLOR;
    if (!keep) {
        format.dwEffects &= ~CFE_AUTOCOLOR;
        format.crTextColor = kClosedColour;
    }
    m_pRichEdit->SetSelectionCharFormat(format);
}
