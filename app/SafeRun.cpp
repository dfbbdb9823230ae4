// SafeRun.cpp - a run through temporary names, for names that clash within
// the list.
#include "SafeRun.h"

#include "FailureReport.h"
#include "RunProgress.h"
#include "WideName.h"

PFN_BETWEEN_PASSES g_pfnBetweenPasses = nullptr;

namespace {

const char kHeading[] = "以下のファイル名が変更に失敗しました。";

}  // namespace

CSafeRun::CSafeRun(const std::vector<SafeStep>& steps) : m_steps(steps), m_bMoved(steps.size(), false) {
    for (const SafeStep& step : m_steps) m_originals.push_back(step.item->GetWideName());
}

bool CSafeRun::PutBack(size_t i) {
    CFileItem* item = m_steps[i].item;
    item->SetWideNewName(m_originals[i]);
    if (item->Rename()) m_bMoved[i] = false;
    item->SetWideNewName(m_steps[i].target);
    return !m_bMoved[i];
}

CString CSafeRun::Execute() {
    std::unique_ptr<CRunProgress> progress = g_pfnCreateRunProgress ? g_pfnCreateRunProgress() : nullptr;
    if (!progress) return CString();  // no display, no run

    int moving = 0;
    for (const SafeStep& step : m_steps) moving += step.tempName.IsEmpty() ? 0 : 1;
    progress->Begin(moving + static_cast<int>(m_steps.size()));
    CFolderCheckScope folderChecks;
    CFailureReport report;

    // Pass 1: out of the way. A file whose temporary rename fails simply
    // tries its new name in pass 2, as in a plain run.
    for (size_t i = 0; i < m_steps.size(); ++i) {
        if (m_steps[i].tempName.IsEmpty()) continue;
        progress->Step();
        if (progress->StopRequested()) {
            for (size_t j = i; j-- > 0;) {
                if (m_bMoved[j] && !PutBack(j)) report.Add(m_steps[j].item->GetFullPath());
            }
            progress->End();
            return report.Text(kHeading);
        }
        CFileItem* item = m_steps[i].item;
        item->SetWideNewName(WideOf(m_steps[i].tempName));
        progress->ShowFile(item->GetStepText());
        m_bMoved[i] = item->Rename();
        item->SetWideNewName(m_steps[i].target);
    }
    if (g_pfnBetweenPasses) g_pfnBetweenPasses();

    // Pass 2: every file to its new name.
    size_t i = 0;
    for (; i < m_steps.size(); ++i) {
        progress->Step();
        if (progress->StopRequested()) break;
        CFileItem* item = m_steps[i].item;
        item->SetWideNewName(m_steps[i].target);
        progress->ShowFile(item->GetStepText());
        if (item->Rename()) {
            m_bMoved[i] = false;
            item->SetWideNewName(m_originals[i]);
        } else {
            if (m_bMoved[i]) PutBack(i);
            report.Add(item->GetFullPath());
        }
    }
    // Stopped: the files not reached yet leave their temporary names.
    for (; i < m_steps.size(); ++i) {
        if (m_bMoved[i] && !PutBack(i)) report.Add(m_steps[i].item->GetFullPath());
    }
    progress->End();
    return report.Text(kHeading);
}
