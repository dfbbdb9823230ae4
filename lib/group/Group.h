// Group.h - three combo boxes that show and choose the levels of a group
// record from a group list.
#pragma once

#include "GroupList.h"

class CVoComboBox;

// Ties three combo boxes (owned by a dialog) to the three levels of a group
// record: box 1 chooses group 1, box 2 a group 2 under it, box 3 a group 3
// under that pair. Filled hierarchically (the default) box 2 lists the
// group-2 names under the chosen group 1 and box 3 the group-3 names under
// the chosen pair; filled flat, the boxes are filled once and read as they
// stand. The boxes' windows must exist for the operations that update them.
//
// The update flags have one bit per box (1, 2, 4): a set bit takes that
// box's text from its list selection instead of its edit field, and
// refills the box below it from the list - what a box needs right after
// its selection changed.
class VOKIT_API CGroup {
public:
    CGroup();
    CGroup(CVoComboBox* box1, CVoComboBox* box2, CVoComboBox* box3);
    CGroup(const CGroup& other) = default;
    CGroup& operator=(const CGroup& other) = default;
    virtual ~CGroup();

    // The list is the application's; nothing is refilled when it changes.
    CGroupList* GetGroupList() { return m_pGroupList; }
    void SetGroupList(CGroupList* pGroupList) { m_pGroupList = pGroupList; }

    // Reads the boxes into the current record (with its colour from the
    // list, hierarchically) and returns a copy of it.
    CGroupData Update(unsigned int flags);
    // Refreshes only the levels the flags name.
    void UpdateListView(unsigned int flags);
    // Shows record in the three boxes (box 1 must hold its names already);
    // the current record stays. Needs all three boxes.
    void UpdateData(const CGroupData& record);
    void SetColor(unsigned long color) { m_data.SetColor(color); }
    // No selection in any box, an empty current record. Needs all three boxes.
    void Clear();
    bool IsEmpty() const { return m_data.IsEmpty(); }
    // Empties box 1 so that the next update fills it the new way.
    void SetFindWay(bool bFindWay);
    // What the flat way lists in boxes 2 and 3: nothing so far (false).
    bool GetAllGroup2(CStringArray* pNames);
    bool GetAllGroup3(CStringArray* pNames);

private:
    CString UpdateGroup1(unsigned int flags);
    CString UpdateGroup2(CString group1, unsigned int flags);
    CString UpdateGroup3(CString group1, CString group2, unsigned int flags);
    void UpdateGroupAll();
    bool HasAllBoxes() const;

    bool m_bFindWay;
    CVoComboBox* m_pCombo1;  // not owned
    CVoComboBox* m_pCombo2;
    CVoComboBox* m_pCombo3;
    CGroupList* m_pGroupList;  // not owned
    CGroupData m_data;
};
