// Entry point of GUI host programs: hands the start-up over to the framework's AfxWinMain in
// afxlite.dll. Linked as a static library so that each executable has its own wWinMain.
#include <windows.h>

extern "C++" int __stdcall AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow);

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
