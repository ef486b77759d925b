// CFileException: a file operation failed; m_cause classifies the failure, m_lOsError holds the
// system error code (-1 when none) and m_strFileName the file concerned.
#pragma once

#include "afxlite/CException.h"

class AFX_API CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCTSTR lpszFileName = nullptr);

    // The cause that matches a system error code (genericException when none does).
    static int AFXAPI OsErrorToException(LONG lOsError);
    // Throws a CFileException for a nonzero system error code; does nothing for 0.
    static void AFXAPI ThrowOsError(LONG lOsError, LPCTSTR lpszFileName = nullptr);

    // A sentence naming the file and the cause.
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

[[noreturn]] AFX_API void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1, LPCTSTR lpszFileName = nullptr);
