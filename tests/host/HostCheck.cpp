// A host program outside the library: built only from an installation's include/ and lib/, it
// calls every exported helper of vo_share.dll and the language library's interface, and exits
// with 0 only when every result is as expected. Each failed check is printed.

#include <afxwin.h>
#include <vo_share.h>
#include <LangDB.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

int g_checks = 0;
int g_failures = 0;

void Check(bool passed, const char* what, int line)
{
    ++g_checks;
    if (!passed) {
        ++g_failures;
        fprintf(stderr, "HostCheck.cpp:%d: FAILED: %s\n", line, what);
    }
}

#define CHECK(expression) Check((expression), #expression, __LINE__)

std::wstring ProgramFolder()
{
    std::vector<wchar_t> name(32768);
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    const std::wstring path(name.data(), length);
    return path.substr(0, path.rfind(L'\\'));
}

bool Equals(const CString& text, const std::wstring& expected)
{
    return expected == text.GetString();
}

void CheckFolders()
{
    const std::wstring folder = ProgramFolder();
    CString exePath;
    GetExePath(exePath);
    CHECK(Equals(exePath, folder));
    CString tmpPath;
    GetTmpPath(tmpPath);
    CHECK(Equals(tmpPath, folder + L"\\tmp"));

    wchar_t down[2048] = {};
    const std::wstring ini = folder + L"\\config\\multichat.ini";
    GetPrivateProfileStringW(L"roominfo", L"picurldown", L"", down, 2048, ini.c_str());
    CHECK(down[0] != L'\0');
    CHECK(GetFaceUrlDown() == down);
    CHECK(!GetFaceUrlUp().IsEmpty());
    CHECK(GetFaceUrlUp() != GetFaceUrlDown());
}

void CheckImageNames()
{
    CString file;
    GetSysImageFile(L"C:\\App", L"images", 5, file);
    CHECK(file == L"C:\\Appimages\\5.jpg");
    GetPerImageFile(L"C:\\App\\users", L"abc", file);
    CHECK(file == L"C:\\App\\users\\abc.jpg");
    CHECK(GetCustomId() == 99999);
    CHECK(IsSysImage(99999) == 0);
    CHECK(IsSysImage(100000) != 0);
}

void CheckUtf8()
{
    const char utf8[] = "\x41\xE4\xB8\xAD"; // "A中"
    wchar_t* wide = nullptr;
    CHECK(UTF2TCHAR(utf8, &wide) == 3);
    CHECK(wide != nullptr && wcscmp(wide, L"A\u4E2D") == 0);
    delete[] wide; // the shared C++ runtime's allocator

    char* bytes = nullptr;
    CHECK(TCHAR2UTF(L"A\u4E2D", &bytes, 0) == 4);
    CHECK(bytes != nullptr && strcmp(bytes, utf8) == 0);
    delete[] bytes;

    // Both are exported under their plain names.
    HMODULE library = GetModuleHandleW(L"vo_share.dll");
    CHECK(GetProcAddress(library, "UTF2TCHAR") != nullptr);
    CHECK(GetProcAddress(library, "TCHAR2UTF") != nullptr);
}

void CheckChecksum()
{
    CHECK(dwCrc32(L"123456789") == 0xCBF43926u);
    CHECK(dwCrc32(L"") == 0u);
    unsigned char data[5] = {1, 2, 3, 4, 5};
    encryption(data, 5, 0xDEADBEEFu);
    CHECK(data[4] != 5 || data[0] != 1);
    encryption(data, 5, 0xDEADBEEFu);
    const unsigned char original[5] = {1, 2, 3, 4, 5};
    CHECK(memcmp(data, original, 5) == 0);
    unsigned char one = 0;
    encryption(&one, 1, 0x12345678u);
    CHECK(one == 0x6B);
}

void CheckMenus()
{
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_OWNERDRAW, 10, nullptr);
    SetMenuItemText(menu, 10, L"Host item", FALSE);
    CString text;
    GetMenuItemText(menu, 0, text, TRUE);
    CHECK(text == L"Host item");
    GetMenuItemText(menu, 99, text, FALSE);
    CHECK(text.IsEmpty());
    DestroyMenu(menu);
}

LRESULT CALLBACK RedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &paint.rcPaint, red);
    DeleteObject(red);
    EndPaint(window, &paint);
    return 0;
}

