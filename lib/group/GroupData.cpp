// GroupData.cpp - one record of three group names and a colour.
#include "GroupData.h"

#include "VoStringArray.h"

namespace {

// Marks an empty group name in the clipboard form; the setters turn it back
// into an empty name.
const char kGroupNull[] = "GROUP_NULL";

// Version word in front of every stored record.
const WORD kRecordVersion = 100;

CString StoredName(const char* name) {
    if (!name || std::strcmp(name, kGroupNull) == 0) return CString();
    return CString(name);
}

const char* ClipboardName(const CString& name) { return name.IsEmpty() ? kGroupNull : static_cast<const char*>(name); }

}  // namespace

IMPLEMENT_SERIAL(CGroupData, CObject, VERSIONABLE_SCHEMA | 100)

CGroupData::CGroupData() : m_color(0) {}

CGroupData::CGroupData(const CGroupData& src) : CObject(), m_color(0) {
    SetGroup1(src.m_strGroup1);
    SetGroup2(src.m_strGroup2);
    SetGroup3(src.m_strGroup3);
    SetColor(src.m_color);
}

CGroupData::~CGroupData() = default;

CGroupData& CGroupData::operator=(const CGroupData& src) {
    m_strGroup1 = src.m_strGroup1;
    m_strGroup2 = src.m_strGroup2;
    m_strGroup3 = src.m_strGroup3;
    m_color = src.m_color;
    return *this;
}

CString CGroupData::GetGroup1() const { return m_strGroup1; }
CString CGroupData::GetGroup2() const { return m_strGroup2; }
CString CGroupData::GetGroup3() const { return m_strGroup3; }

CString CGroupData::SetGroup1(const char* name) { return m_strGroup1 = StoredName(name); }
CString CGroupData::SetGroup2(const char* name) { return m_strGroup2 = StoredName(name); }
CString CGroupData::SetGroup3(const char* name) { return m_strGroup3 = StoredName(name); }

unsigned long CGroupData::GetColor() const { return m_color; }
unsigned long& CGroupData::GetColor() { return m_color; }
void CGroupData::SetColor(unsigned long color) { m_color = color; }

bool CGroupData::IsEmpty() const { return m_strGroup1.IsEmpty() && m_strGroup2.IsEmpty() && m_strGroup3.IsEmpty(); }

void CGroupData::Empty() {
    m_strGroup1.Empty();
    m_strGroup2.Empty();
    m_strGroup3.Empty();
    m_color = 0;
}

bool CGroupData::operator==(const CGroupData& other) {
    return m_strGroup1 == other.m_strGroup1 && m_strGroup2 == other.m_strGroup2 && m_strGroup3 == other.m_strGroup3;
}

bool CGroupData::operator!=(const CGroupData& other) { return !(*this == other); }

// mode 0: the key is this record or one of its ancestors in the tree
// (\g1, \g1\g2 or \g1\g2\g3); mode 1: any one level has the same name.
bool CGroupData::Serch(const CGroupData& key, short mode) const {
    const bool same1 = key.m_strGroup1 == m_strGroup1;
    const bool same2 = key.m_strGroup2 == m_strGroup2;
    const bool same3 = key.m_strGroup3 == m_strGroup3;
    switch (mode) {
    case 0:
        if (!same1) return false;
        if (key.m_strGroup2.IsEmpty() && key.m_strGroup3.IsEmpty()) return true;
        if (same2 && key.m_strGroup3.IsEmpty()) return true;
        return same2 && same3;
    case 1:
        return same1 || same2 || same3;
    default:
        return false;
    }
}

// Group 3 only follows a non-empty group 2: A, (empty), C gives \A.
CString CGroupData::GetTreeText(char separator) const {
    CString text = separator + m_strGroup1;
    if (!m_strGroup2.IsEmpty()) {
        text += separator;
        text += m_strGroup2;
        if (!m_strGroup3.IsEmpty()) {
            text += separator;
            text += m_strGroup3;
        }
    }
    return text;
}

// One to three pieces set groups 1 to 3 from the front; the other names stay.
// Any other number of pieces changes nothing.
CGroupData& CGroupData::SetTreeText(const char* text, char separator) {
    if (!text) return *this;
    CStringArray pieces;
    _Divide(text, static_cast<int>(std::strlen(text)), &pieces, separator);
    const int count = pieces.GetSize();
    if (count < 1 || count > 3) return *this;
    m_strGroup1 = pieces[0];
    if (count >= 2) m_strGroup2 = pieces[1];
    if (count == 3) m_strGroup3 = pieces[2];
    return *this;
}

CString CGroupData::GetClipboardText() const {
    CString text;
    text.Format("%s,%s,%s,%d", ClipboardName(m_strGroup1), ClipboardName(m_strGroup2), ClipboardName(m_strGroup3),
                static_cast<int>(m_color));
    return text;
}

int CGroupData::GetClipboardCount() const { return 4; }

// Version word 100, the three names, the colour. A record of another version
// is reported and left as it is; the archive stays behind its version word.
void CGroupData::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << kRecordVersion;
        ar << m_strGroup1 << m_strGroup2 << m_strGroup3;
        ar << static_cast<DWORD>(m_color);
        return;
    }

    WORD version = 0;
    ar >> version;
    if (version != kRecordVersion) {
        AfxMessageBox("バージョン不明\n\n [CGroupData::Serialize]", MB_ICONEXCLAMATION);
        return;
    }
    // Read everything before changing the record, so a short archive leaves it whole.
    CString group1, group2, group3;
    DWORD color = 0;
    ar >> group1 >> group2 >> group3;
    ar >> color;
    m_strGroup1 = group1;
    m_strGroup2 = group2;
    m_strGroup3 = group3;
    m_color = color;
}

void CGroupData::AssertValid() const {}

void CGroupData::Dump(void* dc) const { (void)dc; }
