// GroupList.h - an owning, ordered list of CGroupData records, each name
// combination at most once, with its archive and text forms.
#pragma once

#include "GroupData.h"

class VOKIT_API CGroupList {
public:
    CGroupList();
    CGroupList(const CGroupList&) = delete;
    CGroupList& operator=(const CGroupList&) = delete;

    // In the order of the exported table: Serialize, DeleteContents, destructor.
    virtual void Serialize(CArchive& ar);
    virtual void DeleteContents();
    virtual ~CGroupList();

    CGroupData* Add(const CGroupData& data);
    CGroupList& operator+=(const CGroupList& other);
    CGroupData* CheckGroupData(const CGroupData& data);
    CGroupData* GetGroupPtr(const CGroupData& data);
    int GetGroupIndex(const CGroupData* p) const;
    CGroupData* GetGroupData(int index);
    unsigned long GetColor(const CGroupData& data) const;
    void GetGroup1List(CStringArray* out) const;
    void GetGroup2List(const char* group1, CStringArray* out) const;
    void GetGroup3List(const char* group1, const char* group2, CStringArray* out) const;
    // One line "\g1\g2\g3" per record, CR LF ended.
    bool WriteText(const char* path) const;

    CTypedPtrList<CObList, CGroupData*> m_list;
};
