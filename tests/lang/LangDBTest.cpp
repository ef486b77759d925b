// The language database over the shipped tree bin\lang: singleton, current language, the
// Chinese default texts, dialog records and the completeness of the English set.
#include "../common/TempFolder.h"

#include <LangDB.h>

#include <gtest/gtest.h>

namespace {

// The shipped tree beside the program.
std::wstring ShippedBase()
{
    return ProgramFolder() + L"\\lang";
}

// Loads vo_share.xml of db's current language; fails the test when it cannot.
CLangProRC* LoadVoShare(CLangDB& db)
{
    EXPECT_EQ(1, db.load(L"vo_share.xml", 0, 0));
    return db.get(L"vo_share");
}

} // namespace

TEST(LangDB, InstanceIsOneDatabaseThatLoadsEachModuleOnce)
{
    CLangDB* db = CLangDB::Instance();
    ASSERT_NE(db, nullptr);
    EXPECT_EQ(db, CLangDB::Instance());
    EXPECT_STREQ(ShippedBase().c_str(), db->GetBaseFolder().GetString());
    EXPECT_STREQ(L"chs", db->GetLangString(-1).GetString());
    EXPECT_TRUE(db->GetLangString(0).IsEmpty());

    EXPECT_EQ(nullptr, db->get(L"vo_share"));
    EXPECT_EQ(1, db->load(L"vo_share.xml", 0, 0));
    CLangProRC* set = db->get(L"vo_share");
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(1, db->load(L"vo_share.xml", 0, 0));
    EXPECT_EQ(set, db->get(L"vo_share"));
    EXPECT_EQ(set, db->get(L"VO_SHARE"));
    EXPECT_EQ(nullptr, db->get(L"other"));
    EXPECT_EQ(nullptr, db->get(nullptr));
}

TEST(LangDB, ChineseSetHoldsTheDefaultTextsAndDialogsAndUnknownIdsGiveEmptyResults)
{
    CLangDB db(ShippedBase().c_str());
    CLangProRC* set = LoadVoShare(db);
    ASSERT_NE(set, nullptr);
    EXPECT_STREQ(L" 您已经邀请 %s 开始音频对话，请等待回应或", set->GetString(L"IDS_AUDIO_CONV").GetString());
    EXPECT_TRUE(set->GetString(L"IDS_NO_SUCH_TEXT").IsEmpty());
    EXPECT_TRUE(set->GetString(L"ids_link_accept").IsEmpty()); // identifiers are exact
    EXPECT_TRUE(set->GetString(nullptr).IsEmpty());
    EXPECT_EQ(nullptr, set->GetDialog(L"CNoSuchDialog"));
    EXPECT_EQ(nullptr, set->GetDialog(nullptr));
    CLangRCDlg* box = set->GetDialog(L"CMsgBox");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->GetDlgItemTextW(L"IDC_REFRESH").IsEmpty());
    EXPECT_TRUE(box->GetDlgItemTextW(nullptr).IsEmpty());
    EXPECT_STREQ(L"消息", box->m_strCaption.GetString());
    CLangRCDlg* chooser = set->GetDialog(L"CSkinChooser");
    ASSERT_NE(chooser, nullptr);
    EXPECT_STREQ(L"刷新", chooser->GetDlgItemTextW(L"IDC_REFRESH").GetString());
    EXPECT_STREQ(L"确定", chooser->GetDlgItemText(L"IDOK").GetString()); // the windows.h spelling
}

TEST(LangDB, EnglishSetHasExactlyTheIdentifiersOfTheChineseSet)
{
    CLangDB chinese(ShippedBase().c_str());
    CLangProRC* chs = LoadVoShare(chinese);
    CTempFolder tree;
    ASSERT_TRUE(tree.Write(L"lang.ini", "[Language]\r\ncurrent=en\r\n"));
    ASSERT_TRUE(CreateDirectoryW(tree.Path(L"en").c_str(), nullptr));
    ASSERT_TRUE(
        CopyFileW((ShippedBase() + L"\\en\\vo_share.xml").c_str(), tree.Path(L"en\\vo_share.xml").c_str(), TRUE));
    CLangDB english(tree.Path().c_str());
    EXPECT_STREQ(L"en", english.GetLangString(-1).GetString());
    CLangProRC* en = LoadVoShare(english);
    ASSERT_TRUE(chs != nullptr && en != nullptr);

    EXPECT_GE(chs->GetStringIds().size(), 55u);
    EXPECT_EQ(chs->GetStringIds(), en->GetStringIds());
    for (const CString& id : en->GetStringIds())
        EXPECT_FALSE(en->GetString(id).IsEmpty()) << id.GetString();
    EXPECT_STREQ(L"Accept", en->GetString(L"IDS_LINK_ACCEPT").GetString());

    ASSERT_EQ(chs->GetDialogNames(), en->GetDialogNames());
    for (const CString& name : chs->GetDialogNames()) {
        EXPECT_EQ(chs->GetDialog(name)->GetItemNames(), en->GetDialog(name)->GetItemNames()) << name.GetString();
        EXPECT_FALSE(en->GetDialog(name)->m_strCaption.IsEmpty()) << name.GetString();
    }
    EXPECT_STREQ(L"Refresh", en->GetDialog(L"CSkinChooser")->GetDlgItemTextW(L"IDC_REFRESH").GetString());
}

TEST(LangDB, CurrentLanguageFallsBackToChineseUnlessItNamesAFolder)
{
    const struct {
        const char* settings;
        const wchar_t* language;
    } cases[] = {
        {nullptr, L"chs"},                            // no settings file
        {"[Language]\r\n", L"chs"},                   // no key
        {"[Language]\r\ncurrent=\r\n", L"chs"},       // empty value
        {"[Language]\r\ncurrent=fr\r\n", L"chs"},     // no such folder
        {"[Language]\r\ncurrent=..\\en\r\n", L"chs"}, // not a plain folder name
        {"[Language]\r\ncurrent= en \r\n", L"en"},
        {"[language]\r\nCURRENT=en\r\n", L"en"}, // profile names ignore case
    };
    for (const auto& entry : cases) {
        CTempFolder tree;
        ASSERT_TRUE(CreateDirectoryW(tree.Path(L"en").c_str(), nullptr));
        if (entry.settings != nullptr) {
            ASSERT_TRUE(tree.Write(L"lang.ini", entry.settings));
        }
        CLangDB db((tree.Path() + L"\\").c_str());
        EXPECT_STREQ(entry.language, db.GetLangString(-1).GetString())
            << (entry.settings != nullptr ? entry.settings : "(no file)");
        EXPECT_STREQ(tree.Path().c_str(), db.GetBaseFolder().GetString());
    }
}
