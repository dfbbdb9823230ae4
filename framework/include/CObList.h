// CObList.h - a list of CObject pointers with the archive form
// "count, then each object with its class record".
#pragma once

#include "CList.h"

class AFX_API CObList : public CList<CObject*, CObject*> {
    DECLARE_SERIAL(CObList)
public:
    explicit CObList(int nBlockSize = 10) : CList<CObject*, CObject*>(nBlockSize) {}

    // Stores the count and each element with CArchive::WriteObject; loading
    // appends the objects read with CArchive::ReadObject. When loading fails
    // part way, the objects read so far are deleted and the list is left as
    // it was; the exception goes on to the caller.
    void Serialize(CArchive& ar) override;
};
