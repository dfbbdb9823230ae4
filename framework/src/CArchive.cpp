// CArchive.cpp - buffered binary stream with object records.
#include "CArchive.h"

namespace {
const WORD wNullTag = 0;            // a null object pointer
const WORD wNewClassTag = 0xFFFF;   // a class record follows
const WORD wClassTag = 0x8000;      // a reference to a class met before
const WORD wBigObjectTag = 0x7FFF;  // a dword index follows
const DWORD dwBigClassTag = 0x80000000;
const UINT nMaxStringChunk = 64 * 1024;
}  // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pFile(pFile), m_nMode(nMode), m_nBufSize(nBufSize < 128 ? 128 : static_cast<size_t>(nBufSize)) {
    (void)lpBuf;  // the archive always uses a buffer of its own
    m_loadArray.push_back({nullptr, false, 0});
}

CArchive::~CArchive() {
    // A destructor must not throw: an unflushed store is written if
    // possible, errors are dropped.
    if (m_bClosed || !m_pFile) return;
    if (IsStoring() && !(m_nMode & bNoFlushOnDelete)) {
        try {
            Flush();
        } catch (CException* e) {
            e->Delete();
        }
    }
    m_bClosed = true;
}

void CArchive::Throw(int cause) const {
    AfxThrowArchiveException(cause, m_pFile ? static_cast<LPCSTR>(m_pFile->GetFilePath()) : nullptr);
}

void CArchive::CheckLoading() const {
    if (m_bClosed || !m_pFile) Throw(CArchiveException::generic);
    if (!IsLoading()) Throw(CArchiveException::writeOnly);
}

void CArchive::CheckStoring() const {
    if (m_bClosed || !m_pFile) Throw(CArchiveException::generic);
    if (!IsStoring()) Throw(CArchiveException::readOnly);
}

UINT CArchive::GetObjectSchema() {
    UINT nResult = m_nObjectSchema;
    m_nObjectSchema = static_cast<UINT>(-1);
    return nResult;
}

// --- raw bytes -----------------------------------------------------------

UINT CArchive::Read(void* lpBuf, UINT nMax) {
    CheckLoading();
    BYTE* out = static_cast<BYTE*>(lpBuf);
    UINT done = 0;
    while (done < nMax) {
        if (m_nBufPos < m_nBufFill) {
            size_t n = m_nBufFill - m_nBufPos;
            if (n > nMax - done) n = nMax - done;
            memcpy(out + done, m_buffer.data() + m_nBufPos, n);
            m_nBufPos += n;
            done += static_cast<UINT>(n);
            continue;
        }
        if (nMax - done >= m_nBufSize) {
            // Large reads go straight to the caller's memory.
            UINT got = m_pFile->Read(out + done, nMax - done);
            done += got;
            break;
        }
        m_buffer.resize(m_nBufSize);
        m_nBufFill = m_pFile->Read(m_buffer.data(), static_cast<UINT>(m_nBufSize));
        m_nBufPos = 0;
        if (m_nBufFill == 0) break;
    }
    return done;
}

void CArchive::FillExactly(void* lpBuf, UINT nCount) {
    if (Read(lpBuf, nCount) != nCount) Throw(CArchiveException::endOfFile);
}

void CArchive::Write(const void* lpBuf, UINT nMax) {
    CheckStoring();
    const BYTE* in = static_cast<const BYTE*>(lpBuf);
    m_buffer.insert(m_buffer.end(), in, in + nMax);
    if (m_buffer.size() >= m_nBufSize) Flush();
}

void CArchive::Flush() {
    if (m_bClosed || !m_pFile) return;
    if (IsStoring()) {
        if (!m_buffer.empty()) {
            // Clear first: a failing write must not be retried by the destructor.
            std::vector<BYTE> pending;
            pending.swap(m_buffer);
            m_pFile->Write(pending.data(), static_cast<UINT>(pending.size()));
        }
        m_pFile->Flush();
    } else if (m_nBufPos < m_nBufFill) {
        // Give the unread bytes back to the file.
        m_pFile->Seek(-static_cast<LONGLONG>(m_nBufFill - m_nBufPos), CFile::current);
        m_nBufPos = m_nBufFill = 0;
    }
}

void CArchive::Close() {
    Flush();
    m_bClosed = true;
}

void CArchive::Abort() {
    m_buffer.clear();
    m_nBufPos = m_nBufFill = 0;
    m_bClosed = true;
}

