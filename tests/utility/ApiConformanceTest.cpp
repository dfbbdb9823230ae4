// The exported interface of the window-free utilities, the group data and
// Ordovan's file items, checked at compile time: the exact type of every
// function (arguments, result, const), the virtual operations (through probe
// classes that override them), bases and public fields. Nothing runs here;
// a declaration that drifts breaks the build of UtilityTests.
#include <type_traits>

#include "FileItem.h"
#include "FileItemList.h"
#include "Vokit.h"

// f names exactly one function, and its type is the given one.
#define TW_SIGNATURE(f, ...) static_assert(std::is_same_v<decltype(&f), __VA_ARGS__>, #f)
// f has an overload of the given type (the cast compiles only for an exact match).
#define TW_OVERLOAD(f, ...) static_assert(std::is_same_v<decltype(static_cast<__VA_ARGS__>(&f)), __VA_ARGS__>, #f)
#define TW_FIELD(member, type) static_assert(std::is_same_v<decltype(member), type>, #member)

namespace conformance {

// ---- INI access ----------------------------------------------------------------

TW_SIGNATURE(_WriteIni, bool (*)(const char*, const char*, const char*, const char*, bool));
TW_SIGNATURE(_WriteIniBool, bool (*)(const char*, const char*, bool, const char*, bool));
TW_SIGNATURE(_WriteIniNum, bool (*)(const char*, const char*, int, const char*, bool));
TW_SIGNATURE(_WriteIniRect, bool (*)(const char*, const char*, const RECT*, const char*, bool));
TW_OVERLOAD(_ReadIni, int (*)(const char*, const char*, const char*, char*, int, const char*, bool));
TW_OVERLOAD(_ReadIni, CString (*)(const char*, const char*, const char*, const char*, bool));
TW_SIGNATURE(_ReadIniBool, bool (*)(const char*, const char*, bool, const char*, bool));
TW_SIGNATURE(_ReadIniNum, int (*)(const char*, const char*, const char*, bool));
TW_SIGNATURE(_ReadIniRect, void (*)(const char*, const char*, RECT*, const char*, bool));
TW_SIGNATURE(_WriteIniContinue, bool (*)(const char*, const CStringArray&, const char*));
TW_SIGNATURE(_ReadIniContinue, void (*)(const char*, CStringArray*, const char*));
TW_SIGNATURE(_DeleteIniContinue, bool (*)(const char*, const char*));

// ---- Paths, files, choosers, clipboard ----------------------------------------

TW_OVERLOAD(_GetModuleFileName, char* (*)(char*, int));
TW_OVERLOAD(_GetModuleFileName, CString (*)());
TW_OVERLOAD(_GetFullPathToPath, char* (*)(const char*, char*, int));
TW_OVERLOAD(_GetFullPathToPath, CString (*)(const char*));
TW_OVERLOAD(_GetFullPathToFileName, void (*)(const char*, char*, int));
TW_OVERLOAD(_GetFullPathToFileName, CString (*)(const char*));
TW_OVERLOAD(_GetFileNameToNameOnly, char* (*)(const char*, char*, int));
TW_OVERLOAD(_GetFileNameToNameOnly, CString (*)(const char*));
TW_OVERLOAD(_GetFileNameToExpandOnly, char* (*)(const char*, char*, int));
TW_OVERLOAD(_GetFileNameToExpandOnly, CString (*)(const char*));
TW_OVERLOAD(_FolderDlg, void (*)(char*, int, const char*, const char*));
TW_OVERLOAD(_FolderDlg, CString (*)(const char*, const char*));
TW_SIGNATURE(_PathChek, bool (*)(CString*, bool));
TW_SIGNATURE(_FileCheck, bool (*)(const char*));
TW_SIGNATURE(_BackupFile, bool (*)(const char*, const char*, int));
TW_SIGNATURE(_GetComputerName, CString (*)());
TW_SIGNATURE(_SetClipboardDataText, HANDLE (*)(const CString&));
TW_SIGNATURE(_GetClipboardDataText, HANDLE (*)(CString*));
TW_SIGNATURE(_ColorDlg, COLORREF (*)(COLORREF));

// ---- String arrays, dates and times, numbers ------------------------------------

// The enumerations are plain 32-bit enumerations.
static_assert(std::is_enum_v<SortOrder> && sizeof(SortOrder) == 4);
static_assert(std::is_enum_v<FindWay> && sizeof(FindWay) == 4);
static_assert(std::is_enum_v<DateType> && sizeof(DateType) == 4);
static_assert(std::is_enum_v<TimeType> && sizeof(TimeType) == 4);

TW_SIGNATURE(_Divide, bool (*)(const char*, int, CStringArray*, char));
TW_SIGNATURE(_DeleteOverlap, long (*)(CStringArray*));
TW_OVERLOAD(_Sort, bool (*)(CStringArray*, SortOrder));
TW_OVERLOAD(_Sort, bool (*)(CString*, int, SortOrder));
TW_SIGNATURE(_StringArrayFind, bool (*)(const CStringArray&, const char*, FindWay));
TW_SIGNATURE(_StringCompare, bool (*)(const char*, const char*, bool, bool));
TW_SIGNATURE(_DateFormat, CString (*)(CTime, DateType));
TW_SIGNATURE(_TimeFormat, CString (*)(CTime, TimeType));
TW_SIGNATURE(_GetContinueNumber, CString (*)(short, short));
TW_SIGNATURE(_DtoI, int (*)(double, int));

// ---- Calculator ---------------------------------------------------------------------

TW_SIGNATURE(_Calc, double (*)(const char*, int*));
static_assert(std::is_base_of_v<CException, CZeroDivException>);
static_assert(std::is_default_constructible_v<CZeroDivException>);
static_assert(std::has_virtual_destructor_v<CZeroDivException>);
TW_SIGNATURE(CZeroDivException::SetError, void (CZeroDivException::*)(const char*, int));
TW_SIGNATURE(CZeroDivException::ReportError, int (CZeroDivException::*)(UINT, UINT));
struct ZeroDivProbe : CZeroDivException {
    int ReportError(UINT nType, UINT nMessageID) override;
};

// ---- File finder ----------------------------------------------------------------------

static_assert(std::is_convertible_v<CWin32FindData*, WIN32_FIND_DATAA*>, "public base");
static_assert(std::has_virtual_destructor_v<CWin32FindData>);
static_assert(std::is_default_constructible_v<CWin32FindData> && std::is_copy_constructible_v<CWin32FindData>);
TW_OVERLOAD(CWin32FindData::operator=, CWin32FindData& (CWin32FindData::*)(const WIN32_FIND_DATAA&));
TW_OVERLOAD(CWin32FindData::operator=, CWin32FindData& (CWin32FindData::*)(const CWin32FindData&));
TW_SIGNATURE(CWin32FindData::GetFileName, CString (CWin32FindData::*)() const);
TW_FIELD(CWin32FindData::m_strPath, CString);

static_assert(std::has_virtual_destructor_v<CVoFileFind>);
static_assert(!std::is_copy_constructible_v<CVoFileFind> && !std::is_copy_assignable_v<CVoFileFind>);
TW_OVERLOAD(CVoFileFind::FindFile, bool (CVoFileFind::*)(const char*, const char*, bool));
TW_SIGNATURE(CVoFileFind::GetSize, int (CVoFileFind::*)() const);
TW_SIGNATURE(CVoFileFind::operator[], CWin32FindData& (CVoFileFind::*)(int));
TW_SIGNATURE(CVoFileFind::ResetContent, void (CVoFileFind::*)());
struct FileFindProbe : CVoFileFind {
    using CVoFileFind::FindFile;
    int FindFile(const char* pattern) override;
    bool FindFileSubFolder(char* folder, const char* mask) override;
};

// ---- Recent-item lists ----------------------------------------------------------------

static_assert(std::is_default_constructible_v<CRecent> && std::is_constructible_v<CRecent, int>);
static_assert(std::has_virtual_destructor_v<CRecent>);
TW_SIGNATURE(CRecent::GetSize, int (CRecent::*)() const);
TW_SIGNATURE(CRecent::SetRecentMax, void (CRecent::*)(int));
TW_SIGNATURE(CRecent::operator[], CString (CRecent::*)(int) const);
TW_SIGNATURE(CRecent::ResetContent, void (CRecent::*)());
struct RecentProbe : CRecent {
    void Read(const char* section, const char* iniFile) override;
    bool Write(const char* section, const char* iniFile) const override;
    void Serialize(CArchive& ar) override;
    bool Add(const char* item) override;
    int GetData(CStringArray* out) const override;
    bool SetData(const CStringArray& in) override;
};

static_assert(std::is_base_of_v<CVoComboBox, CRecentComboBox>);
TW_SIGNATURE(CRecentComboBox::SetRecentMax, void (CRecentComboBox::*)(int));
TW_SIGNATURE(CRecentComboBox::ResetContent, void (CRecentComboBox::*)());
struct RecentComboBoxProbe : CRecentComboBox {
    void Serialize(CArchive& ar) override;
    bool Write(const char* section, const char* iniFile) const override;
    void Read(const char* section, const char* iniFile) override;
    void Apply() override;
};

// ---- Group data -----------------------------------------------------------------------------

static_assert(std::is_base_of_v<CObject, CGroupData>);
static_assert(std::is_copy_constructible_v<CGroupData>);
TW_FIELD(CGroupData::m_strGroup1, CString);
TW_FIELD(CGroupData::m_strGroup2, CString);
TW_FIELD(CGroupData::m_strGroup3, CString);
TW_FIELD(CGroupData::m_color, unsigned long);
static_assert(sizeof(CGroupData::m_color) == 4);
TW_SIGNATURE(CGroupData::operator=, CGroupData& (CGroupData::*)(const CGroupData&));
TW_SIGNATURE(CGroupData::GetGroup1, CString (CGroupData::*)() const);
TW_SIGNATURE(CGroupData::GetGroup2, CString (CGroupData::*)() const);
TW_SIGNATURE(CGroupData::GetGroup3, CString (CGroupData::*)() const);
TW_SIGNATURE(CGroupData::SetGroup1, CString (CGroupData::*)(const char*));
TW_SIGNATURE(CGroupData::SetGroup2, CString (CGroupData::*)(const char*));
TW_SIGNATURE(CGroupData::SetGroup3, CString (CGroupData::*)(const char*));
TW_OVERLOAD(CGroupData::GetColor, unsigned long (CGroupData::*)() const);
TW_OVERLOAD(CGroupData::GetColor, unsigned long& (CGroupData::*)());
TW_SIGNATURE(CGroupData::SetColor, void (CGroupData::*)(unsigned long));
TW_SIGNATURE(CGroupData::IsEmpty, bool (CGroupData::*)() const);
TW_SIGNATURE(CGroupData::Empty, void (CGroupData::*)());
TW_SIGNATURE(CGroupData::operator==, bool (CGroupData::*)(const CGroupData&));
TW_SIGNATURE(CGroupData::operator!=, bool (CGroupData::*)(const CGroupData&));
TW_SIGNATURE(CGroupData::Serch, bool (CGroupData::*)(const CGroupData&, short) const);
TW_SIGNATURE(CGroupData::GetTreeText, CString (CGroupData::*)(char) const);
TW_SIGNATURE(CGroupData::SetTreeText, CGroupData& (CGroupData::*)(const char*, char));
TW_SIGNATURE(CGroupData::GetClipboardText, CString (CGroupData::*)() const);
TW_SIGNATURE(CGroupData::GetClipboardCount, int (CGroupData::*)() const);
TW_SIGNATURE(CGroupData::Serialize, void (CGroupData::*)(CArchive&));

static_assert(!std::is_base_of_v<CObject, CGroupList>);
static_assert(std::has_virtual_destructor_v<CGroupList>);
TW_SIGNATURE(CGroupList::Add, CGroupData* (CGroupList::*)(const CGroupData&));
TW_SIGNATURE(CGroupList::operator+=, CGroupList& (CGroupList::*)(const CGroupList&));
TW_SIGNATURE(CGroupList::CheckGroupData, CGroupData* (CGroupList::*)(const CGroupData&));
TW_SIGNATURE(CGroupList::GetGroupPtr, CGroupData* (CGroupList::*)(const CGroupData&));
TW_SIGNATURE(CGroupList::GetGroupIndex, int (CGroupList::*)(const CGroupData*) const);
TW_SIGNATURE(CGroupList::GetGroupData, CGroupData* (CGroupList::*)(int));
TW_SIGNATURE(CGroupList::GetColor, unsigned long (CGroupList::*)(const CGroupData&) const);
TW_SIGNATURE(CGroupList::GetGroup1List, void (CGroupList::*)(CStringArray*) const);
TW_SIGNATURE(CGroupList::GetGroup2List, void (CGroupList::*)(const char*, CStringArray*) const);
TW_SIGNATURE(CGroupList::GetGroup3List, void (CGroupList::*)(const char*, const char*, CStringArray*) const);
TW_SIGNATURE(CGroupList::WriteText, bool (CGroupList::*)(const char*) const);
struct GroupListProbe : CGroupList {
    void Serialize(CArchive& ar) override;
    void DeleteContents() override;
};

// ---- Ordovan's file items ----------------------------------------------------------------

static_assert(std::is_base_of_v<CObject, CFileItem>);
TW_FIELD(CFileItem::m_strFolder, CString);
TW_FIELD(CFileItem::m_strName, CString);
TW_FIELD(CFileItem::m_nSize, int);
TW_FIELD(CFileItem::m_ftTime, FILETIME);
TW_FIELD(CFileItem::m_strNewName, CString);
TW_SIGNATURE(CFileItem::IsEqual, bool (CFileItem::*)(const CFileItem*) const);
TW_SIGNATURE(CFileItem::GetFullPath, CString (CFileItem::*)() const);
struct FileItemProbe : CFileItem {
    CString GetDateText() override;
    int Compare(CFileItem* other, int key) override;
    bool Rename() override;
};
TW_SIGNATURE(PadNumber, CString (*)(int, int));
TW_FIELD(g_bMoveRename, bool);
TW_FIELD(g_strMoveFolder, CString);

static_assert(!std::is_base_of_v<CObject, CFileItemList>);
static_assert(std::has_virtual_destructor_v<CFileItemList>);
TW_SIGNATURE(CFileItemList::Add, CFileItem* (CFileItemList::*)(CFileItem*));
TW_SIGNATURE(CFileItemList::RemoveItems, void (CFileItemList::*)(CObList*, bool));
TW_SIGNATURE(CFileItemList::MoveBefore, void (CFileItemList::*)(CFileItem*, CObList*));
TW_SIGNATURE(CFileItemList::MoveAfter, void (CFileItemList::*)(CFileItem*, CObList*));
TW_SIGNATURE(CFileItemList::RemoveAll, void (CFileItemList::*)());
struct FileItemListProbe : CFileItemList {
    CString Execute() override;
    bool MakeNewNames(const char* baseName, int width, int start, bool renameFile) override;
    bool IsNew(CFileItem* candidate) override;
};

}  // namespace conformance
