// ApiConformanceTest.cpp - the declarations that programs built on Vokit
// compile against: bases, member function types and overloads, virtual
// operations, public data, record layouts and constants of the layout, list
// and control classes. Nearly everything is checked at compile time; the
// few run-time cases cover default arguments and the variable-argument
// form of SetValistAttach.
#include "ApiCheck.h"
#include "Vokit.h"

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstddef>
#include <type_traits>

namespace api_conformance {

// ---- layout anchoring --------------------------------------------------------

static_assert(A_END == 0 && AT_TOP == 1 && AT_LEFT == 2 && AT_RIGHT == 3 && AT_BOTTOM == 4);
static_assert(AO_TOP == 5 && AO_LEFT == 6 && AO_RIGHT == 7 && AO_BOTTOM == 8);
static_assert(AP_TOP == 9 && AP_LEFT == 10 && AP_RIGHT == 11 && AP_BOTTOM == 12);
static_assert(AR_TOP == 13 && AR_LEFT == 14 && AR_RIGHT == 15 && AR_BOTTOM == 16);
static_assert(AK_NONE == 0 && AK_FORM == 1 && AK_CTRL_ADJACENT == 2 && AK_FORM_OPPOSITE == 3 && AK_CTRL_SAME == 4 &&
              AK_FORM_PERCENT == 5 && AK_CTRL_PERCENT == 6);

static_assert(std::is_standard_layout_v<CAttachArg> && sizeof(CAttachArg) == 8);
CHECK_TYPE(CAttachArg::nType, int);
CHECK_TYPE(CAttachArg::nValue, int);
static_assert(offsetof(CAttachArg, nType) == 0 && offsetof(CAttachArg, nValue) == 4);

static_assert(std::is_standard_layout_v<CAttachEntry>);
CHECK_TYPE(CAttachEntry::nID, UINT);
CHECK_TYPE(CAttachEntry::nKind, int[4]);
CHECK_TYPE(CAttachEntry::rcGiven, RECT);
CHECK_TYPE(CAttachEntry::rcOffset, RECT);
CHECK_TYPE(CAttachEntry::rcPercent, RECT);
CHECK_TYPE(CAttachEntry::nRefID, UINT[4]);
CHECK_TYPE(CAttachEntry::pRef, CAttachEntry* [4]);
CHECK_TYPE(CAttachEntry::rcNew, RECT);
CHECK_TYPE(CAttachEntry::rcCur, RECT);
CHECK_TYPE(CAttachEntry::nWidth, int);
CHECK_TYPE(CAttachEntry::nHeight, int);
CHECK_TYPE(CAttachEntry::nFlags, int);
static_assert(FieldsInOrder(offsetof(CAttachEntry, nID), offsetof(CAttachEntry, nKind), offsetof(CAttachEntry, rcGiven),
                            offsetof(CAttachEntry, rcOffset), offsetof(CAttachEntry, rcPercent),
                            offsetof(CAttachEntry, nRefID), offsetof(CAttachEntry, pRef), offsetof(CAttachEntry, rcNew),
                            offsetof(CAttachEntry, rcCur), offsetof(CAttachEntry, nWidth),
                            offsetof(CAttachEntry, nHeight), offsetof(CAttachEntry, nFlags)));

static_assert(std::has_virtual_destructor_v<CAttachForm> && std::is_default_constructible_v<CAttachForm>);
CHECK_OVERLOAD(&CAttachForm::SetSize, void (CAttachForm::*)(int, int));
CHECK_OVERLOAD(&CAttachForm::SetSize, void (CAttachForm::*)(const CSize&));
CHECK_TYPE(&CAttachForm::GetSize, CSize (CAttachForm::*)() const);
CHECK_TYPE(&CAttachForm::FindID, int (CAttachForm::*)(UINT));
CHECK_TYPE(&CAttachForm::SetVaAttach, int (CAttachForm::*)(UINT, ...));
CHECK_TYPE(&CAttachForm::SetValistAttach, int (CAttachForm::*)(UINT, const char*));
CHECK_TYPE(&CAttachForm::SetAttach, int (CAttachForm::*)(UINT, const CAttachArg*, int));
CHECK_TYPE(&CAttachForm::SetRect, int (CAttachForm::*)(UINT, const RECT*));
CHECK_TYPE(&CAttachForm::GetRect, int (CAttachForm::*)(UINT, RECT*));
CHECK_TYPE(&CAttachForm::Dettach, int (CAttachForm::*)(UINT));
CHECK_TYPE(&CAttachForm::RealizeAttach, int (CAttachForm::*)());
CHECK_TYPE(&CAttachForm::Resize, int (CAttachForm::*)(int, int));

// The virtual operations (an override of a non-virtual one does not compile).
struct AttachFormVirtuals : CAttachForm {
    ~AttachFormVirtuals() override;
    int SetVaAttach(UINT nID, ...) override;
    int SetValistAttach(UINT nID, const char* pArgs) override;
    int SetAttach(UINT nID, const CAttachArg* pArgs, int nCount) override;
    int SetRect(UINT nID, const RECT* pRect) override;
    int GetRect(UINT nID, RECT* pRect) override;
    int Dettach(UINT nID) override;
    int RealizeAttach() override;
    int Resize(int cx, int cy) override;
};

using Helper = CAttachFormWndHelper;
CHECK_BASE(CAttachForm, Helper);
static_assert(!std::is_default_constructible_v<Helper> && !std::is_destructible_v<Helper>, "only a base");
CHECK_TYPE(&Helper::SetVaAttach, int (Helper::*)(UINT, ...));
CHECK_TYPE(&Helper::SetValistAttach, int (Helper::*)(UINT, const char*));
CHECK_TYPE(&Helper::SetAttach, int (Helper::*)(UINT, const CAttachArg*, int));
CHECK_TYPE(&Helper::SetRect, int (CAttachForm::*)(UINT, const RECT*));
CHECK_TYPE(&Helper::GetRect, int (CAttachForm::*)(UINT, RECT*));
CHECK_TYPE(&Helper::Dettach, int (CAttachForm::*)(UINT));
CHECK_TYPE(&Helper::RealizeAttach, int (Helper::*)());
CHECK_TYPE(&Helper::Resize, int (Helper::*)(int, int));
CHECK_TYPE(&Helper::SetMaxSize, void (Helper::*)(const CSize&));
CHECK_TYPE(&Helper::GetMaxSize, CSize (Helper::*)());
CHECK_TYPE(&Helper::SetMinSize, void (Helper::*)(const CSize&));
CHECK_TYPE(&Helper::GetMinSize, CSize (Helper::*)());
CHECK_TYPE(&Helper::SetClipMode, void (Helper::*)(BOOL));
CHECK_TYPE(&Helper::SetAttachMode, int (Helper::*)(UINT, int));
CHECK_TYPE(&Helper::CalcMinMax, void (Helper::*)(MINMAXINFO*));
static_assert(std::is_standard_layout_v<Helper::EnumData> && offsetof(Helper::EnumData, pDC) == 0 &&
              offsetof(Helper::EnumData, pWnd) == sizeof(CDC*));
CHECK_TYPE(Helper::EnumData::pDC, CDC*);
CHECK_TYPE(Helper::EnumData::pWnd, CWnd*);

// The protected part, as a derived window class sees it.
struct HelperVirtuals : CAttachFormWndHelper {
    ~HelperVirtuals() override;
    int SetVaAttach(UINT nID, ...) override;
    int SetValistAttach(UINT nID, const char* pArgs) override;
    int SetAttach(UINT nID, const CAttachArg* pArgs, int nCount) override;
    int RealizeAttach() override;
    int Resize(int cx, int cy) override;
    static void Check() {
        CHECK_TYPE(&HelperVirtuals::SetHelperWnd, void(Helper::*)(CWnd*));
        CHECK_TYPE(&HelperVirtuals::ClipControl, void(Helper::*)(CDC*));
    }
};

CHECK_BASE(CDialog, CAttachDialog);
CHECK_BASE(CAttachFormWndHelper, CAttachDialog);
static_assert(std::is_constructible_v<CAttachDialog, LPCTSTR, CWnd*> &&
              std::is_constructible_v<CAttachDialog, UINT, CWnd*> && std::is_default_constructible_v<CAttachDialog> &&
              std::has_virtual_destructor_v<CAttachDialog>);
CHECK_TYPE(&CAttachDialog::OnInitDialog, BOOL (CAttachDialog::*)());
CHECK_TYPE(&CAttachDialog::OnSize, void (CAttachDialog::*)(UINT, int, int));
CHECK_TYPE(&CAttachDialog::OnEraseBkgnd, BOOL (CAttachDialog::*)(CDC*));
CHECK_TYPE(&CAttachDialog::OnPaint, void (CAttachDialog::*)());
CHECK_TYPE(&CAttachDialog::OnGetMinMaxInfo, void (CAttachDialog::*)(MINMAXINFO*));
CHECK_TYPE(&CAttachDialog::SetAttach, int (Helper::*)(UINT, const CAttachArg*, int));
CHECK_TYPE(&CAttachDialog::Resize, int (Helper::*)(int, int));

struct AttachDialogVirtuals : CAttachDialog {
    ~AttachDialogVirtuals() override;
    BOOL OnInitDialog() override;
};

// ---- list control --------------------------------------------------------------

static_assert(std::is_standard_layout_v<tag_COLINFO>);
CHECK_TYPE(tag_COLINFO::pszText, const char*);
CHECK_TYPE(tag_COLINFO::nFormat, int);
CHECK_TYPE(tag_COLINFO::cx, int);
CHECK_TYPE(tag_COLINFO::nEditType, int);
static_assert(std::is_pointer_v<decltype(tag_COLINFO::pEditInfo)>);
CHECK_TYPE(tag_COLINFO::nData1, int);
CHECK_TYPE(tag_COLINFO::nData2, int);
static_assert(FieldsInOrder(offsetof(tag_COLINFO, pszText), offsetof(tag_COLINFO, nFormat), offsetof(tag_COLINFO, cx),
                            offsetof(tag_COLINFO, nEditType), offsetof(tag_COLINFO, pEditInfo),
                            offsetof(tag_COLINFO, nData1), offsetof(tag_COLINFO, nData2)));

static_assert(std::is_standard_layout_v<tag_CBINFO> && offsetof(tag_CBINFO, pszLayout) == 0 &&
              offsetof(tag_CBINFO, pszItems) == sizeof(const char*));
CHECK_TYPE(tag_CBINFO::pszLayout, const char*);
CHECK_TYPE(tag_CBINFO::pszItems, const char*);

CHECK_TYPE(&_GetListCtrlColorFormat, CString (*)(COLORREF));

using List = CListCtrlEx;
CHECK_BASE(CListCtrl, List);
static_assert(std::is_constructible_v<List, UINT, UINT, UINT> && std::has_virtual_destructor_v<List>);
CHECK_TYPE(&List::PreCreateWindow, BOOL (List::*)(CREATESTRUCT&));
CHECK_TYPE(&List::SetFullRowSel, BOOL (List::*)(BOOL));
CHECK_TYPE(&List::GetFullRowSel, BOOL (List::*)());
CHECK_TYPE(&List::SetViewType, BOOL (List::*)(DWORD));
CHECK_TYPE(&List::GetViewType, DWORD (List::*)());
CHECK_TYPE(&List::SetColInfo, int (List::*)(tag_COLINFO*, int, BOOL));
CHECK_TYPE(&List::SetFixedCols, int (List::*)(int, BOOL));
CHECK_TYPE(&List::EnableGrid, void (List::*)(BOOL, BOOL));
CHECK_TYPE(&List::IsGrid, BOOL (List::*)());
CHECK_TYPE(&List::EnableIntervalLine, void (List::*)(BOOL, BOOL));
CHECK_TYPE(&List::IsIntervalLine, bool (List::*)() const);
CHECK_OVERLOAD(&List::AddItem, int (List::*)(int, int, const char*, int));
CHECK_OVERLOAD(&List::AddItem, int (List::*)(int, const char*, int));
CHECK_OVERLOAD(&List::ReplaceItem, int (List::*)(int, int, const char*, int));
CHECK_OVERLOAD(&List::ReplaceItem, int (List::*)(int, const char*, int));
CHECK_TYPE(&List::SetSel, int (List::*)(int, BOOL));
CHECK_TYPE(&List::SetAllSel, bool (List::*)());
CHECK_TYPE(&List::GetSelItems, int (List::*)(int, int*) const);
CHECK_TYPE(&List::GetSelItem, int (List::*)());
CHECK_TYPE(&List::GetLastSelItem, int (List::*)());
CHECK_TYPE(&List::CheckLine, BOOL (List::*)(int, BOOL));
CHECK_TYPE(&List::AddNewLine, void (List::*)());
CHECK_TYPE(&List::UpdateItem, void (List::*)(int, int));
CHECK_TYPE(&List::ControlSet, void (List::*)(int, int, CWnd*));
CHECK_TYPE(&List::ComboSelEnd, void (List::*)(int, int, int));
CHECK_TYPE(&List::MoveControl, int (List::*)(UINT, int, int));
CHECK_TYPE(&List::_MoveControl, void (List::*)(int, int));
CHECK_TYPE(&List::EndEdit, void (List::*)(BOOL));
CHECK_TYPE(&List::FindNextCol, int (List::*)(int));
CHECK_TYPE(&List::FindPrevCol, int (List::*)(int));
CHECK_TYPE(&List::m_bIntervalLine, bool List::*);
CHECK_TYPE(&List::m_clrIntervalLine, COLORREF List::*);
CHECK_TYPE(&List::m_bGrid, BOOL List::*);
CHECK_TYPE(&List::m_nFixedCols, int List::*);
CHECK_TYPE(&List::m_bFullRowSel, BOOL List::*);
CHECK_TYPE(&List::m_bSaveColumnWidth, BOOL List::*);
CHECK_TYPE(&List::m_pColInfo, tag_COLINFO* List::*);
CHECK_TYPE(&List::m_nColInfo, int List::*);
CHECK_TYPE(&List::m_nEditItem, int List::*);
CHECK_TYPE(&List::m_nEditCol, int List::*);
CHECK_TYPE(&List::m_nEditID, UINT List::*);
CHECK_TYPE(&List::m_nCalcEditID, UINT List::*);
CHECK_TYPE(&List::m_nComboID, UINT List::*);
CHECK_TYPE(&List::m_bEditing, BOOL List::*);
CHECK_TYPE(&List::m_editCell, CLxEdit List::*);
CHECK_TYPE(&List::m_calcCell, CLxCalcEdit List::*);
CHECK_TYPE(&List::m_comboCell, CLxComboBox List::*);
CHECK_TYPE(&List::m_cxStateImage, int List::*);
CHECK_TYPE(&List::m_clrCellBk, COLORREF List::*);
CHECK_TYPE(&List::m_clrListBk, COLORREF List::*);

struct ListVirtuals : CListCtrlEx {
    ~ListVirtuals() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    BOOL CheckLine(int nItem, BOOL bLast) override;
    void AddNewLine() override;
    void UpdateItem(int nItem, int nCol) override;
    void ControlSet(int nItem, int nCol, CWnd* pCtrl) override;
    void ComboSelEnd(int nItem, int nCol, int nSel) override;
    int GetLastSelItem() override;
    int GetSelItem() override;
    static void Check() {
        CHECK_TYPE(&ListVirtuals::MakeShortString, const char* (*)(CDC*, const char*, int, int));
        CHECK_TYPE(&ListVirtuals::GetStringColor, COLORREF(*)(CDC*, char*));
        CHECK_TYPE(&ListVirtuals::AtoDTA, UINT(List::*)(UINT));
        CHECK_TYPE(&ListVirtuals::RepaintSelectedItems, void(List::*)());
        CHECK_TYPE(&ListVirtuals::SaveColumnWidth, void(List::*)());
    }
};

CHECK_BASE(CListCtrlEx, CLxBase);
static_assert(std::is_default_constructible_v<CLxBase>);
struct LxBaseVirtuals : CLxBase {
    void PreSubclassWindow() override;
};

CHECK_BASE(CEdit, CLxEdit);
CHECK_TYPE(&CLxEdit::CreateLC, BOOL (CLxEdit::*)(UINT, CRect&, CWnd*));
CHECK_BASE(CEdit, CLxCalcEdit);
CHECK_TYPE(&CLxCalcEdit::CreateLC, BOOL (CLxCalcEdit::*)(UINT, CRect&, const char*, CWnd*));
CHECK_TYPE(&CLxCalcEdit::SetFormat, void (CLxCalcEdit::*)(const char*));
CHECK_TYPE(&CLxCalcEdit::Calc, void (CLxCalcEdit::*)());
CHECK_BASE(CComboBox, CLxComboBox);
CHECK_TYPE(&CLxComboBox::CreateLC, BOOL (CLxComboBox::*)(UINT, CRect&, tag_CBINFO*, CWnd*));
CHECK_TYPE(&CLxComboBox::SetSelStr, void (CLxComboBox::*)(tag_CBINFO*));
CHECK_TYPE(&CLxComboBox::MeasureItem, void (CLxComboBox::*)(MEASUREITEMSTRUCT*));
CHECK_TYPE(&CLxComboBox::DrawItem, void (CLxComboBox::*)(DRAWITEMSTRUCT*));
CHECK_TYPE(&CLxComboBox::m_nDroppedWidth, int CLxComboBox::*);
CHECK_TYPE(&CLxComboBox::m_nItemHeight, int CLxComboBox::*);

struct LxEditVirtuals : CLxEdit {
    ~LxEditVirtuals() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
};
struct LxCalcEditVirtuals : CLxCalcEdit {
    ~LxCalcEditVirtuals() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
};
struct LxComboBoxVirtuals : CLxComboBox {
    ~LxComboBoxVirtuals() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
};

// ---- edit, label, combo-box and button controls --------------------------------

CHECK_BASE(CEdit, CVoEdit);
static_assert(std::has_virtual_destructor_v<CVoEdit> && std::is_default_constructible_v<CVoEdit>);
CHECK_TYPE(&CVoEdit::SetTextColor, void (CVoEdit::*)(COLORREF));
CHECK_TYPE(&CVoEdit::SetBkColor, void (CVoEdit::*)(COLORREF));
CHECK_TYPE(&CVoEdit::EnableWindow, bool (CVoEdit::*)(bool));
CHECK_TYPE(&CVoEdit::PreTranslateMessage, BOOL (CVoEdit::*)(MSG*));

CHECK_BASE(CVoEdit, CVoCalcEdit);
static_assert(std::is_default_constructible_v<CVoCalcEdit> && std::is_constructible_v<CVoCalcEdit, const char*>);
CHECK_TYPE(&CVoCalcEdit::SetFormat, void (CVoCalcEdit::*)(const char*));
CHECK_TYPE(&CVoCalcEdit::Calc, void (CVoCalcEdit::*)());
CHECK_TYPE(&CVoCalcEdit::SetMinValue, void (CVoCalcEdit::*)(double));
CHECK_TYPE(&CVoCalcEdit::SetMaxValue, void (CVoCalcEdit::*)(double));
struct CalcEditVirtuals : CVoCalcEdit {
    ~CalcEditVirtuals() override;
    void SetMaxValue(double value) override;
    void SetMinValue(double value) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
};

static_assert(std::is_enum_v<ButtonType> && sizeof(ButtonType) == 4);
CHECK_BASE(CWnd, CVoButtonEdit);
static_assert(std::has_virtual_destructor_v<CVoButtonEdit> && std::is_default_constructible_v<CVoButtonEdit>);
CHECK_TYPE(&CVoButtonEdit::Make, bool (CVoButtonEdit::*)(ButtonType));
CHECK_TYPE(&CVoButtonEdit::EnableWindow, bool (CVoButtonEdit::*)(bool));
CHECK_TYPE(&CVoButtonEdit::SetTextColor, void (CVoButtonEdit::*)(COLORREF));
CHECK_TYPE(&CVoButtonEdit::SetBkColor, void (CVoButtonEdit::*)(COLORREF));
CHECK_TYPE(&CVoButtonEdit::SetFileFilter, void (CVoButtonEdit::*)(const char*));
CHECK_TYPE(&CVoButtonEdit::PreTranslateMessage, BOOL (CVoButtonEdit::*)(MSG*));

CHECK_BASE(CStatic, CLabel);
static_assert(std::is_default_constructible_v<CLabel> && std::has_virtual_destructor_v<CLabel>);
CHECK_TYPE(&CLabel::SetTextColor, void (CLabel::*)(COLORREF));
CHECK_TYPE(&CLabel::SetBkColor, void (CLabel::*)(COLORREF));
CHECK_TYPE(&CLabel::FlashText, void (CLabel::*)(BOOL));
CHECK_TYPE(&CLabel::FlashBackground, void (CLabel::*)(BOOL));
CHECK_TYPE(&CLabel::CtlColor, HBRUSH (CLabel::*)(CDC*, UINT));
CHECK_TYPE(&CLabel::OnTimer, void (CLabel::*)(UINT));
CHECK_TYPE(&CLabel::m_clrText, COLORREF CLabel::*);
CHECK_TYPE(&CLabel::m_hBkBrush, HBRUSH CLabel::*);
CHECK_TYPE(&CLabel::m_hOffBrush, HBRUSH CLabel::*);
CHECK_TYPE(&CLabel::m_lf, LOGFONT CLabel::*);
CHECK_TYPE(&CLabel::m_font, CFont CLabel::*);
CHECK_TYPE(&CLabel::m_strSaved, CString CLabel::*);
CHECK_TYPE(&CLabel::m_bPhase, BOOL CLabel::*);
CHECK_TYPE(&CLabel::m_bFlashing, BOOL CLabel::*);
CHECK_TYPE(&CLabel::m_nFlashMode, int CLabel::*);

CHECK_BASE(CStatic, CLabelVersion);
static_assert(std::is_default_constructible_v<CLabelVersion> && std::has_virtual_destructor_v<CLabelVersion>);
CHECK_TYPE(&CLabelVersion::Make, bool (CLabelVersion::*)(char*, const char*, bool));
CHECK_TYPE(&CLabelVersion::CtlColor, HBRUSH (CLabelVersion::*)(CDC*, UINT));
CHECK_TYPE(&CLabelVersion::m_font, CFont CLabelVersion::*);
CHECK_TYPE(&CLabelVersion::m_lf, LOGFONT CLabelVersion::*);

CHECK_BASE(CComboBox, CVoComboBox);
static_assert(std::is_default_constructible_v<CVoComboBox> && std::has_virtual_destructor_v<CVoComboBox>);
CHECK_OVERLOAD(&CVoComboBox::Add, int (CVoComboBox::*)(const char*));
CHECK_OVERLOAD(&CVoComboBox::Add, bool (CVoComboBox::*)(const CStringArray&, bool));
CHECK_OVERLOAD(&CVoComboBox::Add, int (CVoComboBox::*)(int));
CHECK_TYPE(&CVoComboBox::GetSelectText, CString (CVoComboBox::*)(bool));
CHECK_TYPE(&CVoComboBox::SetCurItem, int (CVoComboBox::*)(DWORD));
CHECK_TYPE(&CVoComboBox::PreTranslateMessage, BOOL (CVoComboBox::*)(MSG*));
struct ComboBoxVirtuals : CVoComboBox {
    ~ComboBoxVirtuals() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    CString GetSelectText(bool fromList) override;
    int Add(const char* text) override;
    bool Add(const CStringArray& names, bool reset) override;
    int Add(int number) override;
};

CHECK_BASE(CVoComboBox, CMakeComboBox);
static_assert(std::is_constructible_v<CMakeComboBox, UINT> && std::is_default_constructible_v<CMakeComboBox>);
CHECK_TYPE(&CMakeComboBox::PreCreateWindow, BOOL (CMakeComboBox::*)(CREATESTRUCT&));
CHECK_TYPE(&CMakeComboBox::OnCreate, int (CMakeComboBox::*)(LPCREATESTRUCT));
CHECK_TYPE(&CMakeComboBox::m_dwStyle, DWORD CMakeComboBox::*);
CHECK_TYPE(&CMakeComboBox::m_font, CFont CMakeComboBox::*);
static_assert(sizeof(DWORD) == 4);
struct MakeComboBoxVirtuals : CMakeComboBox {
    ~MakeComboBoxVirtuals() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
};

CHECK_BASE(CButton, CVoButton);
static_assert(std::is_default_constructible_v<CVoButton> && std::has_virtual_destructor_v<CVoButton>);
CHECK_TYPE(&CVoButton::OnCreate, int (CVoButton::*)(LPCREATESTRUCT));
CHECK_TYPE(&CVoButton::m_logFont, LOGFONT CVoButton::*);
CHECK_TYPE(&CVoButton::m_font, CFont CVoButton::*);
static_assert(sizeof(LOGFONT) == 60);

// Hands its variable arguments on as a list, as a derived class would.
int AttachFromList(CAttachForm& form, UINT nID, ...) {
    va_list args;
    va_start(args, nID);
    const int nResult = form.SetValistAttach(nID, args);
    va_end(args);
    return nResult;
}

}  // namespace api_conformance

