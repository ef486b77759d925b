// Registry string values round trip under a test key of HKEY_CURRENT_USER, failures on
// missing keys and values, and the product key under HKEY_LOCAL_MACHINE.

#include <Registry.h>

#include <gtest/gtest.h>


namespace {

wchar_t kTestKey[] = L"Software\\Ostrel\\VoShareFrameTest";
wchar_t kMissingKey[] = L"Software\\Ostrel\\VoShareFrameTest\\Missing";
const wchar_t kProductKey[] = L"Software\\Ostrel\\Corvala";

bool KeyExists(HKEY root, const wchar_t* subkey)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

class RegistryValues : public ::testing::Test
{
protected:
    void SetUp() override
    {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &key, nullptr));
        RegCloseKey(key);
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
};

} // namespace

TEST_F(RegistryValues, WrittenTextReadsBackIntoAZeroedBuffer)
{
    const wchar_t text[] = L"Corvala \u8BED\u97F3";
    ASSERT_EQ(0, SetValueString(L"Greeting", text, kTestKey, HKEY_CURRENT_USER));

    wchar_t data[64] = {};
    ASSERT_EQ(0, GetRegData(L"Greeting", data, sizeof(data), kTestKey, HKEY_CURRENT_USER));
    EXPECT_STREQ(text, data);

    DWORD type = 0;
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_CURRENT_USER, kTestKey, 0, KEY_READ, &key));
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, L"Greeting", nullptr, &type, nullptr, nullptr));
    RegCloseKey(key);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
}

TEST_F(RegistryValues, ReadFailsForMissingValueKeyOrSmallBuffer)
{
    ASSERT_EQ(0, SetValueString(L"Long", L"0123456789", kTestKey, HKEY_CURRENT_USER));
    wchar_t data[16] = {};
    EXPECT_EQ(1, GetRegData(L"Long", data, 8, kTestKey, HKEY_CURRENT_USER));
    EXPECT_EQ(1, GetRegData(L"Absent", data, sizeof(data), kTestKey, HKEY_CURRENT_USER));
    EXPECT_EQ(1, GetRegData(L"Long", data, sizeof(data), kMissingKey, HKEY_CURRENT_USER));
    EXPECT_EQ(1, GetRegData(L"Long", nullptr, sizeof(data), kTestKey, HKEY_CURRENT_USER));
}

TEST_F(RegistryValues, WritingUnderAMissingKeyFailsAndCreatesNothing)
{
    EXPECT_EQ(1, SetValueString(L"Greeting", L"hello", kMissingKey, HKEY_CURRENT_USER));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kMissingKey));
}

TEST(ProductRegistryKey, IsCreatedUnderLocalMachine)
{
    const bool existedBefore = KeyExists(HKEY_LOCAL_MACHINE, kProductKey);
    EXPECT_EQ(ERROR_SUCCESS, CreateRegUpdate());
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kProductKey));
    // A second call opens the existing key.
    EXPECT_EQ(ERROR_SUCCESS, CreateRegUpdate());
    if (!existedBefore)
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, kProductKey);
}
