// DialogTemplateFont.h - dialog templates whose font is not installed.
//
// A dialog sized in dialog units takes its measure from the font its template
// names. Where that face is missing (Ordovan's "ＭＳ Ｐゴシック" on Wine without
// Windows fonts), the system falls back to some other font; for the
// double-byte charsets that is often a wider one, and labels written to fit
// the designed face wrap or are cut. Such a template is therefore created
// from a copy that names an installed face of its charset.
//
// Only templates of a double-byte charset (Japanese, Korean, Chinese; or
// DEFAULT_CHARSET on a system whose ANSI code page is one of them) are
// changed: for the others the system's stand-in is of like width.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace AfxDialogFont {

// The font part of a template.
struct TemplateFont {
    BYTE charset = DEFAULT_CHARSET;  // DLGTEMPLATE has none: DEFAULT_CHARSET
    size_t faceOffset = 0;           // the face name's first byte
    size_t faceEnd = 0;              // just behind its terminator
    std::wstring face;
};

// Reads the font of a template (DLGTEMPLATE or DLGTEMPLATEEX); false when
// the template names none (no DS_SETFONT).
bool ReadTemplateFont(LPCDLGTEMPLATE lpTemplate, TemplateFont* font);

// The size in bytes of a template with all its items.
size_t TemplateSize(LPCDLGTEMPLATE lpTemplate);

// A copy of the template (of size bytes) that names face instead.
std::vector<BYTE> WithFace(LPCDLGTEMPLATE lpTemplate, size_t size, const TemplateFont& font, const std::wstring& face);

// True when a font family of that name is installed (or stands in for it
// by the system's font substitution).
bool IsFaceInstalled(const std::wstring& face);

// The installed face to use for a template font: empty when its face is
// installed, its charset is not double-byte, or nothing of that charset is
// installed. Answers are kept for the life of the process.
std::wstring StandInFace(const std::wstring& face, BYTE charset);

// lpTemplate itself, or, when its font must be stood in for, a copy in
// *copy (which must outlive the dialog's creation).
LPCDLGTEMPLATE WithInstalledFont(LPCDLGTEMPLATE lpTemplate, std::vector<BYTE>* copy);

}  // namespace AfxDialogFont