void CheckWindows()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = RedWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VoHostCheckWindow";
    CHECK(RegisterClassW(&windowClass) != 0);
    HWND parent = CreateWindowExW(WS_EX_TOOLWINDOW, L"VoHostCheckWindow", L"", WS_POPUP | WS_VISIBLE, 10, 10, 120, 80,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    CHECK(parent != nullptr);
    HWND button = CreateWindowExW(0, L"Button", L"b", WS_CHILD, 5, 5, 30, 20, parent, nullptr, nullptr, nullptr);
    HWND edit = CreateWindowExW(0, L"Edit", L"e", WS_CHILD, 5, 30, 30, 20, parent, nullptr, nullptr, nullptr);
    UpdateWindow(parent);

    CHECK(FindWindowByClassName(L"vohostcheckwindow") == parent);
    CHECK(FindWindowByClassName(L"VoHostCheck") == nullptr);

    EnableControls(CWnd::FromHandle(parent), FALSE);
    CHECK(!IsWindowEnabled(button));
    CHECK(IsWindowEnabled(edit) && (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) != 0);
    EnableControls(CWnd::FromHandle(parent), TRUE);
    CHECK(IsWindowEnabled(button) && (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) == 0);

    CDC target;
    CBitmap bitmap;
    CHECK(target.CreateCompatibleDC(nullptr));
    CHECK(bitmap.Attach(CreateCompatibleBitmap(CScopedGetDC(nullptr), 30, 20)));
    {
        const CDCSelect select(&target, &bitmap);
        Parent2Here(CWnd::FromHandle(button), &target);
        CHECK(GetPixel(target, 10, 10) == RGB(255, 0, 0));
    }
    DestroyWindow(parent);
}

void CheckFileVersion()
{
    const std::wstring library = ProgramFolder() + L"\\vo_share.dll";
    CFileVersion version;
    CHECK(version.Open(library.c_str()) == 1);
    const CFileVersion copy(version);
    CFileVersion assigned;
    assigned = copy;
    CHECK(assigned.GetCompanyName() == L"Ostrel");
    CHECK(copy.GetProductName() == L"Corvala");
    CHECK(version.GetOriginalFilename() == L"vo_share.dll");
    CHECK(version.GetInternalName() == L"vo_share");
    CHECK(!version.GetFileDescription().IsEmpty());
    CHECK(!version.GetLegalCopyright().IsEmpty());
    CHECK(version.GetFileVersion() == version.GetProductVersion());
    CHECK(version.QueryValue(L"ProductName", 0x040904B0) == L"Corvala");
    VS_FIXEDFILEINFO info = {};
    CHECK(version.GetFixedInfo(info) == 1);
    CString fixed;
    fixed.Format(L"%u,%u,%u,%u", HIWORD(info.dwFileVersionMS), LOWORD(info.dwFileVersionMS),
                 HIWORD(info.dwFileVersionLS), LOWORD(info.dwFileVersionLS));
    CHECK(version.GetFixedFileVersion() == fixed);
    CHECK(!version.GetFixedProductVersion().IsEmpty());
}

void CheckRegistry()
{
    wchar_t key[] = L"Software\\Ostrel\\VoHostCheck";
    HKEY created = nullptr;
    CHECK(RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created, nullptr) ==
          ERROR_SUCCESS);
    RegCloseKey(created);
    CHECK(SetValueString(L"Value", L"host \u4E2D", key, HKEY_CURRENT_USER) == 0);
    wchar_t data[32] = {};
    CHECK(GetRegData(L"Value", data, sizeof(data), key, HKEY_CURRENT_USER) == 0);
    CHECK(wcscmp(data, L"host \u4E2D") == 0);
    RegDeleteTreeW(HKEY_CURRENT_USER, key);
    CHECK(SetValueString(L"Value", L"x", key, HKEY_CURRENT_USER) == 1);
    CHECK(CreateRegUpdate() == ERROR_SUCCESS);
}

void CheckLanguage()
{
    CLangDB* database = CLangDB::Instance();
    CHECK(database != nullptr);
    CHECK(database->load(L"vo_share.xml", 0, 0) == 1);
    CLangProRC* module = database->get(L"vo_share");
    CHECK(module != nullptr);
    CHECK(database->GetLangString(-1) == L"chs");
    if (module == nullptr)
        return;
    CHECK(module->GetString(L"IDS_MALE") == L"\u7537");
    CHECK(module->GetString(L"IDS_NO_SUCH_TEXT").IsEmpty());
    CLangRCDlg* dialog = module->GetDialog(L"CMsgBox");
    CHECK(dialog != nullptr);
    CHECK(module->GetDialog(L"NoSuchDialog") == nullptr);
    if (dialog == nullptr)
        return;
    CHECK(!dialog->m_strCaption.IsEmpty());
    CHECK(dialog->GetDlgItemTextW(L"IDOK") == L"\u786E\u5B9A");
}

} // namespace

int main()
{
    CheckFolders();
    CheckImageNames();
    CheckUtf8();
    CheckChecksum();
    CheckMenus();
    CheckWindows();
    CheckFileVersion();
    CheckRegistry();
    CheckLanguage();
    printf("host check: %d checks, %d failed\n", g_checks, g_failures);
    return g_failures == 0 ? 0 : 1;
}
