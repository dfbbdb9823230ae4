// GroupData.h - one record of three group names and a colour.
#pragma once

#include "VokitDefs.h"

class VOKIT_API CGroupData : public CObject {
    DECLARE_SERIAL(CGroupData)
public:
    CGroupData();
    CGroupData(const CGroupData& src);
    ~CGroupData() override;
    CGroupData& operator=(const CGroupData& src);

    CString GetGroup1() const;
    CString GetGroup2() const;
    CString GetGroup3() const;
    // Store the name; "GROUP_NULL" stores an empty name. Return the stored name.
    CString SetGroup1(const char* name);
    CString SetGroup2(const char* name);
    CString SetGroup3(const char* name);
    unsigned long GetColor() const;
    unsigned long& GetColor();
    void SetColor(unsigned long color);

    bool IsEmpty() const;
    void Empty();
    bool operator==(const CGroupData& other);
    bool operator!=(const CGroupData& other);
    // mode 0: key is a path prefix of this record; mode 1: any level equal.
    bool Serch(const CGroupData& key, short mode) const;
    CString GetTreeText(char separator) const;
    CGroupData& SetTreeText(const char* text, char separator);
    CString GetClipboardText() const;
    int GetClipboardCount() const;

    void Serialize(CArchive& ar) override;
    void AssertValid() const override;
    void Dump(void* dc) const override;

    CString m_strGroup1;
    CString m_strGroup2;
    CString m_strGroup3;
    unsigned long m_color;
};
