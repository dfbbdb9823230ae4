// Group.cpp - the linked group combo boxes.
#include "Group.h"

#include "VoComboBox.h"

namespace {
const unsigned int kBox1 = 1;
const unsigned int kBox2 = 2;
const unsigned int kBox3 = 4;

void Enable(CVoComboBox* pBox, BOOL bEnable) {
    if (pBox) pBox->EnableWindow(bEnable);
}

// Selects the first item that begins with name (ignoring case); nothing
// for an empty name or one that no item begins with.
void ShowName(CVoComboBox* pBox, const CString& name) {
    if (name.IsEmpty() || pBox->SelectString(-1, name) == CB_ERR) pBox->SetCurSel(-1);
}
}  // namespace

CGroup::CGroup()
    : m_bFindWay(true), m_pCombo1(nullptr), m_pCombo2(nullptr), m_pCombo3(nullptr), m_pGroupList(nullptr) {}

CGroup::CGroup(CVoComboBox* box1, CVoComboBox* box2, CVoComboBox* box3)
    : m_bFindWay(true), m_pCombo1(box1), m_pCombo2(box2), m_pCombo3(box3), m_pGroupList(nullptr) {}

CGroup::~CGroup() = default;

bool CGroup::HasAllBoxes() const {
    const bool all = m_pCombo1 && m_pCombo2 && m_pCombo3;
    ASSERT(all);  // this operation works on all three boxes
    return all;
}

// --- the three levels ------------------------------------------------------

// Box 1 is filled only while it is empty; without a text the boxes below
// have nothing to choose from.
CString CGroup::UpdateGroup1(unsigned int flags) {
    if (m_pCombo1) {
        m_pCombo1->EnableWindow(TRUE);
        if (m_pCombo1->GetCount() == 0) {
            CStringArray names;
            if (m_pGroupList) m_pGroupList->GetGroup1List(&names);
            m_pCombo1->Add(names, false);
        }
        CString text = m_pCombo1->GetSelectText((flags & kBox1) != 0);
        if (!text.IsEmpty()) return text;
    }
    Enable(m_pCombo2, FALSE);
    Enable(m_pCombo3, FALSE);
    return CString();
}

CString CGroup::UpdateGroup2(CString group1, unsigned int flags) {
    if (m_pCombo2 && !group1.IsEmpty()) {
        m_pCombo2->EnableWindow(TRUE);
        if (flags & kBox1) {
            CStringArray names;
            if (m_pGroupList) m_pGroupList->GetGroup2List(group1, &names);
            m_pCombo2->Add(names, true);
        }
        CString text = m_pCombo2->GetSelectText((flags & kBox2) != 0);
        if (!text.IsEmpty()) return text;
    }
    Enable(m_pCombo3, FALSE);
    return CString();
}

// Disables nothing: an empty group 2 left box 3 disabled already.
CString CGroup::UpdateGroup3(CString group1, CString group2, unsigned int flags) {
    if (m_pCombo3 && !group1.IsEmpty() && !group2.IsEmpty()) {
        m_pCombo3->EnableWindow(TRUE);
        if (flags & kBox2) {
            CStringArray names;
            if (m_pGroupList) m_pGroupList->GetGroup3List(group1, group2, &names);
            m_pCombo3->Add(names, true);
        }
        CString text = m_pCombo3->GetSelectText((flags & kBox3) != 0);
        if (!text.IsEmpty()) return text;
    }
    return CString();
}

// The flat way: whenever box 1 is empty all three boxes are loaded afresh,
// then the record takes the three edit texts as they stand.
void CGroup::UpdateGroupAll() {
    if (!HasAllBoxes()) return;
    if (m_pCombo1->GetCount() == 0) {
        CStringArray names;
        m_pCombo1->Add(names, true);
        GetAllGroup2(&names);
        m_pCombo2->Add(names, true);
        names.RemoveAll();
        GetAllGroup3(&names);
        m_pCombo3->Add(names, true);
    }
    m_data.SetGroup1(m_pCombo1->GetSelectText(false));
    m_data.SetGroup2(m_pCombo2->GetSelectText(false));
    m_data.SetGroup3(m_pCombo3->GetSelectText(false));
    m_pCombo2->EnableWindow(TRUE);
    m_pCombo3->EnableWindow(TRUE);
}

// --- operations ------------------------------------------------------------

CGroupData CGroup::Update(unsigned int flags) {
    if (m_bFindWay) {
        m_data.SetGroup1(UpdateGroup1(flags));
        m_data.SetGroup2(UpdateGroup2(m_data.GetGroup1(), flags));
        m_data.SetGroup3(UpdateGroup3(m_data.GetGroup1(), m_data.GetGroup2(), flags));
        if (m_pGroupList) m_data.SetColor(m_pGroupList->GetColor(m_data));
    } else {
        UpdateGroupAll();
    }
    return m_data;
}

// A level that is refreshed hides the boxes below it from the steps that
// follow, so that they keep what they show.
void CGroup::UpdateListView(unsigned int flags) {
    CVoComboBox* const pBox2 = m_pCombo2;
    CVoComboBox* const pBox3 = m_pCombo3;
    if (flags & kBox1) {
        m_pCombo2 = m_pCombo3 = nullptr;
        m_data.SetGroup1(UpdateGroup1(flags));
    }
    if (flags & kBox2) {
        m_pCombo3 = nullptr;
        UpdateGroup2(m_data.GetGroup1(), kBox1);
        m_data.SetGroup2(UpdateGroup2(m_data.GetGroup1(), flags));
    }
    if (flags & kBox3) {
        UpdateGroup3(m_data.GetGroup1(), m_data.GetGroup2(), kBox2);
        m_data.SetGroup3(UpdateGroup3(m_data.GetGroup1(), m_data.GetGroup2(), flags));
    }
    m_pCombo2 = pBox2;
    m_pCombo3 = pBox3;
}

void CGroup::UpdateData(const CGroupData& record) {
    if (!HasAllBoxes()) return;
    ShowName(m_pCombo1, record.GetGroup1());
    UpdateGroup2(record.GetGroup1(), kBox1 | kBox2);
    ShowName(m_pCombo2, record.GetGroup2());
    UpdateGroup3(record.GetGroup1(), record.GetGroup2(), kBox2 | kBox3);
    ShowName(m_pCombo3, record.GetGroup3());
}

void CGroup::Clear() {
    if (!HasAllBoxes()) return;
    for (CVoComboBox* pBox : {m_pCombo1, m_pCombo2, m_pCombo3}) pBox->SetCurSel(-1);
    m_data.Empty();
}

void CGroup::SetFindWay(bool bFindWay) {
    m_bFindWay = bFindWay;
    if (m_pCombo1) m_pCombo1->ResetContent();
}

bool CGroup::GetAllGroup2(CStringArray*) { return false; }

bool CGroup::GetAllGroup3(CStringArray*) { return false; }
