// RecentComboBox.cpp - the combo box over a most-recently-used list.
#include "RecentComboBox.h"

CRecentComboBox::CRecentComboBox() = default;

CRecentComboBox::~CRecentComboBox() = default;

void CRecentComboBox::SetRecentMax(int max) { m_recent.SetRecentMax(max); }

void CRecentComboBox::ResetContent() {
    m_recent.ResetContent();
    if (m_hWnd) CVoComboBox::ResetContent();
}

void CRecentComboBox::Serialize(CArchive& ar) {
    m_recent.Serialize(ar);
    if (ar.IsLoading()) Refill();
}

bool CRecentComboBox::Write(const char* section, const char* iniFile) const { return m_recent.Write(section, iniFile); }

void CRecentComboBox::Read(const char* section, const char* iniFile) {
    m_recent.Read(section, iniFile);
    Refill();
}

void CRecentComboBox::Apply() {
    const CString text = GetSelectText(false);
    if (!text.IsEmpty()) m_recent.Add(text);
    Refill();
}

// Most recent item at the top.
void CRecentComboBox::Refill() {
    if (!m_hWnd) return;
    CStringArray items;
    m_recent.GetData(&items);
    Add(items, true);
}
