// Loading skins: the catalogue scan, the fall-back to "default", optional pictures, colours and
// their parsing, handing a skin over, Release, and bad files.
#include "SkinTestSupport.h"

#include <VoHelpers.h>

#include <afxlite/AfxProfile.h>

#include <algorithm>

using SkinLoadTest = SkinFolderTest;

namespace {

// Every GDI handle of a skin's required pictures, masks and logo fill.
std::vector<HGDIOBJ> RequiredHandles(const CSkin& skin)
{
    std::vector<HGDIOBJ> handles = {skin.m_bmpMini.GetSafeHandle(),
                                    skin.m_bmpMax.GetSafeHandle(),
                                    skin.m_bmpClose.GetSafeHandle(),
                                    skin.m_bmpUp.GetSafeHandle(),
                                    skin.m_bmpDown.GetSafeHandle(),
                                    skin.m_bmpWindo.GetSafeHandle(),
                                    skin.m_hLogoFill};
    auto add = [&handles](const auto& frame) {
        handles.insert(handles.end(), {frame.m_bmp.GetSafeHandle(), frame.m_mask.GetSafeHandle()});
    };
    for (const CSkinFrameFill* frame :
         {&skin.m_main, &skin.m_viewpage, &skin.m_viewlogo, &skin.m_lbtn, &skin.m_myAlbum})
        add(*frame);
    for (const CSkinFrame* frame : {&skin.m_normalt, &skin.m_normalb, &skin.m_wide, &skin.m_myinfo, &skin.m_tbtn,
                                    &skin.m_richtop, &skin.m_richbottom})
        add(*frame);
    return handles;
}

bool HasAllRequiredPictures(const CSkin& skin)
{
    const std::vector<HGDIOBJ> handles = RequiredHandles(skin);
    return std::find(handles.begin(), handles.end(), nullptr) == handles.end();
}

void FillWithMainCentre(CSkin& skin)
{
    CDibTarget target(20, 20, kWhite);
    skin.FillCenter(target.GetDC(), CRect(0, 0, 20, 20), DT_MAIN);
}

} // namespace

TEST_F(SkinLoadTest, LoadsEveryPictureWithCellSizesAndEmptyKeepsSizesAndName)
{
    m_skins.AddSkin(L"default", 200);
    // Cells drop the remainder of the width and height.
    WriteBmp(m_skins.Path(L"default\\main.bmp"), 100, 31, [](int, int) { return kGrey; });
    CTestSkin skin;
    EXPECT_TRUE(skin.GetCurrName().IsEmpty()); // later instances load nothing by themselves
    ASSERT_EQ(1, skin.LoadOne(L"default"));
    EXPECT_EQ(CString(L"default"), skin.GetCurrName());
    EXPECT_TRUE(HasAllRequiredPictures(skin));
    EXPECT_TRUE(skin.m_bmpBtn.GetSafeHandle() && skin.m_bmpPlayposBg.GetSafeHandle());
    EXPECT_EQ(CSize(33, 10), CSize(skin.m_main.m_cx, skin.m_main.m_cy));
    EXPECT_EQ(CSize(kTestCell, kTestBarPicture / 3), CSize(skin.m_richtop.m_cx, skin.m_richtop.m_cy));
    skin.Empty();
    EXPECT_FALSE(skin.m_main.m_bmp.GetSafeHandle());
    EXPECT_EQ(nullptr, skin.m_hLogoFill);
    EXPECT_EQ(33, skin.m_main.m_cx);
    EXPECT_EQ(CString(L"default"), skin.GetCurrName());
}

