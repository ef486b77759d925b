// CException: base of the framework's exceptions. They are thrown as pointers
// (throw new CFileException(...)), caught as CException* and freed with Delete().
// Also the TRY / CATCH macros, which delete the caught exception at the end of the block.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CObject.h"
#include "afxlite/CString.h"

class AFX_API CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    // An exception made with bAutoDelete FALSE (e.g. on the stack) survives Delete().
    explicit CException(BOOL bAutoDelete = TRUE);

    void Delete();

    // Copies a description (at most nMaxError - 1 characters and a null) into lpszError;
    // *pnHelpContext (when given) becomes 0. Returns FALSE when there is no description.
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const;

protected:
    // Copies text as GetErrorMessage describes; FALSE when nothing could be copied.
    static BOOL CopyErrorMessage(const CString& text, LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext);
    // The text FormatMessage has for code (from hModule's message table when given, else the
    // system's), without the trailing line break; empty when there is none.
    static CString FormatErrorText(DWORD code, HMODULE hModule = nullptr);

    BOOL m_bAutoDelete;
};

// Deletes the exception of a CATCH block when the block ends, unless THROW_LAST passes it on.
class CExceptionAutoDelete {
public:
    explicit CExceptionAutoDelete(CException* pException) : m_pException(pException) {}
    ~CExceptionAutoDelete()
    {
        if (m_pException)
            m_pException->Delete();
    }
    CExceptionAutoDelete(const CExceptionAutoDelete&) = delete;
    CExceptionAutoDelete& operator=(const CExceptionAutoDelete&) = delete;
    void Release() { m_pException = nullptr; }

private:
    CException* m_pException;
};

#define TRY try {
#define CATCH(class_name, e)                                                                                           \
    }                                                                                                                  \
    catch (class_name * e)                                                                                             \
    {                                                                                                                  \
        CExceptionAutoDelete _afxCaught(e);
#define AND_CATCH(class_name, e) CATCH(class_name, e)
#define END_CATCH }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) CATCH(CException, e)
#define END_CATCH_ALL }
#define THROW(e) throw e
#define THROW_LAST()                                                                                                   \
    do {                                                                                                               \
        _afxCaught.Release();                                                                                          \
        throw;                                                                                                         \
    } while (0)
