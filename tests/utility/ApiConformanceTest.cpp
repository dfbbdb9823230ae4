// The exported interface of the window-free utilities, the group data and
// Ordovan's file items, checked at compile time: the exact type of every
// function (arguments, result, const), the virtual operations (through probe
// classes that override them), bases and public fields. Nothing runs here;
// a declaration that drifts breaks the build of UtilityTests.
#include <type_traits>

#include "ApiCheck.h"
#include "FileItem.h"
#include "FileItemList.h"
#include "Vokit.h"

namespace conformance {

// ---- INI access ----------------------------------------------------------------

CHECK_TYPE(&_WriteIni, bool (*)(const char*, const char*, const char*, const char*, bool));
CHECK_TYPE(&_WriteIniBool, bool (*)(const char*, const char*, bool, const char*, bool));
CHECK_TYPE(&_WriteIniNum, bool (*)(const char*, const char*, int, const char*, bool));
CHECK_TYPE(&_WriteIniRect, bool (*)(const char*, const char*, const RECT*, const char*, bool));
CHECK_OVERLOAD(&_ReadIni, int (*)(const char*, const char*, const char*, char*, int, const char*, bool));
CHECK_OVERLOAD(&_ReadIni, CString (*)(const char*, const char*, const char*, const char*, bool));
CHECK_TYPE(&_ReadIniBool, bool (*)(const char*, const char*, bool, const char*, bool));
CHECK_TYPE(&_ReadIniNum, int (*)(const char*, const char*, const char*, bool));
CHECK_TYPE(&_ReadIniRect, void (*)(const char*, const char*, RECT*, const char*, bool));
CHECK_TYPE(&_WriteIniContinue, bool (*)(const char*, const CStringArray&, const char*));
CHECK_TYPE(&_ReadIniContinue, void (*)(const char*, CStringArray*, const char*));
CHECK_TYPE(&_DeleteIniContinue, bool (*)(const char*, const char*));

// ---- Paths, files, choosers, clipboard ----------------------------------------

CHECK_OVERLOAD(&_GetModuleFileName, char* (*)(char*, int));
CHECK_OVERLOAD(&_GetModuleFileName, CString (*)());
CHECK_OVERLOAD(&_GetFullPathToPath, char* (*)(const char*, char*, int));
CHECK_OVERLOAD(&_GetFullPathToPath, CString (*)(const char*));
CHECK_OVERLOAD(&_GetFullPathToFileName, void (*)(const char*, char*, int));
CHECK_OVERLOAD(&_GetFullPathToFileName, CString (*)(const char*));
CHECK_OVERLOAD(&_GetFileNameToNameOnly, char* (*)(const char*, char*, int));
CHECK_OVERLOAD(&_GetFileNameToNameOnly, CString (*)(const char*));
CHECK_OVERLOAD(&_GetFileNameToExpandOnly, char* (*)(const char*, char*, int));
CHECK_OVERLOAD(&_GetFileNameToExpandOnly, CString (*)(const char*));
CHECK_OVERLOAD(&_FolderDlg, void (*)(char*, int, const char*, const char*));
CHECK_OVERLOAD(&_FolderDlg, CString (*)(const char*, const char*));
CHECK_TYPE(&_PathChek, bool (*)(CString*, bool));
CHECK_TYPE(&_FileCheck, bool (*)(const char*));
CHECK_TYPE(&_BackupFile, bool (*)(const char*, const char*, int));
CHECK_TYPE(&_GetComputerName, CString (*)());
CHECK_TYPE(&_SetClipboardDataText, HANDLE (*)(const CString&));
CHECK_TYPE(&_GetClipboardDataText, HANDLE (*)(CString*));
CHECK_TYPE(&_ColorDlg, COLORREF (*)(COLORREF));

// ---- String arrays, dates and times, numbers ------------------------------------

// The enumerations are plain 32-bit enumerations.
static_assert(std::is_enum_v<SortOrder> && sizeof(SortOrder) == 4);
static_assert(std::is_enum_v<FindWay> && sizeof(FindWay) == 4);
static_assert(std::is_enum_v<DateType> && sizeof(DateType) == 4);
static_assert(std::is_enum_v<TimeType> && sizeof(TimeType) == 4);

CHECK_TYPE(&_Divide, bool (*)(const char*, int, CStringArray*, char));
CHECK_TYPE(&_DeleteOverlap, long (*)(CStringArray*));
CHECK_OVERLOAD(&_Sort, bool (*)(CStringArray*, SortOrder));
CHECK_OVERLOAD(&_Sort, bool (*)(CString*, int, SortOrder));
CHECK_TYPE(&_StringArrayFind, bool (*)(const CStringArray&, const char*, FindWay));
CHECK_TYPE(&_StringCompare, bool (*)(const char*, const char*, bool, bool));
CHECK_TYPE(&_DateFormat, CString (*)(CTime, DateType));
CHECK_TYPE(&_TimeFormat, CString (*)(CTime, TimeType));
CHECK_TYPE(&_GetContinueNumber, CString (*)(short, short));
CHECK_TYPE(&_DtoI, int (*)(double, int));

// ---- Calculator ---------------------------------------------------------------------

CHECK_TYPE(&_Calc, double (*)(const char*, int*));
CHECK_BASE(CException, CZeroDivException);
static_assert(std::is_default_constructible_v<CZeroDivException>);
static_assert(std::has_virtual_destructor_v<CZeroDivException>);
CHECK_TYPE(&CZeroDivException::SetError, void (CZeroDivException::*)(const char*, int));
CHECK_TYPE(&CZeroDivException::ReportError, int (CZeroDivException::*)(UINT, UINT));
struct ZeroDivProbe : CZeroDivException {
    int ReportError(UINT nType, UINT nMessageID) override;
};

// ---- File finder ----------------------------------------------------------------------

static_assert(std::is_convertible_v<CWin32FindData*, WIN32_FIND_DATAA*>, "public base");
static_assert(std::has_virtual_destructor_v<CWin32FindData>);
static_assert(std::is_default_constructible_v<CWin32FindData> && std::is_copy_constructible_v<CWin32FindData>);
CHECK_OVERLOAD(&CWin32FindData::operator=, CWin32FindData& (CWin32FindData::*)(const WIN32_FIND_DATAA&));
CHECK_OVERLOAD(&CWin32FindData::operator=, CWin32FindData& (CWin32FindData::*)(const CWin32FindData&));
CHECK_TYPE(&CWin32FindData::GetFileName, CString (CWin32FindData::*)() const);
CHECK_TYPE(CWin32FindData::m_strPath, CString);

static_assert(std::has_virtual_destructor_v<CVoFileFind>);
static_assert(!std::is_copy_constructible_v<CVoFileFind> && !std::is_copy_assignable_v<CVoFileFind>);
CHECK_OVERLOAD(&CVoFileFind::FindFile, bool (CVoFileFind::*)(const char*, const char*, bool));
CHECK_TYPE(&CVoFileFind::GetSize, int (CVoFileFind::*)() const);
CHECK_TYPE(&CVoFileFind::operator[], CWin32FindData& (CVoFileFind::*)(int));
CHECK_TYPE(&CVoFileFind::ResetContent, void (CVoFileFind::*)());
struct FileFindProbe : CVoFileFind {
    using CVoFileFind::FindFile;
    int FindFile(const char* pattern) override;
    bool FindFileSubFolder(char* folder, const char* mask) override;
};

// ---- Recent-item lists ----------------------------------------------------------------

static_assert(std::is_default_constructible_v<CRecent> && std::is_constructible_v<CRecent, int>);
static_assert(std::has_virtual_destructor_v<CRecent>);
CHECK_TYPE(&CRecent::GetSize, int (CRecent::*)() const);
CHECK_TYPE(&CRecent::SetRecentMax, void (CRecent::*)(int));
CHECK_TYPE(&CRecent::operator[], CString (CRecent::*)(int) const);
CHECK_TYPE(&CRecent::ResetContent, void (CRecent::*)());
struct RecentProbe : CRecent {
    void Read(const char* section, const char* iniFile) override;
    bool Write(const char* section, const char* iniFile) const override;
    void Serialize(CArchive& ar) override;
    bool Add(const char* item) override;
    int GetData(CStringArray* out) const override;
    bool SetData(const CStringArray& in) override;
};

CHECK_BASE(CVoComboBox, CRecentComboBox);
CHECK_TYPE(&CRecentComboBox::SetRecentMax, void (CRecentComboBox::*)(int));
CHECK_TYPE(&CRecentComboBox::ResetContent, void (CRecentComboBox::*)());
struct RecentComboBoxProbe : CRecentComboBox {
    void Serialize(CArchive& ar) override;
    bool Write(const char* section, const char* iniFile) const override;
    void Read(const char* section, const char* iniFile) override;
    void Apply() override;
};

// ---- Group data -----------------------------------------------------------------------------

CHECK_BASE(CObject, CGroupData);
static_assert(std::is_copy_constructible_v<CGroupData>);
CHECK_TYPE(CGroupData::m_strGroup1, CString);
CHECK_TYPE(CGroupData::m_strGroup2, CString);
CHECK_TYPE(CGroupData::m_strGroup3, CString);
CHECK_TYPE(CGroupData::m_color, unsigned long);
static_assert(sizeof(CGroupData::m_color) == 4);
CHECK_TYPE(&CGroupData::operator=, CGroupData& (CGroupData::*)(const CGroupData&));
CHECK_TYPE(&CGroupData::GetGroup1, CString (CGroupData::*)() const);
CHECK_TYPE(&CGroupData::GetGroup2, CString (CGroupData::*)() const);
CHECK_TYPE(&CGroupData::GetGroup3, CString (CGroupData::*)() const);
CHECK_TYPE(&CGroupData::SetGroup1, CString (CGroupData::*)(const char*));
CHECK_TYPE(&CGroupData::SetGroup2, CString (CGroupData::*)(const char*));
CHECK_TYPE(&CGroupData::SetGroup3, CString (CGroupData::*)(const char*));
CHECK_OVERLOAD(&CGroupData::GetColor, unsigned long (CGroupData::*)() const);
CHECK_OVERLOAD(&CGroupData::GetColor, unsigned long& (CGroupData::*)());
CHECK_TYPE(&CGroupData::SetColor, void (CGroupData::*)(unsigned long));
CHECK_TYPE(&CGroupData::IsEmpty, bool (CGroupData::*)() const);
CHECK_TYPE(&CGroupData::Empty, void (CGroupData::*)());
CHECK_TYPE(&CGroupData::operator==, bool (CGroupData::*)(const CGroupData&));
CHECK_TYPE(&CGroupData::operator!=, bool (CGroupData::*)(const CGroupData&));
CHECK_TYPE(&CGroupData::Serch, bool (CGroupData::*)(const CGroupData&, short) const);
CHECK_TYPE(&CGroupData::GetTreeText, CString (CGroupData::*)(char) const);
CHECK_TYPE(&CGroupData::SetTreeText, CGroupData& (CGroupData::*)(const char*, char));
CHECK_TYPE(&CGroupData::GetClipboardText, CString (CGroupData::*)() const);
CHECK_TYPE(&CGroupData::GetClipboardCount, int (CGroupData::*)() const);
CHECK_TYPE(&CGroupData::Serialize, void (CGroupData::*)(CArchive&));

static_assert(!std::is_base_of_v<CObject, CGroupList>);
static_assert(std::has_virtual_destructor_v<CGroupList>);
CHECK_TYPE(&CGroupList::Add, CGroupData* (CGroupList::*)(const CGroupData&));
CHECK_TYPE(&CGroupList::operator+=, CGroupList& (CGroupList::*)(const CGroupList&));
CHECK_TYPE(&CGroupList::CheckGroupData, CGroupData* (CGroupList::*)(const CGroupData&));
CHECK_TYPE(&CGroupList::GetGroupPtr, CGroupData* (CGroupList::*)(const CGroupData&));
CHECK_TYPE(&CGroupList::GetGroupIndex, int (CGroupList::*)(const CGroupData*) const);
CHECK_TYPE(&CGroupList::GetGroupData, CGroupData* (CGroupList::*)(int));
CHECK_TYPE(&CGroupList::GetColor, unsigned long (CGroupList::*)(const CGroupData&) const);
CHECK_TYPE(&CGroupList::GetGroup1List, void (CGroupList::*)(CStringArray*) const);
CHECK_TYPE(&CGroupList::GetGroup2List, void (CGroupList::*)(const char*, CStringArray*) const);
CHECK_TYPE(&CGroupList::GetGroup3List, void (CGroupList::*)(const char*, const char*, CStringArray*) const);
CHECK_TYPE(&CGroupList::WriteText, bool (CGroupList::*)(const char*) const);
struct GroupListProbe : CGroupList {
    void Serialize(CArchive& ar) override;
    void DeleteContents() override;
};

// ---- Ordovan's file items ----------------------------------------------------------------

CHECK_BASE(CObject, CFileItem);
CHECK_TYPE(CFileItem::m_strFolder, CString);
CHECK_TYPE(CFileItem::m_strName, CString);
CHECK_TYPE(CFileItem::m_nSize, int);
CHECK_TYPE(CFileItem::m_ftTime, FILETIME);
CHECK_TYPE(CFileItem::m_strNewName, CString);
CHECK_TYPE(&CFileItem::IsEqual, bool (CFileItem::*)(const CFileItem*) const);
CHECK_TYPE(&CFileItem::GetFullPath, CString (CFileItem::*)() const);
struct FileItemProbe : CFileItem {
    CString GetDateText() override;
    int Compare(CFileItem* other, int key) override;
    bool Rename() override;
};
CHECK_TYPE(&PadNumber, CString (*)(int, int));
CHECK_TYPE(g_bMoveRename, bool);
CHECK_TYPE(g_strMoveFolder, CString);

static_assert(!std::is_base_of_v<CObject, CFileItemList>);
static_assert(std::has_virtual_destructor_v<CFileItemList>);
CHECK_TYPE(&CFileItemList::Add, CFileItem* (CFileItemList::*)(CFileItem*));
CHECK_TYPE(&CFileItemList::RemoveItems, void (CFileItemList::*)(CObList*, bool));
CHECK_TYPE(&CFileItemList::MoveBefore, void (CFileItemList::*)(CFileItem*, CObList*));
CHECK_TYPE(&CFileItemList::MoveAfter, void (CFileItemList::*)(CFileItem*, CObList*));
CHECK_TYPE(&CFileItemList::RemoveAll, void (CFileItemList::*)());
struct FileItemListProbe : CFileItemList {
    CString Execute() override;
    bool MakeNewNames(const char* baseName, int width, int start, bool renameFile) override;
    bool IsNew(CFileItem* candidate) override;
};

}  // namespace conformance
