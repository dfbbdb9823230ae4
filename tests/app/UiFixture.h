// UiFixture.h - what the tests of Ordovan's dialogs share: an application
// object whose program folder is a fresh temporary folder (so Ordovim.ini
// lands there), the main dialog created modeless, and helpers that send
// what a user's actions send.
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>

#include "ModalScript.h"

#include "OrdovanApp.h"
#include "OrdovanDlg.h"
#include "TempDir.h"
#include "resource.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The texts of a pop-up menu's items, in order.
std::vector<std::string> MenuTexts(HMENU hMenu);
// Handles whatever is queued for this thread's windows.
void PumpMessages();

class OrdovanUiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the main dialog (modeless; OnInitDialog runs) as the main
    // window; dpi, when given, in place of the screen's.
    COrdovanDlg& Open(int dpi = 0);
    // Closes it as Esc would (OnCancel), then destroys it.
    void Close();

    // What a user's actions send to the dialog.
    void Click(int nID);
    void SetCheck(int nID, bool checked);  // and the click that goes with it
    void TypeStartNumber(const std::string& text);
    void TypeFileName(const std::string& text);
    void ChooseDigits(int index);
    void ChooseTargetFolder(const std::string& folder);
    void ClickColumn(int column);
    // Selects exactly these rows of the list.
    void SelectRows(const std::vector<int>& rows);

    std::string Text(int nID) const;
    bool IsEnabled(int nID) const;
    // Column texts of the list, one row per element: "No|name|folder|size|date".
    std::vector<std::string> Rows() const;
    // The names column of every row, joined with ",".
    std::string RowNames() const;
    std::vector<int> SelectedRows() const;

    std::string IniPath() const { return programFolder / "Ordovim.ini"; }
    std::string Ini() const { return TempDir::ReadFile(IniPath()); }
    // "<computer>_" as the settings file prefixes single values.
    static std::string Prefix();
    // Writes an INI value the way the program reads it back.
    void WriteIni(const std::string& section, const std::string& key, const std::string& value) const;

    // Files "<name>" with the given content in the target folder.
    void MakeFiles(const std::vector<std::string>& names);

    TempDir programFolder;
    TempDir files;
    COrdovanApp app;
    std::unique_ptr<COrdovanDlg> dlg;
};
