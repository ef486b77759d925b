// Registry string values round trip under a test key of HKEY_CURRENT_USER, failures on
// missing keys and values, and the product key under HKEY_LOCAL_MACHINE.

#include <Registry.h>

#include <afxlite/AfxScoped.h>

#include <gtest/gtest.h>

namespace {

wchar_t kTestKey[] = L"Software\\Ostrel\\VoShareFrameTest";
wchar_t kMissingKey[] = L"Software\\Ostrel\\VoShareFrameTest\\Missing";

bool KeyExists(HKEY root, const wchar_t* subkey)
{
    HKEY key = nullptr;
    const bool bExists = RegOpenKeyExW(root, subkey, 0, KEY_READ, &key) == ERROR_SUCCESS;
    const CRegKeyHandle owner(bExists ? key : nullptr);
    return bExists;
}

} // namespace

TEST(Registry, StringValuesRoundTripAndMissingKeysOrValuesFail)
{
    // The keys go however the test ends (a failed ASSERT returns early).
    const CScopeExit removeKeys([] { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); });
    HKEY created = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created, nullptr));
    const CRegKeyHandle key(created);
    const wchar_t text[] = L"Corvala \u8BED\u97F3";
    ASSERT_EQ(0, SetValueString(L"Greeting", text, kTestKey, HKEY_CURRENT_USER));
    wchar_t data[64] = {};
    ASSERT_EQ(0, GetRegData(L"Greeting", data, sizeof(data), kTestKey, HKEY_CURRENT_USER));
    EXPECT_STREQ(text, data);
    DWORD type = 0;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExW(key.Get(), L"Greeting", nullptr, &type, nullptr, nullptr));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);

    EXPECT_EQ(1, GetRegData(L"Greeting", data, 8, kTestKey, HKEY_CURRENT_USER)) << "buffer too small";
    EXPECT_EQ(1, GetRegData(L"Absent", data, sizeof(data), kTestKey, HKEY_CURRENT_USER));
    EXPECT_EQ(1, GetRegData(L"Greeting", data, sizeof(data), kMissingKey, HKEY_CURRENT_USER));
    EXPECT_EQ(1, GetRegData(L"Greeting", nullptr, sizeof(data), kTestKey, HKEY_CURRENT_USER));
    EXPECT_EQ(1, SetValueString(L"Greeting", L"hello", kMissingKey, HKEY_CURRENT_USER));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kMissingKey)) << "writing creates no key";
}

TEST(Registry, ProductKeyIsCreatedOrOpenedUnderLocalMachine)
{
    const wchar_t productKey[] = L"Software\\Ostrel\\Corvala";
    const bool existedBefore = KeyExists(HKEY_LOCAL_MACHINE, productKey);
    const CScopeExit removeKey([&] {
        if (!existedBefore)
            RegDeleteKeyW(HKEY_LOCAL_MACHINE, productKey);
    });
    ASSERT_EQ(ERROR_SUCCESS, CreateRegUpdate());
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, productKey));
    EXPECT_EQ(ERROR_SUCCESS, CreateRegUpdate());
}
