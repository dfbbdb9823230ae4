// GalleryGroupPage.cpp - the linked group combo boxes page.
#include "GalleryGroupPage.h"

#include "GalleryPages.h"
#include "GalleryResource.h"

namespace {
const char kGroupFile[] = "SampleGroups.dat";
const int kMargin = 16;
const int kLabelWidth = 80;
const int kBoxWidth = 200;
const int kRowHeight = 28;
const int kDropHeight = 200;
const char* const kLabels[] = {"分類：", "種類：", "品種："};

int RowTop(int row) { return kMargin + row * kRowHeight; }
}  // namespace

IMPLEMENT_DYNCREATE(CGalleryGroupPage, CView)

BEGIN_MESSAGE_MAP(CGalleryGroupPage, CView)
    ON_WM_CREATE()
    ON_CBN_SELCHANGE(IDC_GROUP_FIRST, OnGroup1Changed)
    ON_CBN_SELCHANGE(IDC_GROUP_FIRST + 1, OnGroup2Changed)
    ON_CBN_SELCHANGE(IDC_GROUP_FIRST + 2, OnGroup3Changed)
    ON_CBN_EDITCHANGE(IDC_GROUP_FIRST, OnGroupEdited)
    ON_CBN_EDITCHANGE(IDC_GROUP_FIRST + 1, OnGroupEdited)
    ON_CBN_EDITCHANGE(IDC_GROUP_FIRST + 2, OnGroupEdited)
END_MESSAGE_MAP()

CGalleryGroupPage::CGalleryGroupPage() : m_group(&m_wndBoxes[0], &m_wndBoxes[1], &m_wndBoxes[2]) {}

int CGalleryGroupPage::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1) return -1;
    for (int i = 0; i < 3; ++i) {
        int top = RowTop(i);
        int boxLeft = kMargin + kLabelWidth;
        if (!m_wndLabels[i].Create(kLabels[i], WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE,
                                   CRect(kMargin, top, boxLeft, top + kRowHeight - 4), this) ||
            !m_wndBoxes[i].Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                                  CRect(boxLeft, top, boxLeft + kBoxWidth, top + kDropHeight), this,
                                  IDC_GROUP_FIRST + i))
            return -1;
        m_wndLabels[i].SetFont(GalleryFont());
        m_wndBoxes[i].SetFont(GalleryFont());
    }
    return 0;
}

bool CGalleryGroupPage::LoadGroups(const CString& path, CGroupList& list) {
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite)) return false;
    try {
        CArchive ar(&file, CArchive::load);
        list.Serialize(ar);
    } catch (CException* e) {
        e->Delete();
        return false;
    }
    return true;
}

void CGalleryGroupPage::OnInitialUpdate() {
    CView::OnInitialUpdate();
    CString program = _GetModuleFileName();
    CString path = program.Left(program.GetLength() - _GetFullPathToFileName(program).GetLength()) + kGroupFile;
    if (LoadGroups(path, m_list)) {
        m_strSource.Format("%s の %d 件", kGroupFile, static_cast<int>(m_list.m_list.GetCount()));
    } else {
        m_strSource.Format("%s を読めませんでした", kGroupFile);
    }
    m_group.SetGroupList(&m_list);
    m_group.Update(0);  // fills box 1
    // Starts on the first record, as a user would have chosen it.
    if (CGroupData* pFirst = m_list.GetGroupData(0)) m_group.UpdateData(*pFirst);
    Choose(0);
}

void CGalleryGroupPage::Choose(unsigned int flags) {
    m_chosen = m_group.Update(flags);
    Invalidate();
}

void CGalleryGroupPage::OnGroup1Changed() { Choose(1); }
void CGalleryGroupPage::OnGroup2Changed() { Choose(2); }
void CGalleryGroupPage::OnGroup3Changed() { Choose(4); }
void CGalleryGroupPage::OnGroupEdited() { Choose(0); }

void CGalleryGroupPage::OnDraw(CDC* pDC) {
    int top = RowTop(3) + kMargin;
    CFont* pOld = pDC->SelectObject(GalleryFont());
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    CString chosen = "選んだ組：" + m_chosen.GetGroup1() + " / " + m_chosen.GetGroup2() + " / " + m_chosen.GetGroup3();
    pDC->TextOut(kMargin, top, chosen);
    CString colour;
    colour.Format("色：0x%06lX", m_chosen.GetColor());
    pDC->TextOut(kMargin, top + kRowHeight, colour);
    CRect swatch(kMargin + kLabelWidth + 40, top + kRowHeight, kMargin + kLabelWidth + 120, top + 2 * kRowHeight - 6);
    pDC->FillSolidRect(swatch, m_chosen.GetColor());
    pDC->Draw3dRect(swatch, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNSHADOW));
    pDC->TextOut(kMargin, top + 2 * kRowHeight, "一覧：" + m_strSource);
    pDC->SelectObject(pOld);
}