ULONGLONG CArchive::GetRemainingBytes() const {
    if (!m_pFile || !IsLoading()) return static_cast<ULONGLONG>(-1);
    try {
        ULONGLONG length = m_pFile->GetLength();
        ULONGLONG position = m_pFile->GetPosition();
        return (length > position ? length - position : 0) + (m_nBufFill - m_nBufPos);
    } catch (CException* e) {
        e->Delete();
        return static_cast<ULONGLONG>(-1);
    }
}

// --- text lines ----------------------------------------------------------

void CArchive::WriteString(LPCSTR lpsz) {
    if (lpsz) Write(lpsz, static_cast<UINT>(strlen(lpsz)));
}

LPSTR CArchive::ReadString(LPSTR lpsz, UINT nMax) {
    if (!lpsz || nMax == 0) return nullptr;
    UINT n = 0;
    BYTE ch = 0;
    bool any = false;
    while (n + 1 < nMax && Read(&ch, 1) == 1) {
        any = true;
        if (ch == '\n') {
            lpsz[n++] = '\n';
            break;
        }
        lpsz[n++] = static_cast<char>(ch);
    }
    lpsz[n] = 0;
    return any ? lpsz : nullptr;
}

BOOL CArchive::ReadString(CString& rString) {
    CString line;
    BYTE ch = 0;
    bool any = false;
    while (Read(&ch, 1) == 1) {
        any = true;
        if (ch == '\n') break;
        line += static_cast<char>(ch);
    }
    if (line.GetLength() && line[line.GetLength() - 1] == '\r') line.Delete(line.GetLength() - 1);
    rString = line;
    return any ? TRUE : FALSE;
}

// --- counts and strings --------------------------------------------------

void CArchive::WriteCount(DWORD dwCount) {
    if (dwCount < 0xFFFF) {
        *this << static_cast<WORD>(dwCount);
    } else {
        *this << static_cast<WORD>(0xFFFF) << dwCount;
    }
}

DWORD CArchive::ReadCount() {
    WORD wCount;
    *this >> wCount;
    if (wCount != 0xFFFF) return wCount;
    DWORD dwCount;
    *this >> dwCount;
    return dwCount;
}

void CArchive::WriteCString(const CString& string) {
    DWORD nLength = static_cast<DWORD>(string.GetLength());
    if (nLength < 255) {
        *this << static_cast<BYTE>(nLength);
    } else if (nLength < 0xFFFE) {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(nLength);
    } else {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << nLength;
    }
    Write(static_cast<LPCSTR>(string), nLength);
}

// The length prefix of a string; (UINT)-1 for the marker of a UTF-16 string.
UINT CArchive::ReadStringLength() {
    BYTE bLen;
    *this >> bLen;
    if (bLen < 0xFF) return bLen;
    WORD wLen;
    *this >> wLen;
    if (wLen == 0xFFFE) return static_cast<UINT>(-1);
    if (wLen < 0xFFFF) return wLen;
    DWORD dwLen;
    *this >> dwLen;
    return dwLen;
}

CString CArchive::ReadCString() {
    UINT nLength = ReadStringLength();
    bool wide = false;
    if (nLength == static_cast<UINT>(-1)) {
        wide = true;
        nLength = ReadStringLength();
        if (nLength == static_cast<UINT>(-1)) Throw(CArchiveException::badIndex);
    }
    ULONGLONG nBytes = static_cast<ULONGLONG>(nLength) * (wide ? 2 : 1);
    if (nBytes > GetRemainingBytes()) Throw(CArchiveException::endOfFile);

    // Read in chunks so that a length the data does not back costs no more
    // memory than the data itself.
    std::vector<char> bytes;
    while (bytes.size() < nBytes) {
        size_t chunk = static_cast<size_t>(nBytes - bytes.size());
        if (chunk > nMaxStringChunk) chunk = nMaxStringChunk;
        size_t old = bytes.size();
        bytes.resize(old + chunk);
        FillExactly(bytes.data() + old, static_cast<UINT>(chunk));
    }
    if (!wide) return CString(bytes.data(), static_cast<int>(bytes.size()));

    int nChars = static_cast<int>(nLength);
    const wchar_t* wide16 = reinterpret_cast<const wchar_t*>(bytes.data());
    int needed = WideCharToMultiByte(CP_ACP, 0, wide16, nChars, nullptr, 0, nullptr, nullptr);
    CString result;
    if (needed > 0) {
        WideCharToMultiByte(CP_ACP, 0, wide16, nChars, result.GetBuffer(needed), needed, nullptr, nullptr);
        result.ReleaseBuffer(needed);
    }
    return result;
}

