// CException.h - the framework's exceptions.
//
// Classes:
//   CException          base; thrown and caught by pointer, freed with Delete()
//   CMemoryException    out of memory
//   CNotSupportedException
//   CUserException      an error already shown to the user
//   CFileException      a file operation failed (cause and OS error)
//   CArchiveException   an archive could not be read or written
//
// Exceptions are thrown as pointers to heap objects (throw new ...), through
// the AfxThrow... functions; a handler calls e->Delete() when done.
// TRY/CATCH/END_CATCH are plain try/catch blocks that delete the exception
// at the end of the handler.
#pragma once

#include "CObject.h"
#include "CString.h"

class AFX_API CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
    // Frees a heap exception; does nothing for one that is not auto-deleted.
    void Delete();
    // Copies a description into lpszError (at most nMaxError bytes with the
    // terminator); FALSE when there is none.
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr);
    // Shows the description in a message box (AfxMessageBox); when there is
    // none, string nMessageID, or a generic text.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

    BOOL m_bAutoDelete;
};

class AFX_API CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException() = default;
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;
};

class AFX_API CNotSupportedException : public CException {
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CNotSupportedException() = default;
};

class AFX_API CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException() = default;
};

class AFX_API CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        generic,
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

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCSTR lpszArchiveName = nullptr)
        : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName) {}

    void ThrowErrno(int nErrno, LPCSTR lpszFileName = nullptr) { ThrowErrnoStatic(nErrno, lpszFileName); }
    static void PASCAL ThrowOsError(LONG lOsError, LPCSTR lpszFileName = nullptr);
    static void PASCAL ThrowErrnoStatic(int nErrno, LPCSTR lpszFileName = nullptr);
    static int PASCAL OsErrorToException(LONG lOsError);
    static int PASCAL ErrnoToException(int nErrno);
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

class AFX_API CArchiveException : public CException {
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum { none, generic, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };

    explicit CArchiveException(int cause = none, LPCSTR lpszArchiveName = nullptr)
        : m_cause(cause), m_strFileName(lpszArchiveName) {}
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;

    int m_cause;
    CString m_strFileName;
};

[[noreturn]] AFX_API void AFXAPI AfxThrowMemoryException();
[[noreturn]] AFX_API void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] AFX_API void AFXAPI AfxThrowUserException();
[[noreturn]] AFX_API void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1, LPCSTR lpszFileName = nullptr);
[[noreturn]] AFX_API void AFXAPI AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName = nullptr);

// Deletes a caught exception when the handler block ends.
class CExceptionAutoDelete {
public:
    explicit CExceptionAutoDelete(CException* e) : m_e(e) {}
    ~CExceptionAutoDelete() {
        if (m_e) m_e->Delete();
    }
    CExceptionAutoDelete(const CExceptionAutoDelete&) = delete;
    CExceptionAutoDelete& operator=(const CExceptionAutoDelete&) = delete;

private:
    CException* m_e;
};

#define TRY try
#define CATCH(class_name, e)                                                                                           \
    catch (class_name * e) {                                                                                           \
        CExceptionAutoDelete _afxAutoDelete_##e(e);
#define AND_CATCH(class_name, e)                                                                                       \
    }                                                                                                                  \
    catch (class_name * e) {                                                                                           \
        CExceptionAutoDelete _afxAutoDelete_##e(e);
#define END_CATCH        }
#define CATCH_ALL(e)     CATCH(CException, e)
#define AND_CATCH_ALL(e) AND_CATCH(CException, e)
#define END_CATCH_ALL    }
#define THROW(e)         throw e
#define THROW_LAST()     throw
