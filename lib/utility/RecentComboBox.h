// RecentComboBox.h - a combo box that owns a most-recently-used list and
// shows its items as the drop-down list.
#pragma once

#include "Recent.h"
#include "VoComboBox.h"

// Combo box over a CRecent: Apply puts the current text in front of the
// history; Read, Apply and loading Serialize refill the drop-down list.
class VOKIT_API CRecentComboBox : public CVoComboBox {
public:
    CRecentComboBox();  // history capacity 20
    ~CRecentComboBox() override;

    void SetRecentMax(int max);
    // Empties the history and the box (also a drop-down's edit text).
    void ResetContent();

    // Stores or loads the history; loading refills the box.
    void Serialize(CArchive& ar) override;
    // Writes the history as a numbered INI section.
    virtual bool Write(const char* section, const char* iniFile) const;
    // Appends the stored items to the history, then refills the box.
    virtual void Read(const char* section, const char* iniFile);
    // Adds the current text (when not empty) to the history, then refills.
    virtual void Apply();

protected:
    // Loads the history into the drop-down list, keeping the text shown.
    void Refill();

    CRecent m_recent;
};
