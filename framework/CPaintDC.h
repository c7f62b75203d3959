// Painting of a window between BeginPaint and EndPaint.
#pragma once

#include <windows.h>

class CWnd;

class CPaintDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC m_hDC = nullptr;  // null when painting could not begin
    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};
