// GalleryGroupPage.h - the gallery's group page: three CVoComboBox boxes
// linked by a CGroup over the group list of SampleGroups.dat (beside the
// program), and the colour of the chosen record.
#pragma once

#include "Vokit.h"

class CGalleryGroupPage : public CView {
    DECLARE_DYNCREATE(CGalleryGroupPage)
public:
    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;

    // Appends the records of the archive file path to list; false when it
    // could not be read.
    static bool LoadGroups(const CString& path, CGroupList& list);

protected:
    CGalleryGroupPage();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnGroup1Changed();
    afx_msg void OnGroup2Changed();
    afx_msg void OnGroup3Changed();
    afx_msg void OnGroupEdited();
    DECLARE_MESSAGE_MAP()

    // Takes the boxes' choice (flags: the boxes whose selection changed).
    void Choose(unsigned int flags);

    CStatic m_wndLabels[3];
    CVoComboBox m_wndBoxes[3];
    CGroupList m_list;
    CGroup m_group;
    CGroupData m_chosen;
    CString m_strSource;  // where the list came from, or why it is empty
};
