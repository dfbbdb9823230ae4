// GroupList.cpp - an owning, ordered list of CGroupData records.
#include "GroupList.h"

#include "VoStringArray.h"
#include "VokitRes.h"

#include <memory>
#include <new>
#include <vector>

namespace {

// Appends name to *out unless out already holds it (exact comparison).
void AddUnique(CStringArray* out, const CString& name) {
    if (!_StringArrayFind(*out, name, FIND_EQUAL)) out->Add(name);
}

}  // namespace

CGroupList::CGroupList() : m_list(10) {}

CGroupList::~CGroupList() { DeleteContents(); }

void CGroupList::DeleteContents() {
    while (!m_list.IsEmpty()) delete m_list.RemoveHead();
}

// Storing writes the framework's object-list form: the count, then each
// record with its class record or class reference. Loading reads that form
// but accepts only CGroupData objects that this load creates: a short,
// corrupt or foreign archive, a null element, or a reference back to an
// object read before (which would then be owned twice) raises
// CArchiveException and leaves the list as it was. Otherwise the records
// read are appended behind the held ones.
void CGroupList::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        m_list.Serialize(ar);
        return;
    }

    const DWORD count = ar.ReadCount();
    std::vector<std::unique_ptr<CGroupData>> records;  // deleted unless taken over
    try {
        for (DWORD i = 0; i < count; ++i) {
            CObject* object = ar.ReadObject(RUNTIME_CLASS(CGroupData));
            if (!object) AfxThrowArchiveException(CArchiveException::badClass);
            if (!ar.IsLastObjectNew()) AfxThrowArchiveException(CArchiveException::badIndex);
            records.push_back(std::unique_ptr<CGroupData>(static_cast<CGroupData*>(object)));
        }
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    }

    const int heldBefore = m_list.GetCount();
    try {
        for (const auto& record : records) m_list.AddTail(record.get());
    } catch (CMemoryException*) {
        while (m_list.GetCount() > heldBefore) m_list.RemoveTail();
        throw;
    }
    for (auto& record : records) record.release();  // owned by m_list now
}

// Updates an equal record (its colour) or appends a copy. Null when memory
// ran out; the list is then unchanged.
CGroupData* CGroupList::Add(const CGroupData& data) {
    if (CGroupData* existing = CheckGroupData(data)) {
        *existing = data;
        return existing;
    }

    CGroupData* record = nullptr;
    try {
        record = new CGroupData;
        *record = data;
        m_list.AddTail(record);
        return record;
    } catch (CMemoryException* e) {
        e->Delete();
    } catch (const std::bad_alloc&) {
    }
    delete record;
    AfxMessageBox(IDS_VO_NO_MEMORY, MB_ICONEXCLAMATION);
    return nullptr;
}

CGroupList& CGroupList::operator+=(const CGroupList& other) {
    for (POSITION pos = other.m_list.GetHeadPosition(); pos;) Add(*other.m_list.GetNext(pos));
    return *this;
}

CGroupData* CGroupList::CheckGroupData(const CGroupData& data) {
    for (POSITION pos = m_list.GetHeadPosition(); pos;) {
        CGroupData* record = m_list.GetNext(pos);
        if (*record == data) return record;
    }
    return nullptr;
}

CGroupData* CGroupList::GetGroupPtr(const CGroupData& data) { return CheckGroupData(data); }

int CGroupList::GetGroupIndex(const CGroupData* p) const {
    int index = 0;
    for (POSITION pos = m_list.GetHeadPosition(); pos; ++index) {
        if (m_list.GetNext(pos) == p) break;
    }
    return index;
}

CGroupData* CGroupList::GetGroupData(int index) {
    POSITION pos = m_list.FindIndex(index);
    return pos ? m_list.GetAt(pos) : nullptr;
}

unsigned long CGroupList::GetColor(const CGroupData& data) const {
    for (POSITION pos = m_list.GetHeadPosition(); pos;) {
        CGroupData* record = m_list.GetNext(pos);
        if (*record == data) return record->GetColor();
    }
    return 0;
}

void CGroupList::GetGroup1List(CStringArray* out) const {
    if (!out) return;
    for (POSITION pos = m_list.GetHeadPosition(); pos;) AddUnique(out, m_list.GetNext(pos)->m_strGroup1);
}

// A null group1 takes every record.
void CGroupList::GetGroup2List(const char* group1, CStringArray* out) const {
    if (!out) return;
    for (POSITION pos = m_list.GetHeadPosition(); pos;) {
        const CGroupData* record = m_list.GetNext(pos);
        if (!group1 || record->m_strGroup1 == group1) AddUnique(out, record->m_strGroup2);
    }
}

// A null group1 or group2 does not filter on that level.
void CGroupList::GetGroup3List(const char* group1, const char* group2, CStringArray* out) const {
    if (!out) return;
    for (POSITION pos = m_list.GetHeadPosition(); pos;) {
        const CGroupData* record = m_list.GetNext(pos);
        if ((!group1 || record->m_strGroup1 == group1) && (!group2 || record->m_strGroup2 == group2)) {
            AddUnique(out, record->m_strGroup3);
        }
    }
}

// Text mode makes every "\n" a CR LF on disk. A file that cannot be opened
// gives false silently; an error while writing is shown and gives false,
// keeping the lines written before it.
bool CGroupList::WriteText(const char* path) const {
    if (!path) return false;
    CStdioFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText)) return false;
    try {
        CString line;
        for (POSITION pos = m_list.GetHeadPosition(); pos;) {
            line.Format("%s\n", static_cast<const char*>(m_list.GetNext(pos)->GetTreeText('\\')));
            file.WriteString(line);
        }
        file.Close();
    } catch (CFileException* e) {
        e->Delete();
        file.Abort();
        AfxMessageBox("Error : [ CGroupList::WriteText() ]", MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}
