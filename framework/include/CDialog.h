// CDialog.h - dialog boxes from templates, modal or modeless.
//
// Classes:
//   CDialog  a dialog window: DoModal runs it with its owner disabled and
//            returns the code given to EndDialog; Create makes it modeless
//
// Templates are found through the resource chain (the program first, then
// the extension libraries). A dialog opens centred over its owner (over the
// screen when it has none), unless its template places it (a position of
// its own, DS_ABSALIGN, DS_CENTER, DS_CENTERMOUSE, a child dialog) or its
// OnInitDialog moved it. Controls are bound to members by DoDataExchange
// (see CDataExchange.h), called by UpdateData.
#pragma once

#include "CWnd.h"

class CDataExchange;

class AFX_API CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modeless: creates the dialog window; FALSE when it could not be made.
    virtual BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
    // Modal: -1 when the dialog could not be made, else the EndDialog code.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);
    // TRUE while a modal loop of this dialog runs.
    BOOL IsModal() const { return m_bInModalLoop; }

    virtual BOOL OnInitDialog();
    // Moves the focus (and the default button) to the control.
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    BOOL IsDialogMessage(LPMSG lpMsg);
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Notes a move made while OnInitDialog runs (see m_bPlaced).
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Runs messages until EndDialog is called; returns the code.
    virtual int RunModalLoop();

    UINT m_nIDHelp;
    LPCSTR m_lpszTemplateName;
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

protected:
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;
    // Finds and locks the template; null when there is none.
    LPCDLGTEMPLATE LoadTemplate() const;
    BOOL CreateFromTemplate(LPCDLGTEMPLATE lpTemplate, CWnd* pParentWnd);

    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bPlaced = FALSE;  // the template or OnInitDialog gave the dialog its place
    BOOL m_bInInitDialog = FALSE;
    BOOL m_bInModalLoop = FALSE;
    BOOL m_bEndModal = FALSE;
    int m_nModalResult = -1;

    friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
};

AFX_API INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
