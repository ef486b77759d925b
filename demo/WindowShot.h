// Saves what a window shows on the screen as a PNG file, through the platform's
// imaging component, so that scripts can look at the demo as a person would.
#pragma once

#include <windows.h>

class CWindowShot {
public:
    // Copies the whole window (frame included) from the screen and writes it to
    // pszPath. Returns FALSE when the window cannot be read or the file not written.
    static BOOL SaveAsPng(HWND hWnd, LPCWSTR pszPath);
    // Copies an area of the screen, whatever windows show there (a window with the menu open
    // over it), and writes it to pszPath.
    static BOOL SaveScreenAsPng(const RECT& rcScreen, LPCWSTR pszPath);
};
