// VoComboBox.h - the library's general combo box: typed Add operations, a
// text getter for every combo style, selection by item data, and Return
// acting as Tab.
#pragma once

#include "VokitDefs.h"

#include <afxwin.h>

// Combo box with typed adding and Return-to-Tab.
class VOKIT_API CVoComboBox : public CComboBox {
public:
    CVoComboBox();
    ~CVoComboBox() override;

    // Turns the key code Return into Tab.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The text shown: for a drop-down list the selected item; for a
    // drop-down the edit text, or with fromList the selected item; for a
    // simple box nothing. Empty when nothing is selected.
    virtual CString GetSelectText(bool fromList);
    // CB_ADDSTRING; returns its result (the index, or CB_ERR/CB_ERRSPACE).
    virtual int Add(const char* text);
    // Adds names in order, stopping at the first failure; with reset the
    // box is emptied first and the text shown before is selected again.
    // False when an add failed.
    virtual bool Add(const CStringArray& names, bool reset);
    // Adds the number printed with "%d".
    virtual int Add(int number);

    // Selects the first item whose item data is data; when none has it the
    // selection is cleared. Returns the result of CB_SETCURSEL (CB_ERR then).
    int SetCurItem(DWORD data);

protected:
    DECLARE_MESSAGE_MAP()
};
