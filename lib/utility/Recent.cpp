// Recent.cpp - a most-recently-used list of strings with a capacity.
#include "Recent.h"

#include "IniSection.h"
#include "VoIni.h"

#include <climits>
#include <new>

namespace {

const int kDefaultMax = 20;

// Runs change, which builds into scratch arrays and may run out of memory.
// Returns false (after dropping the exception) when it did.
template <class F>
bool WithoutMemoryFailure(F&& change) {
    try {
        change();
        return true;
    } catch (CMemoryException* e) {
        e->Delete();
    } catch (const std::bad_alloc&) {
    }
    return false;
}

}  // namespace

CRecent::CRecent() : m_nMax(kDefaultMax) {}

CRecent::CRecent(int max) : m_nMax(max) {}

CRecent::~CRecent() = default;

int CRecent::GetSize() const { return m_array.GetSize(); }

void CRecent::SetRecentMax(int max) { m_nMax = max; }

CString CRecent::operator[](int index) const {
    if (m_nMax <= 0) return CString();
    return m_array.GetAt(index);  // empty outside the list
}

void CRecent::ResetContent() { m_array.RemoveAll(); }

// Appends the stored items behind the held ones, up to the capacity: a
// section of thousands of items (a damaged or foreign file) costs no more
// than the capacity, and the next Write brings the file back to it.
void CRecent::Read(const char* section, const char* iniFile) {
    if (m_nMax <= 0) {
        ReadIniList(section, &m_array, iniFile, INT_MAX);
        return;
    }
    if (GetSize() < m_nMax) ReadIniList(section, &m_array, iniFile, m_nMax - GetSize());
    if (GetSize() > m_nMax) m_array.SetSize(m_nMax);
}

bool CRecent::Write(const char* section, const char* iniFile) const {
    return _WriteIniContinue(section, m_array, iniFile);
}

void CRecent::Serialize(CArchive& ar) { m_array.Serialize(ar); }

// Puts item in front. An equal item among the first min(size, capacity) ones
// moves to the front (the last of several equal ones); otherwise the list
// grows by one up to the capacity, dropping its oldest item when full. Items
// beyond the capacity are dropped. Returns false only when memory ran out;
// the list is then unchanged.
bool CRecent::Add(const char* item) {
    const CString newItem(item);
    const int n = GetSize() < m_nMax ? GetSize() : m_nMax;
    if (n <= 0) {
        return WithoutMemoryFailure([&] { m_array.Add(newItem); });
    }

    int match = -1;
    for (int i = 0; i < n; ++i) {
        if (m_array[i] == newItem) match = i;
    }
    // Without a match, a full list loses its oldest (n-th) item.
    const int skip = match >= 0 ? match : (n == m_nMax ? n - 1 : -1);

    return WithoutMemoryFailure([&] {
        CStringArray rebuilt;
        rebuilt.Add(newItem);
        for (int i = 0; i < n; ++i) {
            if (i != skip) rebuilt.Add(m_array[i]);
        }
        m_array.Copy(rebuilt);
    });
}

int CRecent::GetData(CStringArray* out) const {
    if (!out || m_nMax <= 0) return 0;
    const int count = GetSize() < m_nMax ? GetSize() : m_nMax;
    for (int i = 0; i < count; ++i) out->Add(m_array[i]);
    return GetSize();
}

bool CRecent::SetData(const CStringArray& in) {
    if (m_nMax <= 0) return false;
    const int count = in.GetSize() < m_nMax ? in.GetSize() : m_nMax;
    return WithoutMemoryFailure([&] {
        CStringArray taken;
        for (int i = 0; i < count; ++i) taken.Add(in[i]);
        m_array.Copy(taken);
    });
}
