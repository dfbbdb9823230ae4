// RunCheck.cpp - the look ahead before a run: which steps would fail.
#include "RunCheck.h"

#include <Vokit.h>

#include <cstring>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

const int kShownProblems = 10;
// The longest full path the ANSI file functions take, in bytes.
const int kMaxPathBytes = 259;

const char kReasonRefused[] = "使用できない名前です";
const char kReasonNoFolder[] = "フォルダがありません";
const char kReasonNoDestination[] = "コピー先のフォルダがありません";
const char kReasonGone[] = "ファイルがありません";
const char kReasonTooLong[] = "パスが長すぎます";
const char kReasonTaken[] = "同じ名前のファイルがあります";
const char kReasonDuplicate[] = "ほかのファイルと同じ名前になります";
const char kReasonCopyTaken[] = "コピー先に同じ名前のファイルがあります";

// Who holds a name of a folder while the run is played through.
enum Holder : char {
    HELD_BY_OTHER,   // a file that is not in the list
    HELD_BY_LISTED,  // a listed file, under its current name
    HELD_BY_RUN,     // a new name or a copy the run made
};

// One folder as the run would leave it so far.
struct FolderState {
    bool exists = false;
    std::unordered_map<std::string, Holder> names;  // folded name -> holder
    std::unordered_set<std::string> seen;           // every folded name it ever held
    int nextTemp = 1;

    void Put(const std::string& name, Holder holder) {
        names[name] = holder;
        seen.insert(name);
    }
};

std::string Key(const CString& text) { return std::string(static_cast<LPCSTR>(text), text.GetLength()); }

// Names of devices: with any extension they name the device, not a file.
bool IsDeviceName(const CString& name) {
    CString base = name;
    const int dot = base.Find('.');
    if (dot >= 0) base = base.Left(dot);
    base = FoldedName(base);
    for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
        if (base == device) return true;
    }
    return base.GetLength() == 4 && (base.Left(3) == "COM" || base.Left(3) == "LPT") && base[3] >= '1' &&
           base[3] <= '9';
}

bool IsAcceptedName(const CString& name) { return _IsPlainName(name) && _IsExactAnsi(name) && !IsDeviceName(name); }

bool IsUsableFolderText(const CString& folder) {
    return !folder.IsEmpty() && folder.FindOneOf("*?") < 0 && _IsExactAnsi(folder);
}

CString Join(const CString& folderKey, const CString& name) { return folderKey + "\\" + name; }