TEST_F(SkinLoadTest, FallsBackToDefaultForEmptyBrokenOrUnusableCurrentSkin)
{
    m_skins.AddSkin(L"default", 200);
    m_skins.AddSkin(L"broken", 100);
    ::DeleteFileW(m_skins.Path(L"broken\\main.bmp").c_str());
    m_skins.Write(L"afile", "not a folder");
    CTestSkin skin;
    EXPECT_EQ(0, skin.LoadOne(L"broken"));
    EXPECT_EQ(CString(L"broken"), skin.GetCurrName()); // a failed load keeps the name it was given
    // No catalogue settings file at all, then current skins that do not load.
    for (const std::wstring& current :
         {std::wstring(), std::wstring(L"broken"), std::wstring(600, L'x'), std::wstring(L"afile")}) {
        if (!current.empty())
            m_skins.SetCurrent(current);
        skin.Load();
        EXPECT_EQ(CString(L"default"), skin.GetCurrName()) << current.size();
        EXPECT_TRUE(HasAllRequiredPictures(skin));
    }

    m_skins.AddSkin(L"green", 120, std::string(), false); // optional pictures missing: no error
    m_skins.SetCurrent(L"green");
    skin.Load();
    EXPECT_EQ(CString(L"green"), skin.GetCurrName());
    EXPECT_TRUE(HasAllRequiredPictures(skin));
    EXPECT_FALSE(skin.m_bmpBtn.GetSafeHandle());
    EXPECT_FALSE(skin.m_bmpPlayposBg.GetSafeHandle());
}

TEST_F(SkinLoadTest, ColoursAreHexValuesAndAbsentKeysKeepTheColoursOfTheSkinBefore)
{
    m_skins.AddSkin(L"first", 10,
                    "[style]\r\nnormal_text=ff\r\ndsk_angle=  0x00ff00\r\nctrl_border1x1=ff0000\r\n"
                    "ctrl_border2x2=123456,abcdef\r\nvideobk=zz\r\nchatvideobk=010203\r\nnarrowbk=0a0b0c\r\n");
    m_skins.AddSkin(L"second", 20, "[style]\r\nnormal_text=444444\r\nctrl_border2x2=555555\r\nchatvideobk=\r\n");
    m_skins.AddSkin(L"nosettings", 30);
    CTestSkin skin;
    ASSERT_EQ(1, skin.LoadOne(L"first"));
    EXPECT_EQ(RGB(255, 0, 0), skin.m_clrNormalText); // "ff" is red
    EXPECT_EQ(0x00FF00u, skin.m_clrDskAngle);
    EXPECT_EQ(RGB(0, 0, 255), skin.m_clrCtrlBorder1x1); // "ff0000" is blue
    EXPECT_EQ(0x123456u, skin.m_clrCtrlBorder2x2First);
    EXPECT_EQ(0xABCDEFu, skin.m_clrCtrlBorder2x2Second);
    EXPECT_EQ(0u, skin.m_clrVideoBk); // not a number: black
    EXPECT_EQ(0x010203u, skin.m_clrChatVideoBk);
    EXPECT_EQ(0x0A0B0Cu, skin.m_clrNarrowBk);
    for (const wchar_t* name : {L"second", L"nosettings"}) {
        ASSERT_EQ(1, skin.LoadOne(name)) << name;
        EXPECT_EQ(0x444444u, skin.m_clrNormalText) << name;
        EXPECT_EQ(0x555555u, skin.m_clrCtrlBorder2x2First) << name; // one number changes only the first
        EXPECT_EQ(0xABCDEFu, skin.m_clrCtrlBorder2x2Second) << name;
        EXPECT_EQ(0x010203u, skin.m_clrChatVideoBk) << name; // an empty value changes nothing
        EXPECT_EQ(RGB(0, 0, 255), skin.m_clrCtrlBorder1x1) << name;
    }
}

TEST_F(SkinLoadTest, AssignMovesEveryPictureOnce)
{
    m_skins.AddSkin(L"default", 200);
    m_skins.AddSkin(L"blue", 250, "[style]\r\nnarrowbk=abcdef\r\n");
    CTestSkin receiver;
    ASSERT_EQ(1, receiver.LoadOne(L"default"));
    auto handles = [](const CSkin& skin) {
        std::vector<HGDIOBJ> all = RequiredHandles(skin);
        all.insert(all.end(), {skin.m_bmpPlay.GetSafeHandle(), skin.m_main.m_brush.GetSafeHandle()});
        return all;
    };
    const std::vector<HGDIOBJ> oldHandles = RequiredHandles(receiver);
    std::vector<HGDIOBJ> moved;
    {
        CTestSkin giver;
        ASSERT_EQ(1, giver.LoadOne(L"blue"));
        FillWithMainCentre(giver);
        moved = handles(giver);
        receiver.Assign(giver);
        for (HGDIOBJ hObject : handles(giver))
            EXPECT_EQ(nullptr, hObject);
        EXPECT_EQ(CString(L"blue"), giver.GetCurrName()); // name and colours stay with the giver too
    }                                                     // the giver's destructor must release nothing of what it gave
    const std::vector<HGDIOBJ> received = handles(receiver);
    EXPECT_EQ(moved, received);
    EXPECT_EQ(CString(L"blue"), receiver.GetCurrName());
    EXPECT_EQ(0xABCDEFu, receiver.m_clrNarrowBk);
    EXPECT_EQ(kTestCell, receiver.m_main.m_cx);
    for (HGDIOBJ hObject : moved)
        EXPECT_TRUE(IsLiveGdiObject(hObject));
    for (HGDIOBJ hObject : oldHandles)
        EXPECT_FALSE(IsLiveGdiObject(hObject)); // the receiver's own skin was released first
    receiver.Assign(receiver);                  // taking from itself changes nothing
    EXPECT_EQ(received, handles(receiver));
}

