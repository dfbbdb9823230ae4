// ClientCanvas.h - a memory DC with a bitmap as large as a window's client
// area, for tests that look at what a window paints or fills.
#pragma once

#include <afxwin.h>

class ClientCanvas {
public:
    explicit ClientCanvas(CWnd& wnd) {
        CRect client;
        wnd.GetClientRect(&client);
        CClientDC screen(&wnd);
        m_ok =
            dc.CreateCompatibleDC(&screen) && m_bitmap.CreateCompatibleBitmap(&screen, client.Width(), client.Height());
        if (m_ok) m_pOld = dc.SelectObject(&m_bitmap);
    }
    ~ClientCanvas() {
        if (m_pOld) dc.SelectObject(m_pOld);
    }
    ClientCanvas(const ClientCanvas&) = delete;
    ClientCanvas& operator=(const ClientCanvas&) = delete;

    // FALSE when the DC or its bitmap could not be made.
    bool IsReady() const { return m_ok; }

    CDC dc;

private:
    CBitmap m_bitmap;
    CBitmap* m_pOld = nullptr;
    bool m_ok = false;
};
