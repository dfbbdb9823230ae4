// VoButtonEdit.h - an input field for a folder or file path: an edit with a
// narrow "..." button at its right end that opens a chooser.
#pragma once

#include "VoButton.h"
#include "VoEdit.h"

// What the "..." button of a CVoButtonEdit opens.
enum ButtonType {
    BT_NONE = 0,    // nothing (any value other than the two below)
    BT_FOLDER = 1,  // the folder chooser (_FolderDlg)
    BT_FILE = 2,    // the file-open dialog
};

// Composite path field. The owner creates or subclasses the window (usually
// a placeholder control of a dialog) and then calls Make. Towards its owner
// it behaves like one edit: setting and reading its window text act on the
// inner edit.
class VOKIT_API CVoButtonEdit : public CWnd {
public:
    // Child window identifiers.
    enum { IDC_VO_BUTTON = 90000, IDC_VO_EDIT = 90001 };
    // Width of the button at the right end, in pixels of a 96-DPI screen.
    enum { BUTTON_WIDTH = 20 };

    CVoButtonEdit();
    ~CVoButtonEdit() override;

    // Creates the edit and the button inside the client area; false when
    // the window does not exist or a child could not be created.
    bool Make(ButtonType type);
    // Enables or disables button and edit; returns the edit's result.
    bool EnableWindow(bool enable);
    void SetTextColor(COLORREF color);
    void SetBkColor(COLORREF color);
    // Filter of the file dialog, as "description|pattern|...||".
    void SetFileFilter(const char* filter);

    // Tab and Enter inside the composite put the focus into the edit.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnVoButtom();

    // Forwards the message being handled to the inner edit (0 without one).
    LRESULT ForwardToEdit(UINT message, WPARAM wParam, LPARAM lParam);
    // Puts the edit and the button side by side over the client area.
    void PlaceChildren(const RECT& client, CRect* editRect, CRect* buttonRect) const;
    void ChooseFolder();
    void ChooseFile();

    CVoButton m_button;
    CVoEdit m_edit;
    ButtonType m_type;
    CString m_strFilter;

    DECLARE_MESSAGE_MAP()
};
