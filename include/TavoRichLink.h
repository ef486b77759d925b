// CTavoRichLink: the object behind one invitation (audio, video, audio and video) or file offer
// shown in the chat view. It writes the sentence with its clickable answers, takes the answers
// (the user's clicks, or the owner's through CTavoRichEdit::ProcessAVLink/ProcessFileLink),
// replaces the sentence with the outcome, tells the chat window's owner (WM_AV_LINK,
// WM_FILE_LINK) and passes a transfer's status to its file-transfer component.
#pragma once

#include "TavoLink.h"
#include "VoDef.h"

#include <afx.h>
#include <ole2.h>

class CTavoRichEdit;

// Sent to the chat control's parent after the user answered a link: WPARAM the CTavoRichLink*,
// LPARAM 0 (file) or the invitation's kind. The owner reads the link but never deletes it.
#define WM_FILE_LINK (WM_USER + 401)
#define WM_AV_LINK (WM_USER + 402)

// Link kinds (m_nType).
enum LINK_TYPE { LINK_FILE = 1, LINK_AUDIO = 2, LINK_VIDEO = 3, LINK_AV = 4 };

// Outcomes (m_nResult).
enum LINK_RESULT {
    LINK_FILE_ACCEPTED = 1,
    LINK_CANCELLED = 2,
    LINK_REJECTED = 3,
    LINK_TRANSFERRING = 4, // never set by the link; its status is that of an accepted file
    LINK_FINISHED = 5,
    LINK_AUDIO_ACCEPTED = 6,
    LINK_VIDEO_ACCEPTED = 7,
    LINK_AV_ACCEPTED = 8,
    LINK_FAILED = 9,
};

// The answers; their captions are the link texts and the keys clicks are recognised by.
enum LINK_ANSWER {
    ANSWER_ACCEPT,
    ANSWER_ACCEPTA,
    ANSWER_ACCEPTV,
    ANSWER_ACCEPTAV,
    ANSWER_SAVEAS,
    ANSWER_REJECT,
    ANSWER_CANCEL,
    ANSWER_FINISH,
    ANSWER_ERROR,
    ANSWER_COUNT
};

class VO_API CTavoRichLink : public CTavoLink {
public:
    CTavoRichLink(CTavoRichEdit* richEdit, const wchar_t* name, int type, int outgoing, int transferId,
                  const wchar_t* path);
    CTavoRichLink(const CTavoRichLink& other);
    CTavoRichLink& operator=(const CTavoRichLink& other);
    ~CTavoRichLink() override;

    // Writes the sentence at the end of the control, after object objectIndex (the invitation's
    // bitmap or the transfer component). 0 for a negative index or an unknown kind.
    int InsertLink(int objectIndex);
    // A click on one of the answers: the clicked text is the answer.
    void OnEnLink(ENLINK* pLink) override;
    // Answers with caption; fromUser 1 for a click (reported to the owner), 0 for the owner's
    // own answer. savedPath (may be null) is shown after a finished incoming file, errorCode
    // after an error. Nothing happens when the sentence's object is no longer in the control.
    void OnEnLink(const CString& caption, int fromUser, int param, CString* savedPath, int errorCode);
    // Ends the invitation with text in place of its sentence.
    void ProcessAVLink(const wchar_t* text);
    int IsValid() const { return m_bValid; }
    static int StrLen(const wchar_t* text);

    // Loads the answer captions from the language library once its texts are there.
    static void LoadAnswers();
    // The answer captions, shared by every link of the process.
    static CString g_strAnswers[ANSWER_COUNT];

    CTavoRichEdit* m_pRichEdit; // the control that shows the link
    CString m_strName;          // the chat partner's name, put into the sentence
    int m_nLength;              // characters of the sentence (or outcome) in the control
    int m_nObject;              // index of the object the sentence follows, when last found
    BOOL m_bValid;              // 1 while pending
    BOOL m_bOutgoing;           // 1 when the user sent the invitation or the file
    int m_nType;                // LINK_TYPE
    int m_nTransferId;          // the transfer's id (file links), else 0
    CString m_strPath;          // the file's path; the save-as answer replaces it
    int m_nResult;              // LINK_RESULT, after an answer

private:
    // The object the sentence follows, held so that it is found again by identity wherever it
    // has moved (objects inserted before it, the control cleared); null before InsertLink.
    IOleObject* m_pAnchor;

    struct CTriple;
    void WriteSentence(const CTriple* triples, int count);
    void InsertFileLink();
    void InsertAVLink();
    // Where the sentence now starts; false when its object is no longer in the control.
    bool FindSentence(long& start);
    void AnswerInvitation(const CString& caption, long start, int fromUser);
    void AnswerFile(const CString& caption, long start, int fromUser, CString* savedPath, int errorCode);
    // The save-as dialog; true when the user chose a path (then in m_strPath).
    bool ChooseSavePath();
    // Replaces the sentence with outcome followed by trailing, which becomes a link to this
    // object.
    void Rewrite(long start, const CString& outcome, const CString& trailing);
    // The component's status after result (value 0, without the control's lock).
    void UpdateComponent(const CString& outcome);
    void SetColor(long start, long end, int keep);
    void SetAnchor(IOleObject* pAnchor);
};
