// Reading module text files: the format's details, files that cannot be used, and loading on
// threads with and without COM.
#include "../common/TempFolder.h"

#include <LangDB.h>

#include <objbase.h>

#include <gtest/gtest.h>

#include <thread>

namespace {

const char kHeader[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
const char kSmallModule[] = "<resources><string id=\"IDS_A\" text=\"a\"/></resources>";

// A scratch tree whose current language "chs" holds vo_share.xml with the given bytes.
class LangFileTest : public ::testing::Test {
protected:
    void WriteModule(const std::string& bytes) { ASSERT_TRUE(m_tree.Write(L"chs\\vo_share.xml", bytes)); }

    CTempFolder m_tree;
};

} // namespace

TEST_F(LangFileTest, ReadsTextsVerbatimAndSkipsWhatItDoesNotKnow)
{
    WriteModule(std::string(kHeader) +
                "<resources module=\"vo_share\" language=\"chs\">\r\n"
                "  <string id=\"IDS_A\" text=\"  两端空格 \"/>\r\n"
                "  <string id=\"IDS_LINES\" text=\"一&#13;&#10;二 &amp; &lt;三&gt;\"/>\r\n"
                "  <string id=\"IDS_TWICE\" text=\"first\"/>\r\n"
                "  <string id=\"IDS_TWICE\" text=\"second\"/>\r\n"
                "  <string id=\"IDS_EMPTY\"/>\r\n"
                "  <string text=\"no identifier\"/>\r\n"
                "  <unknown id=\"IDS_UNKNOWN\" text=\"x\"/>\r\n"
                "  <dialog name=\"CBare\"><item id=\"IDOK\" text=\"好\"/><other id=\"IDNO\" text=\"x\"/></dialog>\r\n"
                "</resources>\r\n");
    CLangDB db(m_tree.Path().c_str());
    ASSERT_EQ(1, db.load(L"vo_share.xml", 0, 0));
    CLangProRC* set = db.get(L"vo_share");
    ASSERT_NE(set, nullptr);
    EXPECT_STREQ(L"  两端空格 ", set->GetString(L"IDS_A").GetString());
    EXPECT_STREQ(L"一\r\n二 & <三>", set->GetString(L"IDS_LINES").GetString());
    EXPECT_STREQ(L"second", set->GetString(L"IDS_TWICE").GetString());
    EXPECT_EQ((std::vector<CString>{L"IDS_A", L"IDS_EMPTY", L"IDS_LINES", L"IDS_TWICE"}), set->GetStringIds());
    CLangRCDlg* dialog = set->GetDialog(L"CBare");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->m_strCaption.IsEmpty());
    EXPECT_EQ(std::vector<CString>{L"IDOK"}, dialog->GetItemNames());
    EXPECT_STREQ(L"好", dialog->GetDlgItemTextW(L"IDOK").GetString());
}

TEST_F(LangFileTest, MissingOrUnusableFilesFailALaterLoadFindsAGoodFileAlsoBelowOddFolderNames)
{
    CLangDB db(m_tree.Path().c_str());
    for (const wchar_t* name : {L"vo_share.xml", L"", static_cast<const wchar_t*>(nullptr)})
        EXPECT_EQ(0, db.load(name, 0, 0));
    const std::string files[] = {
        "",                                                                   // empty file
        std::string(kHeader) + "<resources><string id=\"IDS_A\" text=\"a\">", // cut short
        std::string(kHeader) + "<resources><string id=\"IDS_A\" text=\"a\"/></wrong>",
        std::string(kHeader) + "<strings><string id=\"IDS_A\" text=\"a\"/></strings>", // other root
    };
    for (const std::string& bytes : files) {
        WriteModule(bytes);
        EXPECT_EQ(0, db.load(L"vo_share.xml", 0, 0)) << bytes;
        EXPECT_EQ(nullptr, db.get(L"vo_share")) << bytes;
    }
    WriteModule(std::string(kHeader) + kSmallModule);
    EXPECT_EQ(1, db.load(L"vo_share.xml", 0, 0));
    ASSERT_NE(db.get(L"vo_share"), nullptr);
    EXPECT_STREQ(L"a", db.get(L"vo_share")->GetString(L"IDS_A").GetString());

    // Files are found below folder names that look like addresses.
    for (const std::wstring folder : {L"a%41b", L"a#b", L"空 格"}) {
        ASSERT_TRUE(m_tree.Write(folder + L"\\chs\\vo_share.xml", std::string(kHeader) + kSmallModule));
        CLangDB db((m_tree.Path() + L"\\" + folder).c_str());
        EXPECT_EQ(1, db.load(L"vo_share.xml", 0, 0));
        ASSERT_NE(db.get(L"vo_share"), nullptr);
        EXPECT_STREQ(L"a", db.get(L"vo_share")->GetString(L"IDS_A").GetString());
    }
}

TEST_F(LangFileTest, LoadsOnThreadsWithAndWithoutComAndLeavesTheirComAsItWas)
{
    WriteModule(std::string(kHeader) + kSmallModule);
    const std::wstring base = m_tree.Path();
    const DWORD apartments[] = {0, COINIT_APARTMENTTHREADED, COINIT_MULTITHREADED}; // 0: none
    for (const DWORD apartment : apartments) {
        int loaded = 0;
        HRESULT after = E_FAIL;
        std::thread worker([&] {
            const bool own = apartment != 0 && SUCCEEDED(CoInitializeEx(nullptr, apartment));
            CLangDB db(base.c_str());
            loaded = db.load(L"vo_share.xml", 0, 0) == 1 && db.get(L"vo_share") != nullptr;
            // Without the caller's COM the load must have uninitialised what it initialised.
            after = CoInitializeEx(nullptr, apartment != 0 ? apartment : DWORD{COINIT_APARTMENTTHREADED});
            if (SUCCEEDED(after))
                CoUninitialize();
            if (own)
                CoUninitialize();
        });
        worker.join();
        EXPECT_EQ(1, loaded) << "apartment " << apartment;
        EXPECT_EQ(apartment == 0 ? S_OK : S_FALSE, after) << "apartment " << apartment;
    }
}
