// ControlText.h - reading item texts that common controls copy into a
// caller's buffer (list views, tree views).
#pragma once

#include "CString.h"

// Ends a text the control copied into nSize bytes (some versions fill the
// buffer without a terminator) and returns its length. A lead byte cut off
// from its second byte is dropped.
inline int AfxTerminateCopiedText(LPSTR lpszText, int nSize) {
    lpszText[nSize - 1] = '\0';
    int nLen = 0;
    while (lpszText[nLen]) {
        if (!::IsDBCSLeadByte(static_cast<BYTE>(lpszText[nLen]))) {
            ++nLen;
        } else if (lpszText[nLen + 1]) {
            nLen += 2;
        } else {
            lpszText[nLen] = '\0';
        }
    }
    return nLen;
}

// The whole text behind copyText(buffer, size), which copies at most
// size - 1 bytes and returns how many it copied: the buffer doubles while
// a text fills it.
template <class CopyText>
CString AfxReadControlText(CopyText copyText) {
    const int kFirstTextBuffer = 256;
    CString text;
    for (int nSize = kFirstTextBuffer;; nSize *= 2) {
        int nLen = copyText(text.GetBuffer(nSize - 1), nSize);
        text.ReleaseBuffer(nLen);
        if (nLen < nSize - 2 || nSize > INT_MAX / 2) break;
    }
    return text;
}