TEST_F(SkinLoadTest, RefreshListsFoldersOnly)
{
    m_skins.AddSkin(L"default", 200);
    ::CreateDirectoryW(m_skins.Path(L"empty folder").c_str(), nullptr);
    m_skins.SetCurrent(L"default"); // a file: config.ini
    m_skins.Write(L"notes.txt", "x");
    CTestSkin skin;
    skin.Refresh();
    std::vector<CString> names = *skin.GetSkinNames();
    std::sort(names.begin(), names.end(), [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
    EXPECT_EQ((std::vector<CString>{L"default", L"empty folder"}), names);

    CTestSkin::Folder() = m_skins.Path(L"missing").c_str();
    skin.Refresh();
    EXPECT_TRUE(skin.GetSkinNames()->empty());
}

TEST_F(SkinLoadTest, ReleaseWritesTheNameAndTheNextSkinScansAgain)
{
    CSkin& inUse = CSkin::Instance();
    EXPECT_EQ(&g_Skin, &inUse);
    const CString strSaved = inUse.GetCurrName();
    inUse.SetCurrName(L"remembered");
    CSkin::Release();
    inUse.SetCurrName(strSaved);
    wchar_t value[64] = {};
    ::GetPrivateProfileStringW(L"config", L"current", L"", value, 64, m_skins.Path(L"config.ini").c_str());
    EXPECT_STREQ(L"remembered", value);
    EXPECT_TRUE(CTestSkin::Folder().IsEmpty());
    EXPECT_TRUE(CTestSkin::Names().empty());

    CSkin::Release(); // a second Release must not write anywhere
    CTestSkin fresh;  // sets the folder up again: the program's own skins folder
    CString strExe;
    GetExePath(strExe);
    EXPECT_EQ(strExe + L"\\skins", CTestSkin::Folder());
    EXPECT_FALSE(CTestSkin::Names().empty());
    EXPECT_FALSE(fresh.GetCurrName().IsEmpty());
}

// Names come from the catalogue settings file and from the host: none may reach outside the
// skins folder, open a device, or write lines of its own into the settings file.
TEST_F(SkinLoadTest, NamesOutsideTheFolderDevicesAndLineBreaksAreRefused)
{
    ::CreateDirectoryW(m_skins.Path(L"skins").c_str(), nullptr);
    m_skins.AddSkin(L"skins\\default", 200);
    m_skins.AddSkin(L"outside", 90);
    CTestSkin::Folder() = m_skins.Path(L"skins").c_str();
    const std::wstring settings = m_skins.Path(L"skins\\config.ini");
    ::WritePrivateProfileStringW(L"config", L"current", L"..\\outside", settings.c_str());
    CTestSkin skin;
    skin.Load();
    EXPECT_EQ(CString(L"default"), skin.GetCurrName());
    for (const wchar_t* name : {L"..\\outside", L"..", L"CON", L"nul.bmp", L"COM1", L"a\r\n[x]", L""}) {
        EXPECT_EQ(0, skin.LoadOne(name)) << name;
        EXPECT_EQ(CString(L"default"), skin.GetCurrName()) << name;
        EXPECT_TRUE(HasAllRequiredPictures(skin)) << name;
    }

    CSkin& inUse = CSkin::Instance();
    const CString strSaved = inUse.GetCurrName();
    inUse.SetCurrName(L"evil\r\n[injected]\r\ncurrent=..\\outside");
    CSkin::Release();
    inUse.SetCurrName(strSaved);
    wchar_t sections[256] = {};
    ::GetPrivateProfileSectionNamesW(sections, 256, settings.c_str());
    EXPECT_STREQ(L"config", sections);
    EXPECT_EQ(L'\0', sections[wcslen(sections) + 1]) << "only one section";
    EXPECT_EQ(CString(L"..\\outside"), AfxGetProfileText(settings.c_str(), L"config", L"current"));
}

TEST_F(SkinLoadTest, BadFilesFallBackCleanlyAndKeepNoGdiObject)
{
    m_skins.AddSkin(L"default", 200);
    m_skins.AddSkin(L"truncated", 100);
    m_skins.AddSkin(L"zero", 100);
    m_skins.Write(L"truncated\\viewpage.bmp", std::string("BM\x36\x00\x00\x00", 6));
    m_skins.Write(L"zero\\richbottom.bmp", std::string());
    m_skins.Write(L"afile", "not a folder");
    CTestSkin skin;
    ASSERT_EQ(1, skin.LoadOne(L"default"));
    const std::vector<HGDIOBJ> defaultHandles = RequiredHandles(skin);

    EXPECT_EQ(0, skin.LoadOne(L"truncated"));
    EXPECT_TRUE(skin.m_main.m_bmp.GetSafeHandle());      // read before the bad one
    EXPECT_FALSE(skin.m_viewpage.m_bmp.GetSafeHandle()); // the bad one and all after it: none
    EXPECT_FALSE(skin.m_bmpClose.GetSafeHandle());
    for (HGDIOBJ hObject : defaultHandles)
        EXPECT_FALSE(IsLiveGdiObject(hObject));
    const HGDIOBJ hPartial = skin.m_main.m_bmp.GetSafeHandle();
    EXPECT_EQ(0, skin.LoadOne(L"zero"));
    EXPECT_FALSE(IsLiveGdiObject(hPartial));
    EXPECT_EQ(0, skin.LoadOne(L"afile"));
    EXPECT_FALSE(skin.m_main.m_bmp.GetSafeHandle());
    const int nKept = GdiObjectsKeptBy(20, [&]() {
        skin.LoadOne(L"truncated");
        skin.LoadOne(L"zero");
        skin.LoadOne(L"default");
        FillWithMainCentre(skin);
        skin.Empty();
    });
    EXPECT_LE(nKept, kGdiCountSlack);
}

TEST_F(SkinLoadTest, ShippedSkinsAreCompleteWithAllSevenColours)
{
    CString strExe;
    GetExePath(strExe);
    CTestSkin::Folder() = strExe + L"\\skins";
    for (const wchar_t* name : {L"default", L"graphite"}) {
        SCOPED_TRACE(testing::Message() << name);
        const CTestSkin start;
        CTestSkin skin;
        ASSERT_EQ(1, skin.LoadOne(name));
        EXPECT_TRUE(HasAllRequiredPictures(skin));
        for (const CBitmap* picture : {&skin.m_bmpBtn, &skin.m_bmpOpen, &skin.m_bmpPlay, &skin.m_bmpPause,
                                       &skin.m_bmpStop, &skin.m_bmpBegin, &skin.m_bmpEnd, &skin.m_bmpMute,
                                       &skin.m_bmpSound, &skin.m_bmpPlaypos, &skin.m_bmpVolumn, &skin.m_bmpPlayposBg})
            EXPECT_TRUE(picture->GetSafeHandle());
        // Every key is set: no colour keeps its start value.
        EXPECT_NE(start.m_clrNormalText, skin.m_clrNormalText);
        EXPECT_NE(start.m_clrCtrlBorder1x1, skin.m_clrCtrlBorder1x1);
        EXPECT_NE(start.m_clrVideoBk, skin.m_clrVideoBk);
        EXPECT_NE(start.m_clrNarrowBk, skin.m_clrNarrowBk);
        EXPECT_EQ(8, skin.m_richtop.m_cy); // bars are drawn one picture high
    }
    wchar_t current[64] = {};
    ::GetPrivateProfileStringW(L"config", L"current", L"", current, 64, strExe + L"\\skins\\config.ini");
    EXPECT_STREQ(L"default", current);
}
