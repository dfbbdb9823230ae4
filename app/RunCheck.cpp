// RunCheck.cpp - the look ahead before a run: which steps would fail.
#include "RunCheck.h"

#include "WideName.h"

#include <cwchar>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

const int kShownProblems = 10;

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
    std::unordered_map<std::wstring, Holder> names;  // folded name -> holder
    std::unordered_set<std::wstring> seen;           // every folded name it ever held
    int nextTemp = 1;

    void Put(const std::wstring& name, Holder holder) {
        names[name] = holder;
        seen.insert(name);
    }
};

bool IsUsableFolder(const std::wstring& folder) {
    return !folder.empty() && folder.find_first_of(L"*?") == std::wstring::npos;
}

// folder without its trailing separators (a root keeps "C:").
std::wstring FolderKey(const std::wstring& folder) {
    std::wstring key = folder;
    while (key.size() > 1 && key.back() == L'\\') key.pop_back();
    return key;
}

std::wstring Join(const std::wstring& folderKey, const std::wstring& name) { return folderKey + L"\\" + name; }

// Reads a folder once: every entry by its real name. False when the folder
// cannot be read.
bool ReadFolder(const std::wstring& key, FolderState* state) {
    return ListFolder(key,
                      [state](const WIN32_FIND_DATAW& found) { state->Put(FoldCase(found.cFileName), HELD_BY_OTHER); });
}

// What the check knows of one item before playing it.
struct ItemPlan {
    CFileItem* item;
    std::wstring folderKey;  // its folder
    std::wstring renameKey;  // the folder of its rename (the destination after a copy)
    bool copy;
    std::wstring name;     // its current name
    std::wstring newName;  // its new name
    std::wstring source;   // folded current name
    std::wstring target;   // folded new name
};

}  // namespace

CRunCheck::CRunCheck() : m_bOnlyListedClashes(true) {}

int CRunCheck::Examine(const CObList& items, const CString& moveFolder) {
    m_problems.clear();
    m_safeSteps.clear();
    m_bOnlyListedClashes = true;

    std::unordered_map<std::wstring, FolderState> folders;
    auto folderOf = [&folders](const std::wstring& key) -> FolderState& {
        const std::wstring id = FoldCase(key);
        auto it = folders.find(id);
        if (it == folders.end()) {
            it = folders.emplace(id, FolderState()).first;
            it->second.exists = IsUsableFolder(key) && ReadFolder(key, &it->second);
        }
        return it->second;
    };

    // The destination as the run reads it: the typed text, exactly.
    const std::wstring destination = FolderKey(WideOf(moveFolder));
    const bool destinationUsable =
        moveFolder.IsEmpty() || (IsUsableFolder(destination) && folderOf(destination).exists);
    const std::wstring destinationId = FoldCase(destination);

    // The plan of every item in run order, the listed files' names, and how
    // many items want each new name.
    std::vector<ItemPlan> plans;
    plans.reserve(static_cast<size_t>(items.GetCount()));
    std::unordered_map<std::wstring, int> targetCounts;  // folded rename folder \ folded target
    bool anyCopy = false;
    for (POSITION pos = items.GetTailPosition(); pos;) {
        CFileItem* item = static_cast<CFileItem*>(items.GetPrev(pos));
        ItemPlan plan{item,
                      FolderKey(item->GetWideFolder()),
                      std::wstring(),
                      false,
                      item->GetWideName(),
                      item->GetWideNewName(),
                      std::wstring(),
                      std::wstring()};
        plan.source = FoldCase(plan.name);
        plan.target = FoldCase(plan.newName);
        plan.copy = !moveFolder.IsEmpty() && FoldCase(plan.folderKey) != destinationId;
        plan.renameKey = plan.copy ? destination : plan.folderKey;
        anyCopy = anyCopy || plan.copy;
        FolderState& folder = folderOf(plan.folderKey);
        auto held = folder.names.find(plan.source);
        if (held != folder.names.end()) held->second = HELD_BY_LISTED;
        ++targetCounts[Join(FoldCase(plan.renameKey), plan.target)];
        plans.push_back(plan);
    }

    for (const ItemPlan& plan : plans) {
        CFileItem* item = plan.item;
        auto fail = [&](const char* reason, bool listedClash) {
            m_problems.push_back({item->GetFullPath(), reason});
            if (!listedClash) m_bOnlyListedClashes = false;
        };
        if (plan.name.empty() || !IsUsableNewName(plan.name) || !IsUsableNewName(plan.newName)) {
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
        if (!FitsPathLimit(Join(plan.folderKey, plan.name)) || !FitsPathLimit(Join(plan.renameKey, plan.name)) ||
            !FitsPathLimit(Join(plan.renameKey, plan.newName))) {
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
        const bool duplicate = targetCounts[Join(FoldCase(plan.renameKey), plan.target)] > 1;
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
        SafeStep step{plan.item, plan.newName, CString()};
        const std::wstring renameId = FoldCase(plan.renameKey) + L"\\";
        const int wanted = targetCounts[renameId + plan.source] - (plan.source == plan.target ? 1 : 0);
        if (anyCopy || wanted > 0) {
            FolderState& folder = folderOf(plan.renameKey);
            do {
                step.tempName.Format("~ordovan-%d.tmp", folder.nextTemp++);
            } while (folder.seen.count(FoldCase(WideOf(step.tempName))));
            folder.seen.insert(FoldCase(WideOf(step.tempName)));
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
