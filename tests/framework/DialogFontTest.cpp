// Tests of dialogs whose template names a font that is not installed: a
// Japanese template gets an installed Japanese face, with every item where
// the template put it; installed faces and Western templates are left as
// they are. Templates are built in memory, in both forms, and end right
// before memory that cannot be read.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

const wchar_t kMissingFace[] = L"Tallywise No Such Face";
const int kLastItem = 102;

// A template: title, font, a button "OK" (1) with four bytes of creation
// data, and a static "後" (102) behind it.
class TemplateBuilder {
public:
    std::vector<BYTE> Build(bool extended, const std::wstring& face, BYTE charset) {
        bytes.clear();
        const DWORD style = WS_POPUP | WS_CAPTION | DS_SETFONT | DS_MODALFRAME;
        if (extended) {
            Words({1, 0xFFFF});     // version, signature
            Dwords({0, 0, style});  // help ID, extended style, style
        } else {
            Dwords({style, 0});
        }
        Words({2, 0, 0, 160, 60});  // items, x, y, cx, cy
        Words({0, 0});              // menu, class
        Text(L"Font test");
        Words({9});
        if (extended) Words({FW_NORMAL, static_cast<WORD>(charset << 8)});  // weight, italic, charset
        Text(face);
        Item(extended, IDOK, 0x0080, L"OK", BS_PUSHBUTTON, 10, 30, 40, 14, 4);
        Item(extended, kLastItem, 0x0082, L"後", SS_LEFT, 80, 10, 30, 12, 0);
        return bytes;
    }

private:
    void Words(std::initializer_list<WORD> values) {
        for (WORD value : values) bytes.insert(bytes.end(), {LOBYTE(value), HIBYTE(value)});
    }
    void Dwords(std::initializer_list<DWORD> values) {
        for (DWORD value : values) Words({LOWORD(value), HIWORD(value)});
    }
    void Text(const std::wstring& text) {
        for (wchar_t c : text) Words({static_cast<WORD>(c)});
        Words({0});
    }
    void Item(bool extended, WORD id, WORD atom, const std::wstring& text, DWORD style, short x, short y, short cx,
              short cy, WORD extra) {
        while (bytes.size() % 4) bytes.push_back(0);
        style |= WS_CHILD | WS_VISIBLE;
        if (extended) {
            Dwords({0, 0, style});
        } else {
            Dwords({style, 0});
        }
        Words({static_cast<WORD>(x), static_cast<WORD>(y), static_cast<WORD>(cx), static_cast<WORD>(cy)});
        if (extended) {
            Dwords({id});
        } else {
            Words({id});
        }
        Words({0xFFFF, atom});  // a system class by its atom
        Text(text);
        Words({extra});
        for (WORD i = 0; i < extra; ++i) bytes.push_back(static_cast<BYTE>(0xA0 + i));
    }

    std::vector<BYTE> bytes;
};

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM lParam) {
    *reinterpret_cast<bool*>(lParam) = true;
    return 0;
}

// Whether a family of that face is installed with that charset.
bool IsInstalled(const std::wstring& face, BYTE charset) {
    LOGFONTW query = {};
    query.lfCharSet = charset;
    face.copy(query.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = ::GetDC(nullptr);
    ::EnumFontFamiliesExW(screen, &query, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ::ReleaseDC(nullptr, screen);
    return found;
}

std::wstring DialogFace(CWnd& dlg) {
    LOGFONTW font = {};
    ::GetObjectW(reinterpret_cast<HFONT>(dlg.SendMessage(WM_GETFONT)), sizeof font, &font);
    return font.lfFaceName;
}

// The bytes of a template placed to end right before a page that cannot be
// read: reading past the template is caught at once.
class GuardedTemplate {
public:
    explicit GuardedTemplate(const std::vector<BYTE>& bytes) {
        SYSTEM_INFO system;
        ::GetSystemInfo(&system);
        const size_t page = system.dwPageSize;
        m_pages = static_cast<BYTE*>(::VirtualAlloc(nullptr, 2 * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old = 0;
        ::VirtualProtect(m_pages + page, page, PAGE_NOACCESS, &old);
        m_template = m_pages + ((page - bytes.size()) & ~static_cast<size_t>(3));
        std::copy(bytes.begin(), bytes.end(), m_template);
    }
    ~GuardedTemplate() { ::VirtualFree(m_pages, 0, MEM_RELEASE); }
    GuardedTemplate(const GuardedTemplate&) = delete;
    GuardedTemplate& operator=(const GuardedTemplate&) = delete;
    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_template); }

private:
    BYTE* m_pages;
    BYTE* m_template;
};

// Creates a modeless dialog from bytes.
bool Create(CDialog& dlg, const std::vector<BYTE>& bytes) {
    GuardedTemplate guarded(bytes);
    return dlg.CreateIndirect(guarded.Get(), nullptr) != FALSE;
}

}  // namespace

TEST(DialogFont, AMissingFaceOfAJapaneseTemplateIsStoodInForByAnInstalledOne) {
    ASSERT_EQ(932u, ::GetACP());
    TemplateBuilder builder;
    for (bool extended : {true, false}) {
        // DLGTEMPLATE has no charset: the code page's counts.
        const std::vector<BYTE> bytes = builder.Build(extended, kMissingFace, DEFAULT_CHARSET);
        CDialog dlg;
        ASSERT_TRUE(Create(dlg, bytes)) << extended;
        const std::wstring face = DialogFace(dlg);
        EXPECT_NE(kMissingFace, face);
        EXPECT_TRUE(IsInstalled(face, SHIFTJIS_CHARSET)) << extended;

        // Every item is there, in its place, also the one behind the
        // creation data.
        CString text;
        dlg.GetDlgItemText(kLastItem, text);
        EXPECT_STREQ("後", text);
        CRect placed(80, 10, 110, 22);
        ::MapDialogRect(dlg.m_hWnd, &placed);
        CRect rect;
        dlg.GetDlgItem(kLastItem)->GetWindowRect(&rect);
        dlg.ScreenToClient(&rect);
        EXPECT_EQ(placed, rect) << extended;
        EXPECT_TRUE(dlg.GetDlgItem(IDOK)) << extended;
        dlg.DestroyWindow();
    }
}

TEST(DialogFont, InstalledFacesAndWesternTemplatesKeepTheirFont) {
    TemplateBuilder builder;
    // The face Ordovan's dialogs ask for is installed in the test prefix
    // (its replacement stands in for it).
    const std::wstring installed = L"ＭＳ Ｐゴシック";
    ASSERT_TRUE(IsInstalled(installed, DEFAULT_CHARSET));
    CDialog japanese;
    ASSERT_TRUE(Create(japanese, builder.Build(true, installed, SHIFTJIS_CHARSET)));
    EXPECT_EQ(installed, DialogFace(japanese));
    japanese.DestroyWindow();

    // A Western template is left to the system's choice.
    CDialog western;
    ASSERT_TRUE(Create(western, builder.Build(true, kMissingFace, ANSI_CHARSET)));
    EXPECT_EQ(kMissingFace, DialogFace(western));
    western.DestroyWindow();
}
