// RunCheck.h - the look ahead before a run: which steps would fail.
//
// Classes:
//   CRunCheck  plays a run through in memory, in the run's own order (last
//              item to first), against one listing of each folder involved;
//              collects the files whose copy or rename would fail and why,
//              asks the user what to do about them, and plans the safe run
//              through temporary names (see SafeRun.h)
//
// Nothing on the disk changes here, and no file is probed one by one: each
// folder is read once, and every later answer comes from that listing as
// the run before it would have changed it. Names are the real (UTF-16) ones,
// compared as the file system does, without letter case.
#pragma once

#include "FileItem.h"

#include <string>
#include <vector>

// One file whose step would fail.
struct RunProblem {
    CString path;    // the file as it stands now
    CString reason;  // why its step would fail, in a few words
};

// One item's part in a safe run, in run order.
struct SafeStep {
    CFileItem* item;
    std::wstring target;  // its new name (the item's real new name when planned)
    CString tempName;     // the name it passes through; empty when it goes straight
};

class CRunCheck {
public:
    // What the user chose about the problems found.
    enum Choice { RUN_AS_IS, RUN_SAFELY, STOP };

    CRunCheck();

    // Plays the run of items (their m_strNewName set) through; moveFolder is
    // the copy destination, or empty when nothing is copied. Returns the
    // number of files that would fail.
    int Examine(const CObList& items, const CString& moveFolder);

    const std::vector<RunProblem>& Problems() const { return m_problems; }
    // Every failure is a clash with a name another listed file holds now,
    // which renaming through temporary names resolves.
    bool OnlyListedClashes() const { return !m_problems.empty() && m_bOnlyListedClashes; }
    // The question put to the user: the count, the first ten with reasons,
    // and what each answer does.
    CString Message() const;
    // No problem: RUN_AS_IS without a word. Otherwise one message box.
    Choice Ask() const;
    // The steps of a safe run (valid after Examine, when OnlyListedClashes).
    const std::vector<SafeStep>& SafeSteps() const { return m_safeSteps; }

private:
    std::vector<RunProblem> m_problems;
    bool m_bOnlyListedClashes;
    std::vector<SafeStep> m_safeSteps;
};
