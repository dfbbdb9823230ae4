// CObList.cpp - the archive form of an object list.
#include "CObList.h"

#include "CArchive.h"

IMPLEMENT_SERIAL(CObList, CObject, 0)

void CObList::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(GetCount()));
        for (CNode* node = m_pNodeHead; node; node = node->pNext) ar << node->data;
        return;
    }
    DWORD count = ar.ReadCount();
    CObList loaded;
    CPtrList created;  // objects made by this load (not back references)
    try {
        for (DWORD i = 0; i < count; ++i) {
            CObject* pOb = ar.ReadObject(nullptr);
            if (ar.IsLastObjectNew()) created.AddTail(pOb);
            loaded.AddTail(pOb);
        }
    } catch (...) {
        while (!created.IsEmpty()) delete static_cast<CObject*>(created.RemoveHead());
        throw;
    }
    while (!loaded.IsEmpty()) AddTail(loaded.RemoveHead());
}