CArchive& AFXAPI operator<<(CArchive& ar, const CString& string) {
    ar.WriteCString(string);
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, CString& string) {
    string = ar.ReadCString();
    return ar;
}

// --- objects -------------------------------------------------------------

// A reference to the class or object with map index nIndex.
void CArchive::WriteTag(DWORD nIndex, bool bClass) {
    if (nIndex < wBigObjectTag) {
        *this << static_cast<WORD>(bClass ? (wClassTag | nIndex) : nIndex);
    } else {
        *this << wBigObjectTag << static_cast<DWORD>(bClass ? (dwBigClassTag | nIndex) : nIndex);
    }
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef) {
    CheckStoring();
    if (!pClassRef || pClassRef->m_wSchema == 0xFFFF) Throw(CArchiveException::badClass);
    auto it = m_storeMap.find(pClassRef);
    if (it != m_storeMap.end()) {
        WriteTag(it->second, true);
        return;
    }
    *this << wNewClassTag;
    pClassRef->Store(*this);
    m_storeMap[pClassRef] = m_nMapCount++;
}

void CArchive::WriteObject(const CObject* pOb) {
    CheckStoring();
    if (!pOb) {
        *this << wNullTag;
        return;
    }
    auto it = m_storeMap.find(pOb);
    if (it != m_storeMap.end()) {
        WriteTag(it->second, false);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    m_storeMap[pOb] = m_nMapCount++;
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag) {
    CheckLoading();
    WORD wTag;
    *this >> wTag;
    DWORD obTag;
    if (wTag == wBigObjectTag) {
        *this >> obTag;
    } else {
        obTag = (static_cast<DWORD>(wTag & wClassTag) << 16) | (wTag & ~wClassTag);
    }

    CRuntimeClass* pClassRef = nullptr;
    UINT nSchema = 0;
    if (wTag == wNewClassTag) {
        pClassRef = CRuntimeClass::Load(*this, &nSchema);
        if (!pClassRef) Throw(CArchiveException::badClass);
        UINT ownSchema = pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA;
        if (ownSchema != nSchema && !(pClassRef->m_wSchema & VERSIONABLE_SCHEMA)) Throw(CArchiveException::badSchema);
        m_loadArray.push_back({pClassRef, true, nSchema});
        ++m_nMapCount;
    } else if (!(obTag & dwBigClassTag)) {
        // Not a class: a null pointer or a reference to an object.
        if (pObTag) *pObTag = obTag;
        return nullptr;
    } else {
        DWORD nClassIndex = obTag & ~dwBigClassTag;
        if (nClassIndex == 0 || nClassIndex >= m_loadArray.size() || !m_loadArray[nClassIndex].bIsClass)
            Throw(CArchiveException::badIndex);
        pClassRef = static_cast<CRuntimeClass*>(m_loadArray[nClassIndex].p);
        nSchema = m_loadArray[nClassIndex].nSchema;
    }

    if (pClassRefRequested && !pClassRef->IsDerivedFrom(pClassRefRequested)) Throw(CArchiveException::badClass);
    if (pSchema)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    if (pObTag) *pObTag = obTag;
    return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef) {
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested) {
    UINT nSchema = 0;
    DWORD obTag = 0;
    m_bLastObjectNew = FALSE;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);

    if (!pClassRef) {
        if (obTag == wNullTag) return nullptr;
        if (obTag >= m_loadArray.size() || m_loadArray[obTag].bIsClass) Throw(CArchiveException::badIndex);
        CObject* pOb = static_cast<CObject*>(m_loadArray[obTag].p);
        // An object whose loading failed has no entry any more.
        if (!pOb) Throw(CArchiveException::badIndex);
        if (pClassRefRequested && !pOb->IsKindOf(pClassRefRequested)) Throw(CArchiveException::badClass);
        return pOb;
    }

    CObject* pOb = nullptr;
    try {
        pOb = pClassRef->CreateObject();
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    }
    if (!pOb) Throw(CArchiveException::badClass);

    // The object takes its index before its own data, so that references
    // to it from inside its data resolve.
    size_t index = m_loadArray.size();
    m_loadArray.push_back({pOb, false, 0});
    ++m_nMapCount;
    UINT nSchemaSave = m_nObjectSchema;
    m_nObjectSchema = nSchema;
    try {
        pOb->Serialize(*this);
    } catch (...) {
        m_loadArray[index].p = nullptr;
        m_nObjectSchema = nSchemaSave;
        delete pOb;
        throw;
    }
    m_nObjectSchema = nSchemaSave;
    m_bLastObjectNew = TRUE;
    return pOb;
}