// Reads a folder once: every entry whose name has an exact Shift-JIS form
// (others cannot clash with a name the run gives). False when the folder
// cannot be read.
bool ReadFolder(const CString& key, FolderState* state) {
    const CString pattern = Join(key, "*");
    std::vector<wchar_t> widePattern(static_cast<size_t>(pattern.GetLength()) + 1);
    if (!_AnsiToWide(pattern, widePattern.data(), static_cast<int>(widePattern.size()))) return false;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(widePattern.data(), &found);
    if (search == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;  // an empty drive
    char name[MAX_PATH * 2];
    do {
        if (_WideToExactAnsi(found.cFileName, name, sizeof name) && std::strcmp(name, ".") != 0 &&
            std::strcmp(name, "..") != 0)
            state->Put(Key(FoldedName(name)), HELD_BY_OTHER);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return true;
}

// What the check knows of one item before playing it.
struct ItemPlan {
    CFileItem* item;
    CString folderKey;  // its folder
    CString renameKey;  // the folder of its rename (the destination after a copy)
    bool copy;
    std::string source;  // folded current name
    std::string target;  // folded new name
};

}  // namespace

CString FoldedName(const CString& name) {
    CString folded = name;
    const int length = folded.GetLength();
    for (int i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(folded[i]);
        if (AfxIsLeadByte(c) && i + 1 < length) {
            ++i;
        } else if (c >= 'a' && c <= 'z') {
            folded.SetAt(i, static_cast<char>(c - 'a' + 'A'));
        }
    }
    return folded;
}

CString FolderKey(const CString& folder) {
    CString key = folder;
    while (key.GetLength() > 1 && key.ReverseFind('\\') == key.GetLength() - 1) key = key.Left(key.GetLength() - 1);
    return key;
}

CRunCheck::CRunCheck() : m_bOnlyListedClashes(true) {}

int CRunCheck::Examine(const CObList& items, const CString& moveFolder) {
    m_problems.clear();
    m_safeSteps.clear();
    m_bOnlyListedClashes = true;

    // Names only UTF-16 holds are beyond this Shift-JIS look ahead: a list
    // with such a file runs as a plain run, whose steps never overwrite.
    for (POSITION pos = items.GetHeadPosition(); pos;) {
        if (static_cast<const CFileItem*>(items.GetNext(pos))->HasWideName()) return 0;
    }

    std::unordered_map<std::string, FolderState> folders;
    auto folderOf = [&folders](const CString& key) -> FolderState& {
        const std::string id = Key(FoldedName(key));
        auto it = folders.find(id);
        if (it == folders.end()) {
            it = folders.emplace(id, FolderState()).first;
            it->second.exists = IsUsableFolderText(key) && ReadFolder(key, &it->second);
        }
        return it->second;
    };

    const CString destination = FolderKey(moveFolder);
    const bool destinationUsable =
        moveFolder.IsEmpty() || (IsUsableFolderText(destination) && folderOf(destination).exists);
    const std::string destinationId = Key(FoldedName(destination));

    // The plan of every item in run order, the listed files' names, and how
    // many items want each new name.
    std::vector<ItemPlan> plans;
    plans.reserve(static_cast<size_t>(items.GetCount()));
    std::unordered_map<std::string, int> targetCounts;  // folded rename folder \ folded target
    bool anyCopy = false;
    for (POSITION pos = items.GetTailPosition(); pos;) {
        CFileItem* item = static_cast<CFileItem*>(items.GetPrev(pos));
        ItemPlan plan{item,  FolderKey(item->m_strFolder),     CString(),
                      false, Key(FoldedName(item->m_strName)), Key(FoldedName(item->m_strNewName))};
        plan.copy = !moveFolder.IsEmpty() && Key(FoldedName(plan.folderKey)) != destinationId;
        plan.renameKey = plan.copy ? destination : plan.folderKey;
        anyCopy = anyCopy || plan.copy;
        FolderState& folder = folderOf(plan.folderKey);
        auto held = folder.names.find(plan.source);
        if (held != folder.names.end()) held->second = HELD_BY_LISTED;
        ++targetCounts[Key(FoldedName(plan.renameKey)) + "\\" + plan.target];
        plans.push_back(plan);
    }

    for (const ItemPlan& plan : plans) {
        CFileItem* item = plan.item;
        auto fail = [&](const char* reason, bool listedClash) {
            m_problems.push_back({item->GetFullPath(), reason});
            if (!listedClash) m_bOnlyListedClashes = false;
        };
        if (!IsAcceptedName(item->m_strName) || !IsAcceptedName(item->m_strNewName)) {
            fail(kReasonRefused, false);
            continue;
        }
        FolderState& home = folderOf(plan.folderKey);
        if (!home.exists) {
            fail(kReasonNoFolder, false);
            continue;
        }
        if (!destinationUsable) {
            fail(kReasonNoDestination, false);
            continue;
        }
        if (home.names.find(plan.source) == home.names.end()) {
            fail(kReasonGone, false);
            continue;
        }
        if (Join(plan.folderKey, item->m_strName).GetLength() > kMaxPathBytes ||
            Join(plan.renameKey, item->m_strName).GetLength() > kMaxPathBytes ||
            Join(plan.renameKey, item->m_strNewName).GetLength() > kMaxPathBytes) {
            fail(kReasonTooLong, false);
            continue;
        }
        FolderState* at = &home;
        if (plan.copy) {
            at = &folderOf(plan.renameKey);
            if (at->names.count(plan.source)) {
                fail(kReasonCopyTaken, false);
                continue;
            }
            at->Put(plan.source, HELD_BY_RUN);
        }
        // The rename frees the current name first: a change of letter case
        // only, or the same name, is no clash.
        const Holder own = at->names[plan.source];
        at->names.erase(plan.source);
        auto taken = at->names.find(plan.target);
        if (taken == at->names.end()) {
            at->Put(plan.target, HELD_BY_RUN);
            continue;
        }
        at->names[plan.source] = own;
        const bool duplicate = targetCounts[Key(FoldedName(plan.renameKey)) + "\\" + plan.target] > 1;
        if (duplicate) {
            fail(kReasonDuplicate, false);
        } else {
            fail(kReasonTaken, taken->second == HELD_BY_LISTED);
        }
    }
    if (!OnlyListedClashes()) return static_cast<int>(m_problems.size());

    // The safe run: a file goes through a temporary name when its name is
    // another's new name (it must make way), and every file does when files
    // are copied (a copy's name may be one that a file in the destination
    // only frees later).
    for (const ItemPlan& plan : plans) {
        SafeStep step{plan.item, plan.item->m_strNewName, CString()};
        const std::string renameId = Key(FoldedName(plan.renameKey)) + "\\";
        const int wanted = targetCounts[renameId + plan.source] - (plan.source == plan.target ? 1 : 0);
        if (anyCopy || wanted > 0) {
            FolderState& folder = folderOf(plan.renameKey);
            do {
                step.tempName.Format("~ordovan-%d.tmp", folder.nextTemp++);
            } while (folder.seen.count(Key(FoldedName(step.tempName))));
            folder.seen.insert(Key(FoldedName(step.tempName)));
        }
        m_safeSteps.push_back(step);
    }
    return static_cast<int>(m_problems.size());
}

CString CRunCheck::Message() const {
    CString text;
    text.Format("%d 個のファイルは、このままでは名前を変更できません。\n\n", static_cast<int>(m_problems.size()));
    for (size_t i = 0; i < m_problems.size() && i < static_cast<size_t>(kShownProblems); ++i)
        text += m_problems[i].path + "（" + m_problems[i].reason + "）\n";
    if (m_problems.size() > static_cast<size_t>(kShownProblems)) text += "その他多数・・・\n";
    if (OnlyListedClashes()) {
        text += "\n新しい名前が、一覧のほかのファイルの今の名前と重なっています。\n"
                "はい：一時的な名前を経由して、すべてのファイルを変更します。\n"
                "いいえ：このまま実行します（上のファイルは失敗します）。\n"
                "キャンセル：何も変更しません。";
    } else {
        text += "\nこのまま実行しますか？（上のファイルは失敗します）";
    }
    return text;
}

CRunCheck::Choice CRunCheck::Ask() const {
    if (m_problems.empty()) return RUN_AS_IS;
    if (OnlyListedClashes()) {
        switch (AfxMessageBox(Message(), MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
        case IDYES:
            return RUN_SAFELY;
        case IDNO:
            return RUN_AS_IS;
        default:
            return STOP;
        }
    }
    return AfxMessageBox(Message(), MB_YESNO | MB_ICONEXCLAMATION) == IDYES ? RUN_AS_IS : STOP;
}
