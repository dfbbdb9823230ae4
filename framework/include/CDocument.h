// CDocument.h - the data a program's views show.
//
// Classes:
//   CDocument  keeps the list of its views, a title, a path and a modified
//              flag, and tells its views when it changed (UpdateAllViews).
//              Commands the active view does not handle reach it. With
//              m_bAutoDelete (the default) it deletes itself when its last
//              view goes.
#pragma once

#include "CCmdTarget.h"
#include "CList.h"
#include "CString.h"

class CView;

class AFX_API CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // Also makes the file's name the title.
    virtual void SetPathName(LPCSTR lpszPathName);
    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    CView* GetNextView(POSITION& rPosition) const;
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    // OnUpdate of every view but pSender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = nullptr);

    // Empties the document; nothing by default.
    virtual void DeleteContents();
    // A fresh document: DeleteContents, not modified.
    virtual BOOL OnNewDocument();
    // The last view has gone: with m_bAutoDelete the document deletes itself.
    virtual void OnChangedViewList();

    BOOL m_bAutoDelete;

protected:
    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified;
    CPtrList m_viewList;
};
