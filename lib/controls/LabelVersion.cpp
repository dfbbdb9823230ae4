// LabelVersion.cpp - the version label.
#include "LabelVersion.h"

#include <cstdio>

namespace {

// The FileVersion string of block pszLangCodePage; empty when the file has
// no version resource or no such entry.
CString ReadFileVersion(const char* pszFileName, const char* pszLangCodePage, const void* pBlock, DWORD dwSize) {
    if (dwSize == 0 || !::GetFileVersionInfoA(pszFileName, 0, dwSize, const_cast<void*>(pBlock))) return CString();
    char path[128];
    snprintf(path, sizeof path, "\\StringFileInfo\\%s\\FileVersion", pszLangCodePage);
    LPVOID pValue = nullptr;
    UINT uLen = 0;
    if (!::VerQueryValueA(pBlock, path, &pValue, &uLen) || !pValue) return CString();
    // The length may or may not count the terminator; stop at the first zero.
    const char* text = static_cast<const char*>(pValue);
    UINT n = 0;
    while (n < uLen && text[n]) ++n;
    return CString(text, static_cast<int>(n));
}

// The file's last-write time as "yyyy.mm.dd" in local time; false when the
// file is not found.
bool ReadFileDate(const char* pszFileName, CString* date) {
    WIN32_FIND_DATAA data;
    HANDLE hFind = ::FindFirstFileA(pszFileName, &data);
    if (hFind == INVALID_HANDLE_VALUE) return false;
    ::FindClose(hFind);
    *date = CTime(data.ftLastWriteTime).Format("%Y.%m.%d");
    return true;
}

}  // namespace

BEGIN_MESSAGE_MAP(CLabelVersion, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CLabelVersion::CLabelVersion() : m_lf() {
    m_lf.lfHeight = 16;
    m_lf.lfWeight = FW_BOLD;
    m_lf.lfCharSet = SHIFTJIS_CHARSET;
    m_lf.lfPitchAndFamily = FF_MODERN | DEFAULT_PITCH;
    lstrcpynA(m_lf.lfFaceName, "ＭＳ ゴシック", LF_FACESIZE);
}

CLabelVersion::~CLabelVersion() { m_font.DeleteObject(); }

bool CLabelVersion::Make(char* pszFileNameArg, const char* pszLangCodePage, bool bDate) {
    const char* pszFileName = pszFileNameArg ? pszFileNameArg : "";
    if (!pszLangCodePage) pszLangCodePage = "";
    if (bDate) ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof m_lf, &m_lf);
    ApplyFont();

    DWORD dwHandle = 0;
    DWORD dwSize = ::GetFileVersionInfoSizeA(pszFileName, &dwHandle);
    HANDLE hHeap = ::GetProcessHeap();
    void* pBlock = ::HeapAlloc(hHeap, HEAP_ZERO_MEMORY, dwSize);
    if (!pBlock) return false;
    CString version = ReadFileVersion(pszFileName, pszLangCodePage, pBlock, dwSize);

    CString date;
    CString text;
    if (bDate && ReadFileDate(pszFileName, &date)) {
        text.Format("Version %s / %s", static_cast<LPCSTR>(version), static_cast<LPCSTR>(date));
    } else {
        text.Format("Ver %s", static_cast<LPCSTR>(version));
    }
    if (m_hWnd) SetWindowText(text);
    ::HeapFree(hHeap, 0, pBlock);
    return true;
}

// A font made from m_lf replaces the one of an earlier Make.
void CLabelVersion::ApplyFont() {
    CFont font;
    if (!font.CreateFontIndirect(&m_lf)) return;
    if (m_hWnd) SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.m_hObject), FALSE);
    m_font.DeleteObject();
    m_font.Attach(font.Detach());
}

// The parent's background shows through.
HBRUSH CLabelVersion::CtlColor(CDC* pDC, UINT nCtlColor) {
    (void)nCtlColor;
    pDC->SetBkMode(TRANSPARENT);
    return nullptr;
}
