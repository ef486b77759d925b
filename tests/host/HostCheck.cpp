// A host program outside the library: built only from an installation's include/ and lib/ and
// run from its bin/, it calls every exported helper of vo_share.dll and the language library's
// interface once and exits with 0 only when every result is as expected, proving the headers,
// import libraries, plain export names, shared allocator and installed data are enough (what the
// helpers do in detail is tested in test_frame and test_lang). Each failed check is printed.

#include <afxwin.h>
#include <vo_share.h>
#include <LangDB.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

int g_failures = 0;

#define CHECK(expression)                                                                                              \
    ((expression) ? void()                                                                                             \
                  : (void)(++g_failures, fprintf(stderr, "HostCheck.cpp:%d: FAILED: %s\n", __LINE__, #expression)))

void CheckPathsConversionsAndChecksums()
{
    CString path, tmp;
    GetExePath(path);
    GetTmpPath(tmp);
    CHECK(!path.IsEmpty() && tmp == path + L"\\tmp");
    CHECK(!GetFaceUrlDown().IsEmpty() && !GetFaceUrlUp().IsEmpty()); // the installed config\multichat.ini
    GetSysImageFile(L"C:\\App", L"\\images", 5, path);
    CHECK(path == L"C:\\App\\images\\5.jpg");
    GetPerImageFile(L"C:\\App\\users", L"abc", path);
    CHECK(path == L"C:\\App\\users\\abc.jpg");
    CHECK(IsSysImage(GetCustomId()) == 0);

    wchar_t* wide = nullptr;
    CHECK(UTF2TCHAR("\x41\xE4\xB8\xAD", &wide) == 3 && wcscmp(wide, L"A\u4E2D") == 0);
    delete[] wide; // the shared C++ runtime's allocator
    char* bytes = nullptr;
    CHECK(TCHAR2UTF(L"A\u4E2D", &bytes, 0) == 4 && strcmp(bytes, "\x41\xE4\xB8\xAD") == 0);
    delete[] bytes;
    const HMODULE library = GetModuleHandleW(L"vo_share.dll");
    CHECK(GetProcAddress(library, "UTF2TCHAR") != nullptr && GetProcAddress(library, "TCHAR2UTF") != nullptr);
    CHECK(dwCrc32(L"123456789") == 0xCBF43926u);
    unsigned char one = 0;
    encryption(&one, 1, 0x12345678u);
    CHECK(one == 0x6B);
}

void CheckWindowHelpers()
{
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_OWNERDRAW, 10, nullptr);
    SetMenuItemText(menu, 10, L"Host item", FALSE);
    CString text;
    GetMenuItemText(menu, 0, text, TRUE);
    CHECK(text == L"Host item");
    DestroyMenu(menu);

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = L"VoHostCheckWindow";
    CHECK(RegisterClassW(&windowClass) != 0);
    HWND parent = CreateWindowExW(WS_EX_TOOLWINDOW, L"VoHostCheckWindow", L"", WS_POPUP | WS_VISIBLE, 10, 10, 120, 80,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
    HWND button = CreateWindowExW(0, L"Button", L"b", WS_CHILD, 5, 5, 30, 20, parent, nullptr, nullptr, nullptr);
    UpdateWindow(parent);
    CHECK(FindWindowByClassName(L"vohostcheckwindow") == parent);
    EnableControls(CWnd::FromHandle(parent), FALSE);
    CHECK(!IsWindowEnabled(button));
    CDC target;
    CBitmap bitmap;
    CHECK(target.CreateCompatibleDC(nullptr) && bitmap.Attach(CreateCompatibleBitmap(CScopedGetDC(nullptr), 30, 20)));
    const CDCSelect select(&target, &bitmap);
    target.FillSolidRect(0, 0, 30, 20, RGB(255, 255, 255));
    Parent2Here(CWnd::FromHandle(button), &target);
    CHECK(GetPixel(target, 10, 10) == RGB(0, 0, 0));
    DestroyWindow(parent);
}

void CheckFileVersionRegistryAndLanguage()
{
    CFileVersion version;
    CHECK(version.Open(L"vo_share.dll") == 1);
    const CFileVersion copy(version);
    CHECK(copy.GetOriginalFilename() == L"vo_share.dll" && !copy.GetFixedFileVersion().IsEmpty());

    wchar_t key[] = L"Software\\Ostrel\\VoHostCheck";
    HKEY created = nullptr;
    CHECK(RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created, nullptr) ==
          ERROR_SUCCESS);
    RegCloseKey(created);
    CHECK(SetValueString(L"Value", L"host \u4E2D", key, HKEY_CURRENT_USER) == 0);
    wchar_t data[32] = {};
    CHECK(GetRegData(L"Value", data, sizeof(data), key, HKEY_CURRENT_USER) == 0 && wcscmp(data, L"host \u4E2D") == 0);
    RegDeleteTreeW(HKEY_CURRENT_USER, key);
    CHECK(CreateRegUpdate() == ERROR_SUCCESS);

    // The installed lang\ tree: the current language and the library's texts and dialogs.
    CLangDB* database = CLangDB::Instance();
    CHECK(database->GetLangString(-1) == L"chs" && database->load(L"vo_share.xml", 0, 0) == 1);
    CLangProRC* module = database->get(L"vo_share");
    CHECK(module != nullptr && module->GetString(L"IDS_MALE") == L"\u7537");
    CLangRCDlg* dialog = module != nullptr ? module->GetDialog(L"CMsgBox") : nullptr;
    CHECK(dialog != nullptr && dialog->GetDlgItemTextW(L"IDOK") == L"\u786E\u5B9A");
}

} // namespace

int main()
{
    CheckPathsConversionsAndChecksums();
    CheckWindowHelpers();
    CheckFileVersionRegistryAndLanguage();
    printf("host check: %d failed\n", g_failures);
    return g_failures == 0 ? 0 : 1;
}
