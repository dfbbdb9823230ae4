// Recent.h - a most-recently-used list of strings with a capacity, stored
// as a numbered INI section.
#pragma once

#include "VokitDefs.h"

class VOKIT_API CRecent {
public:
    CRecent();  // capacity 20
    explicit CRecent(int max);

    int GetSize() const;
    void SetRecentMax(int max);
    // A copy of item index (0 = most recent); empty when the capacity is 0 or less.
    CString operator[](int index) const;
    void ResetContent();

    // Appends the stored items behind the held ones, up to the capacity.
    virtual void Read(const char* section, const char* iniFile);
    virtual bool Write(const char* section, const char* iniFile) const;
    virtual void Serialize(CArchive& ar);
    // Puts item in front (moving an equal one), cutting to the capacity.
    virtual bool Add(const char* item);
    virtual int GetData(CStringArray* out) const;
    virtual bool SetData(const CStringArray& in);
    // Declared last: the virtual operations keep the order of the exported
    // table (Read ... SetData, then the destructor).
    virtual ~CRecent();

protected:
    CStringArray m_array;  // most recent first
    int m_nMax;
};
