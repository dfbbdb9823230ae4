// AttachForm.h - the attachment model: per-edge rules that say where each
// edge of a child control goes when its form (the parent window) is resized.
//
// Types:
//   CAttachArg    one rule argument: a code (AT_/AO_/AP_/AR_) and its value
//   CAttachEntry  the rules and rectangles of one control
//   CAttachForm   the window-free table of entries; solves all edges on resize
//
// Edges are always numbered top, left, right, bottom; RECT-typed fields keep
// the platform's order (left, top, right, bottom). Calling order: register
// the controls (SetAttach, SetVaAttach, SetRect), RealizeAttach once, then
// Resize(cx, cy) on every size change of the form. A change of the table
// after realizing (new entry, removed entry, new rules) unrealizes the
// model: Resize does nothing until RealizeAttach is called again.
#pragma once

#include "VokitDefs.h"

#include <AfxTypes.h>

#include <cstdarg>

// Argument codes of CAttachArg::nType.
enum {
    A_END = 0,   // ends the list of SetVaAttach; invalid inside a SetAttach array
    AT_TOP = 1,  // attachment kind (AK_) of an edge
    AT_LEFT = 2,
    AT_RIGHT = 3,
    AT_BOTTOM = 4,
    AO_TOP = 5,  // explicit offset of an edge
    AO_LEFT = 6,
    AO_RIGHT = 7,
    AO_BOTTOM = 8,
    AP_TOP = 9,  // percentage of an edge (kinds AK_FORM_PERCENT, AK_CTRL_PERCENT)
    AP_LEFT = 10,
    AP_RIGHT = 11,
    AP_BOTTOM = 12,
    AR_TOP = 13,  // reference control ID of an edge (kinds 2, 4 and 6)
    AR_LEFT = 14,
    AR_RIGHT = 15,
    AR_BOTTOM = 16
};

// Attachment kinds, the values of the AT_ codes. "Same side" pairs top with
// top, left with left...; "opposite side" pairs top with bottom, left with right.
enum {
    AK_NONE = 0,           // follows the opposite edge, keeping the size (or stays)
    AK_FORM = 1,           // fixed distance from the same side of the form
    AK_CTRL_ADJACENT = 2,  // fixed distance from the opposite side of the reference
    AK_FORM_OPPOSITE = 3,  // fixed distance from the opposite side of the form
    AK_CTRL_SAME = 4,      // fixed distance from the same side of the reference
    AK_FORM_PERCENT = 5,   // percentage of the form's width or height, plus an offset
    AK_CTRL_PERCENT = 6    // percentage of the reference's width or height, plus an offset
};

// One rule argument.
struct CAttachArg {
    int nType;   // argument code
    int nValue;  // its value
};

// The rules and rectangles of one control (one row of the table).
class VOKIT_API CAttachEntry {
public:
    CAttachEntry(UINT nIDCtrl = 0);

    UINT nID;               // control ID, the key
    int nKind[4];           // attachment kinds of top, left, right, bottom
    RECT rcGiven;           // offsets given by the caller; INT_MAX = not given
    RECT rcOffset;          // effective offsets, filled by RealizeAttach
    RECT rcPercent;         // percentages
    UINT nRefID[4];         // reference control IDs of top, left, right, bottom
    CAttachEntry* pRef[4];  // their entries, resolved by RealizeAttach
    RECT rcNew;             // the rectangle being computed by Resize
    RECT rcCur;             // the current (recorded) rectangle
    int nWidth;             // rcCur's width and height at the start of a resize
    int nHeight;
    // Resolution bits: 0x01 top, 0x02 left, 0x04 right, 0x08 bottom solved;
    // 0x10 top and bottom both AK_NONE, 0x20 left and right both AK_NONE.
    int nFlags;
};

// The window-free attachment table. Controls are known by ID and rectangle
// only. Results are 1 for success and 0 for failure.
class VOKIT_API CAttachForm {
public:
    CAttachForm();
    virtual ~CAttachForm();
    CAttachForm(const CAttachForm&) = delete;
    CAttachForm& operator=(const CAttachForm&) = delete;

    void SetSize(int cx, int cy);
    void SetSize(const CSize& size);
    CSize GetSize() const;
    // Index of the entry of nID in registration order, or -1.
    int FindID(UINT nID);

    // SetVaAttach(nID, code, value, code, value, ..., A_END).
    virtual int SetVaAttach(UINT nID, ...);
    // The same with the variable part as a list (the va_list of a variadic
    // call, a plain char pointer on this platform); no pairs at all: 1,
    // nothing changes.
    virtual int SetValistAttach(UINT nID, const char* pArgs);
    // Sets the rules of nID from nCount arguments. A bad code, or a kind that
    // needs a reference without one, fails and removes the entry of nID.
    virtual int SetAttach(UINT nID, const CAttachArg* pArgs, int nCount);
    // Records the control's current rectangle (registers nID if needed).
    virtual int SetRect(UINT nID, const RECT* pRect);
    virtual int GetRect(UINT nID, RECT* pRect);
    // Removes the entry of nID; 1 also when there is none.
    virtual int Dettach(UINT nID);
    // Turns the rules into offsets from the recorded rectangles and the form
    // size, and checks that every edge can be solved.
    virtual int RealizeAttach();
    // Solves every edge for the form size cx x cy and makes the results the
    // current rectangles; 0 (nothing changes) when the rules cannot be solved.
    virtual int Resize(int cx, int cy);

protected:
    BOOL m_bRealized;                                      // set by a successful RealizeAttach; Resize needs it
    CArray<CAttachEntry, const CAttachEntry&> m_arrEntry;  // in registration order
    int m_nEntryCount;                                     // always m_arrEntry.GetSize()
    int m_nPercentBaseX;                                   // 100: percentages are hundredths of the size
    int m_nPercentBaseY;
    int m_nFormWidth;  // the form size that offsets and percentages refer to
    int m_nFormHeight;

private:
    // Index of a new entry for nID at the end of the table, -1 without memory.
    int AppendEntry(UINT nID);
    void RemoveEntry(int nIndex);
    // Where edge nEdge of e hangs and in which direction its offset counts:
    // the edge sits at anchor + sign * offset. FALSE for kinds without one.
    BOOL GetAnchor(const CAttachEntry& e, int nEdge, BOOL bFromNew, int* pAnchor, int* pSign) const;
    // TRUE when edge nEdge of e can be solved now; with bCompute it is
    // written to e.rcNew.
    BOOL SolveEdge(CAttachEntry& e, int nEdge, BOOL bCompute) const;
    // Runs the resolution passes over the whole table.
    BOOL SolveAll(BOOL bCompute);
};
