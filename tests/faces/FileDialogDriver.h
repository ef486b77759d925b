// Answers the next common file dialog the calling thread opens, as a user would: types a file
// name and presses OK, or presses Cancel. It also reads the dialog's first file-type entry.
// Thread-local hooks see the dialog when it is activated and the answer when it is taken.
#pragma once

#include <afx.h>

class CFileDialogDriver
{
public:
    // fileName null: cancel the dialog.
    explicit CFileDialogDriver(const wchar_t* fileName);
    ~CFileDialogDriver();
    CFileDialogDriver(const CFileDialogDriver&) = delete;
    CFileDialogDriver& operator=(const CFileDialogDriver&) = delete;

    bool IsHooked() const { return m_hHook && m_hMessageHook; }
    // Whether a dialog was seen and answered.
    bool Answered() const { return m_bAnswered; }
    // Text of the first entry of the dialog's file-type list (empty when it has none).
    CString FirstFileType() const { return m_strFirstFileType; }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK GetMessageProc(int code, WPARAM wParam, LPARAM lParam);
    void Answer(HWND hDialog);
    void ReadFirstFileType();

    static thread_local CFileDialogDriver* s_pCurrent;
    HHOOK m_hHook;
    HHOOK m_hMessageHook;
    HWND m_hDialog; // the dialog answered
    CString m_strFileName;
    bool m_bCancel;
    bool m_bAnswered;
    CString m_strFirstFileType;
};
