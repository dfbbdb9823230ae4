// CDocument.cpp - documents: their views, title and modified flag.
#include "CDocument.h"

#include "CView.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::CDocument() : m_bAutoDelete(TRUE), m_bModified(FALSE) {}

CDocument::~CDocument() {
    // Views that outlive their document forget it.
    for (POSITION pos = m_viewList.GetHeadPosition(); pos;)
        static_cast<CView*>(m_viewList.GetNext(pos))->m_pDocument = nullptr;
}

void CDocument::SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle ? lpszTitle : ""; }

void CDocument::SetPathName(LPCSTR lpszPathName) {
    m_strPathName = lpszPathName ? lpszPathName : "";
    int slash = m_strPathName.ReverseFind('\\');
    CString title = slash >= 0 ? m_strPathName.Mid(slash + 1) : m_strPathName;
    SetTitle(title);
}

CView* CDocument::GetNextView(POSITION& rPosition) const { return static_cast<CView*>(m_viewList.GetNext(rPosition)); }

void CDocument::AddView(CView* pView) {
    ASSERT(pView && pView->m_pDocument == nullptr);
    if (!pView || m_viewList.Find(pView)) return;
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView) {
    POSITION pos = m_viewList.Find(pView);
    if (!pos) return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
    for (POSITION pos = m_viewList.GetHeadPosition(); pos;) {
        CView* pView = GetNextView(pos);
        if (pView != pSender) pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::DeleteContents() {}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnChangedViewList() {
    if (m_viewList.IsEmpty() && m_bAutoDelete) delete this;
}
