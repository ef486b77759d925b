// Registry string values and the product's machine-wide key.

#include <Registry.h>

#include <afxlite/AfxScoped.h>

#include <cwchar>

namespace {

const wchar_t kProductKey[] = L"Software\\Ostrel\\Corvala";

// Opens root\subkey with the given access; empty when it cannot be opened.
CRegKeyHandle OpenKey(HKEY root, const wchar_t* subkey, REGSAM access)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subkey, 0, access, &key) != ERROR_SUCCESS)
        return CRegKeyHandle();
    return CRegKeyHandle(key);
}

} // namespace

int SetValueString(const wchar_t* name, const wchar_t* value, wchar_t* subkey, HKEY root)
{
    if (value == nullptr)
        return 1;
    const CRegKeyHandle key = OpenKey(root, subkey, KEY_SET_VALUE);
    if (!key)
        return 1;
    const DWORD bytes = static_cast<DWORD>(wcslen(value) * sizeof(wchar_t));
    const LONG result = RegSetValueExW(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), bytes);
    return result == ERROR_SUCCESS ? 0 : 1;
}

int GetRegData(const wchar_t* name, wchar_t* data, unsigned long size, wchar_t* subkey, HKEY root)
{
    // Without a buffer the system would only measure the value and still report success.
    if (data == nullptr)
        return 1;
    const CRegKeyHandle key = OpenKey(root, subkey, KEY_QUERY_VALUE);
    if (!key)
        return 1;
    DWORD bytes = size;
    const LONG result = RegQueryValueExW(key.Get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &bytes);
    return result == ERROR_SUCCESS ? 0 : 1;
}

int CreateRegUpdate()
{
    HKEY key = nullptr;
    const LONG result = RegCreateKeyExW(HKEY_LOCAL_MACHINE, kProductKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                        KEY_ALL_ACCESS, nullptr, &key, nullptr);
    const CRegKeyHandle owner(result == ERROR_SUCCESS ? key : nullptr);
    return static_cast<int>(result);
}
