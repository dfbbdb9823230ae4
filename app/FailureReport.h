// FailureReport.h - the list of files a run or an undo could not handle.
//
// Classes:
//   CFailureReport  the first ten lines, a count, and the finished text:
//                   a heading, the lines, and "その他多数・・・" from ten on
#pragma once

#include <afx.h>

class CFailureReport {
public:
    CFailureReport() : m_nCount(0) {}

    // One more failure; only the first ten are listed.
    void Add(const CString& line) {
        if (m_nCount < kMaxListed) m_strLines += line + "\n";
        ++m_nCount;
    }
    int Count() const { return m_nCount; }
    // Empty when nothing failed.
    CString Text(const char* heading) const {
        if (m_nCount == 0) return CString();
        CString text = CString(heading) + "\n\n" + m_strLines;
        if (m_nCount >= kMaxListed) text += "\n\nその他多数・・・";
        return text;
    }

private:
    static const int kMaxListed = 10;
    CString m_strLines;
    int m_nCount;
};
