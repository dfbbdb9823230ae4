// OrdovanDlgDrop.cpp - files and folders dropped on the main dialog.
//
// A dropped folder is searched as "検索&&追加(&L)" searches the target folder
// (with the subfolder option as set); the first one becomes the target
// folder. A dropped file is looked up by the same file finder, in its folder
// with its own name as the mask. Either way every entry comes from a find
// record through the item list's AddFound: a file already listed is not
// listed again, and a name no path can carry is left out and reported, as
// the search does. A path that code page 932 cannot hold is searched
// through its UTF-16 form; such a folder cannot become the target folder.
#include "OrdovanDlg.h"
#include "ProgressDlg.h"

#include "resource.h"

#include <shellapi.h>

#include <new>
#include <string>

namespace {

const char kEveryFile[] = "*.*";  // the mask of "検索&&追加(&L)"

// The dropped paths, in the order of the drop.
std::vector<std::wstring> DroppedPaths(HDROP hDrop) {
    std::vector<std::wstring> paths;
    const UINT count = ::DragQueryFileW(hDrop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = ::DragQueryFileW(hDrop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        if (length == 0 || ::DragQueryFileW(hDrop, i, &path[0], length + 1) != length) continue;
        path.resize(length);
        paths.push_back(path);
    }
    return paths;
}

// The folder of a path, with its trailing '\' ("C:\" for "C:\a.jpg").
std::wstring FolderOf(const std::wstring& path) {
    const size_t separator = path.find_last_of(L'\\');
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

// The exact Shift-JIS form of wide; false when it has none.
bool ToExactAnsi(const std::wstring& wide, std::string* ansi) {
    std::string buffer(wide.size() * 2 + 1, '\0');  // at most two bytes a character
    if (!_WideToExactAnsi(wide.c_str(), &buffer[0], AfxSizeToInt(buffer.size()))) return false;
    ansi->assign(buffer.c_str());
    return true;
}

}  // namespace

// Nothing is added while a run works through the list on its thread.
void COrdovanDlg::OnDropFiles(HDROP hDropInfo) {
    if (g_pProgressDlg) {
        ::DragFinish(hDropInfo);
        return;
    }
    std::vector<std::wstring> paths;
    try {
        paths = DroppedPaths(hDropInfo);
    } catch (const std::bad_alloc&) {
        paths.clear();  // nothing half read is added
    }
    ::DragFinish(hDropInfo);
    AddDropped(paths);
}

void COrdovanDlg::AddDropped(const std::vector<std::wstring>& paths) {
    if (paths.empty()) return;
    CWaitCursor wait;
    UpdateData(TRUE);

    CVoFileFind finder;
    bool targetSet = false;
    for (const std::wstring& path : paths) {
        const DWORD attributes = ::GetFileAttributesW(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) continue;  // gone since the drag
        const std::wstring wideFolder = FolderOf(path);
        std::string ansi;
        if (!ToExactAnsi(path, &ansi)) {
            if (attributes & FILE_ATTRIBUTE_DIRECTORY)
                finder.FindFileWide(path.c_str(), L"*.*", m_bSubFolder != FALSE);
            else
                finder.FindFileWide(wideFolder.c_str(), path.substr(wideFolder.size()).c_str(), false);
            continue;
        }
        // Beyond the ANSI functions' path limit, as the search leaves such.
        if (ansi.size() >= MAX_PATH) continue;

        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            std::string folder, name;
            ToExactAnsi(wideFolder, &folder);
            ToExactAnsi(path.substr(wideFolder.size()), &name);
            finder.FindFile(folder.c_str(), name.c_str(), false);
            continue;
        }
        if (!targetSet) {
            targetSet = true;
            m_strContinuePath = ansi.c_str();
            SetDlgItemText(IDC_CONTINUE_PATH, m_strContinuePath);
            m_recentFolder.Add(m_strContinuePath);
        }
        finder.FindFile(ansi.c_str(), kEveryFile, m_bSubFolder != FALSE);
    }
    m_fileList.AddFound(finder);
    RefreshList();

    ReportSkipped(finder.GetSkippedCount(), finder.GetSkippedFolders());
}