TEST(ApiConformance, ConstructorDefaultArguments) {
    CListCtrlEx list;
    EXPECT_EQ(0u, list.m_nEditID);
    EXPECT_EQ(0u, list.m_nCalcEditID);
    EXPECT_EQ(0u, list.m_nComboID);
    CListCtrlEx firstOnly(7);
    EXPECT_EQ(7u, firstOnly.m_nEditID);
    EXPECT_EQ(0u, firstOnly.m_nCalcEditID);
    CListCtrlEx twoOfThree(7, 8);
    EXPECT_EQ(8u, twoOfThree.m_nCalcEditID);
    EXPECT_EQ(0u, twoOfThree.m_nComboID);

    CLxBase base;
    EXPECT_EQ(122u, base.m_nEditID);
    EXPECT_EQ(123u, base.m_nCalcEditID);
    EXPECT_EQ(124u, base.m_nComboID);

    CMakeComboBox combo;
    EXPECT_EQ(static_cast<DWORD>(CBS_DROPDOWNLIST), combo.m_dwStyle);
    CMakeComboBox dropDown(CBS_DROPDOWN);
    EXPECT_EQ(static_cast<DWORD>(CBS_DROPDOWN), dropDown.m_dwStyle);
}

// The dialog part comes first: the object is the CDialog at the same address.
TEST(ApiConformance, AttachDialogStartsWithItsDialog) {
    CAttachDialog dialog;
    EXPECT_EQ(static_cast<void*>(&dialog), static_cast<void*>(static_cast<CDialog*>(&dialog)));
}

TEST(ApiConformance, ValistFormTakesTheListOfAVariadicCall) {
    CAttachForm form;
    EXPECT_EQ(1, api_conformance::AttachFromList(form, 5, AT_TOP, AK_FORM, AT_LEFT, AK_FORM, A_END));
    EXPECT_EQ(0, form.FindID(5));
    EXPECT_EQ(1, api_conformance::AttachFromList(form, 6, A_END));  // no pairs: nothing registered
    EXPECT_EQ(-1, form.FindID(6));
    EXPECT_EQ(0, api_conformance::AttachFromList(form, 7, AT_TOP, AK_FORM, 99, 0, A_END));
    EXPECT_EQ(-1, form.FindID(7));
}
