// CStringArray.cpp - the archive form of a string array.
#include "CStringArray.h"

#include "CArchive.h"

IMPLEMENT_SERIAL(CStringArray, CObject, 0)

void CStringArray::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(GetSize()));
        for (int i = 0; i < GetSize(); ++i) ar << m_data[i];
        return;
    }
    // Grow while reading: a count that the data does not back ends at the
    // end of the archive, not in a huge allocation.
    DWORD count = ar.ReadCount();
    CStringArray loaded;
    for (DWORD i = 0; i < count; ++i) loaded.Add(ar.ReadCString());
    Copy(loaded);
}
