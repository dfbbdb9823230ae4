// Tests of Ordovan's compiled dialog templates: what the resource compiler
// made of the scripts. Some statements of a resource script lose parts of
// what they say on the way (an ICON statement, for one, drops its width and
// height), so the templates themselves are read back here.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "RunAboutRes.h"
#include "resource.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

struct TemplateControl {
    int id;
    DWORD style;
    short x, y, cx, cy;
};

// Skips a sz_Or_Ord field of a template; p points at it.
const WORD* SkipNameOrOrdinal(const WORD* p) {
    if (*p == 0xFFFF) return p + 2;
    while (*p) ++p;
    return p + 1;
}

const BYTE* AlignDword(const void* p) {
    const ULONG_PTR at = reinterpret_cast<ULONG_PTR>(p);
    return reinterpret_cast<const BYTE*>((at + 3) & ~static_cast<ULONG_PTR>(3));
}

// The controls of an extended dialog template of this module; empty when it
// is missing or not an extended template.
std::vector<TemplateControl> ControlsOf(UINT nIDTemplate) {
    std::vector<TemplateControl> controls;
    HRSRC info = ::FindResourceA(nullptr, MAKEINTRESOURCEA(nIDTemplate), RT_DIALOG);
    if (!info) return controls;
    const BYTE* base = static_cast<const BYTE*>(::LockResource(::LoadResource(nullptr, info)));
    if (!base) return controls;
    const WORD* words = reinterpret_cast<const WORD*>(base);
    if (words[0] != 1 || words[1] != 0xFFFF) return controls;

    DWORD style = 0;
    std::memcpy(&style, base + 12, sizeof style);
    WORD count = 0;
    std::memcpy(&count, base + 16, sizeof count);
    const WORD* p = reinterpret_cast<const WORD*>(base + 26);
    p = SkipNameOrOrdinal(p);                                               // menu
    p = SkipNameOrOrdinal(p);                                               // window class
    p = SkipNameOrOrdinal(p);                                               // title
    if (style & (DS_SETFONT | DS_SHELLFONT)) p = SkipNameOrOrdinal(p + 3);  // size, weight, italic + charset, face

    for (WORD i = 0; i < count; ++i) {
        const BYTE* item = AlignDword(p);
        TemplateControl control = {};
        DWORD id = 0;
        std::memcpy(&control.style, item + 8, sizeof control.style);
        std::memcpy(&control.x, item + 12, sizeof control.x);
        std::memcpy(&control.y, item + 14, sizeof control.y);
        std::memcpy(&control.cx, item + 16, sizeof control.cx);
        std::memcpy(&control.cy, item + 18, sizeof control.cy);
        std::memcpy(&id, item + 20, sizeof id);
        control.id = static_cast<int>(id);
        controls.push_back(control);
        p = reinterpret_cast<const WORD*>(item + 24);
        p = SkipNameOrOrdinal(p);  // class
        p = SkipNameOrOrdinal(p);  // text
        const WORD extra = *p;
        p = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(p + 1) + extra);
    }
    return controls;
}

}  // namespace

TEST(DialogTemplates, EveryControlKeepsTheSizeItWasGiven) {
    for (UINT nID : {IDD_ABOUTBOX, IDD_ORDOVAN_DIALOG, IDD_PROGRESS, IDD_SETTINGS}) {
        const std::vector<TemplateControl> controls = ControlsOf(nID);
        ASSERT_FALSE(controls.empty()) << "template " << nID;
        for (size_t i = 0; i < controls.size(); ++i) {
            // Etched lines are one unit high; nothing is without width or height.
            EXPECT_GT(controls[i].cx, 0) << "template " << nID << ", control " << i;
            EXPECT_GT(controls[i].cy, 0) << "template " << nID << ", control " << i;
        }
    }
}
