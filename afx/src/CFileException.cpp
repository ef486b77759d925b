// CFileException: classification of system error codes and the texts of the causes.
#include "afxlite/CFileException.h"

#include <iterator>

IMPLEMENT_DYNAMIC(CFileException, CException)

namespace {

struct OsErrorCause {
    LONG osError;
    int cause;
};

const OsErrorCause kOsErrorCauses[] = {
    {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
    {ERROR_PATH_NOT_FOUND, CFileException::badPath},
    {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
    {ERROR_ACCESS_DENIED, CFileException::accessDenied},
    {ERROR_INVALID_HANDLE, CFileException::invalidFile},
    {ERROR_INVALID_DRIVE, CFileException::badPath},
    {ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir},
    {ERROR_NOT_SAME_DEVICE, CFileException::badPath},
    {ERROR_NO_MORE_FILES, CFileException::fileNotFound},
    {ERROR_WRITE_PROTECT, CFileException::accessDenied},
    {ERROR_NOT_READY, CFileException::hardIO},
    {ERROR_CRC, CFileException::hardIO},
    {ERROR_SEEK, CFileException::badSeek},
    {ERROR_SECTOR_NOT_FOUND, CFileException::badSeek},
    {ERROR_WRITE_FAULT, CFileException::hardIO},
    {ERROR_READ_FAULT, CFileException::hardIO},
    {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
    {ERROR_LOCK_VIOLATION, CFileException::lockViolation},
    {ERROR_HANDLE_EOF, CFileException::endOfFile},
    {ERROR_HANDLE_DISK_FULL, CFileException::diskFull},
    {ERROR_BAD_NETPATH, CFileException::badPath},
    {ERROR_NETWORK_ACCESS_DENIED, CFileException::accessDenied},
    {ERROR_BAD_NET_NAME, CFileException::badPath},
    {ERROR_FILE_EXISTS, CFileException::accessDenied},
    {ERROR_CANNOT_MAKE, CFileException::directoryFull},
    {ERROR_DISK_FULL, CFileException::diskFull},
    {ERROR_INVALID_NAME, CFileException::badPath},
    {ERROR_NEGATIVE_SEEK, CFileException::badSeek},
    {ERROR_SEEK_ON_DEVICE, CFileException::badSeek},
    {ERROR_DIR_NOT_EMPTY, CFileException::removeCurrentDir},
    {ERROR_BAD_PATHNAME, CFileException::badPath},
    {ERROR_LOCK_FAILED, CFileException::lockViolation},
    {ERROR_ALREADY_EXISTS, CFileException::accessDenied},
    {ERROR_FILENAME_EXCED_RANGE, CFileException::badPath},
    {ERROR_DIRECTORY, CFileException::badPath},
};

// %s is the file name.
LPCWSTR CauseText(int cause)
{
    switch (cause) {
    case CFileException::none:
        return L"No error occurred while accessing %s.";
    case CFileException::fileNotFound:
        return L"%s was not found.";
    case CFileException::badPath:
        return L"%s contains an incorrect path.";
    case CFileException::tooManyOpenFiles:
        return L"%s could not be opened because there are too many open files.";
    case CFileException::accessDenied:
        return L"Access to %s was denied.";
    case CFileException::invalidFile:
        return L"An incorrect file handle was associated with %s.";
    case CFileException::removeCurrentDir:
        return L"%s could not be removed because it is the current directory.";
    case CFileException::directoryFull:
        return L"%s could not be created because the directory is full.";
    case CFileException::badSeek:
        return L"Seek failed on %s.";
    case CFileException::hardIO:
        return L"A hardware I/O error was reported while accessing %s.";
    case CFileException::sharingViolation:
        return L"A sharing violation occurred while accessing %s.";
    case CFileException::lockViolation:
        return L"A locking violation occurred while accessing %s.";
    case CFileException::diskFull:
        return L"Disk full while accessing %s.";
    case CFileException::endOfFile:
        return L"An attempt was made to access %s past its end.";
    default:
        return L"An unknown error occurred while accessing %s.";
    }
}

} // namespace

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName)
{
}

int AFXAPI CFileException::OsErrorToException(LONG lOsError)
{
    for (const OsErrorCause& entry : kOsErrorCauses) {
        if (entry.osError == lOsError)
            return entry.cause;
    }
    return genericException;
}

void AFXAPI CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName)
{
    if (lOsError != 0)
        AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    CString text;
    text.Format(CauseText(m_cause), m_strFileName.IsEmpty() ? L"an unnamed file" : m_strFileName.GetString());
    return CopyErrorMessage(text, lpszError, nMaxError, pnHelpContext);
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}
