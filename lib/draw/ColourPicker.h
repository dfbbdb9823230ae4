// ColourPicker.h - a button that shows a colour and opens CColourPopup to
// choose another, and its data exchange with a dialog member.
#pragma once

#include "ColourPopup.h"

// An owner-drawn button: a sunken swatch in the background colour with the
// caption centred on it in the text colour, and a drop-down arrow. A click
// (or Space) opens the popup below it; the popup's messages set the colour
// and are passed on to the picker's parent with the picker's control ID:
// CPICK_DROPDOWN when it opens, CPICK_SELCHANGE for each hot-cell change,
// CPICK_CLOSEUP and then CPICK_SELENDOK or CPICK_SELENDCANCEL when it closes.
// Selection mode 1 edits the text colour, any other the background colour.
class VOKIT_API CColourPicker : public CButton {
    DECLARE_DYNCREATE(CColourPicker)
public:
    CColourPicker();
    ~CColourPicker() override;

    // The colour that the selection mode edits.
    COLORREF GetColour();
    void SetColour(COLORREF crColour);
    // The setters redraw the control at once.
    COLORREF GetBkColour() { return m_crBackground; }
    void SetBkColour(COLORREF crColour);
    COLORREF GetTextColour() { return m_crText; }
    void SetTextColour(COLORREF crColour);
    void SetSelectionMode(UINT nMode) { m_nSelectionMode = nMode; }
    UINT GetSelectionMode() { return m_nSelectionMode; }
    // With tracking on, hovering in the popup shows each colour at once.
    void SetTrackSelection(BOOL bTrack) { m_bTrackSelection = bTrack; }
    BOOL GetTrackSelection() { return m_bTrackSelection; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    // The popup's messages.
    afx_msg LRESULT OnSelChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSelEndOK(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSelEndCancel(WPARAM wParam, LPARAM lParam);
    // Opens the popup; the parent does not see the click.
    afx_msg BOOL OnClicked();
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);

protected:
    void PreSubclassWindow() override;
    // Gives the control its height and a square arrow at the right.
    void SetWindowSize();
    void SendToParent(UINT message, COLORREF crColour);
    void ClosePopup(COLORREF crColour, UINT endMessage);

    BOOL m_bPopupOpen;
    BOOL m_bTrackSelection;
    COLORREF m_crBackground;
    COLORREF m_crText;
    UINT m_nSelectionMode;
    CRect m_rcArrow;  // client coordinates

    DECLARE_MESSAGE_MAP()
};

// Moves the picker's colour (per its selection mode) between the control
// nIDC, which must be a CColourPicker, and crColour.
VOKIT_API void AFXAPI DDX_ColourPicker(CDataExchange* pDX, int nIDC, COLORREF& crColour);
