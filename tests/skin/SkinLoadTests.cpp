// Loading skins: the catalogue scan, the fall-back to "default", optional pictures, colours and
// their parsing, handing a skin over, Release, and bad files.

#include "SkinTestSupport.h"

#include <VoHelpers.h>

#include <algorithm>

using SkinLoadTest = SkinFolderTest;

namespace {

bool HasAllRequiredPictures(const CSkin& skin)
{
    const CSkinFrameFill* fills[] = {&skin.m_main, &skin.m_viewpage, &skin.m_viewlogo, &skin.m_lbtn, &skin.m_myAlbum};
    const CSkinFrame* frames[] = {&skin.m_normalt, &skin.m_normalb, &skin.m_wide,      &skin.m_myinfo,
                                  &skin.m_tbtn,    &skin.m_richtop, &skin.m_richbottom};
    for (const CSkinFrameFill* frame : fills)
        if (!frame->m_bmp.GetSafeHandle() || !frame->m_mask.GetSafeHandle())
            return false;
    for (const CSkinFrame* frame : frames)
        if (!frame->m_bmp.GetSafeHandle() || !frame->m_mask.GetSafeHandle())
            return false;
    const CBitmap* plain[] = {&skin.m_bmpMini, &skin.m_bmpMax, &skin.m_bmpClose, &skin.m_bmpUp, &skin.m_bmpDown,
                              &skin.m_bmpWindo};
    for (const CBitmap* picture : plain)
        if (!picture->GetSafeHandle())
            return false;
    return skin.m_hLogoFill != nullptr;
}

// Every GDI handle a loaded skin holds.
std::vector<HGDIOBJ> SkinHandles(const CSkin& skin)
{
    return {skin.m_main.m_bmp.GetSafeHandle(),    skin.m_main.m_mask.GetSafeHandle(),
            skin.m_richtop.m_bmp.GetSafeHandle(), skin.m_richbottom.m_mask.GetSafeHandle(),
            skin.m_bmpClose.GetSafeHandle(),      skin.m_bmpWindo.GetSafeHandle(),
            skin.m_bmpPlay.GetSafeHandle(),       skin.m_hLogoFill};
}

// Makes the main centre brush by filling once.
void FillWithMainCentre(CSkin& skin)
{
    CDibTarget target(20, 20, kWhite);
    skin.FillCenter(target.GetDC(), CRect(0, 0, 20, 20), DT_MAIN);
}

} // namespace

TEST_F(SkinLoadTest, LoadsEveryPictureWithCellSizesAndMasks)
{
    m_skins.AddSkin(L"default", 200);
    CTestSkin skin;
    EXPECT_TRUE(skin.GetCurrName().IsEmpty()); // later instances load nothing by themselves
    ASSERT_EQ(1, skin.LoadOne(L"default"));
    EXPECT_EQ(CString(L"default"), skin.GetCurrName());
    EXPECT_TRUE(HasAllRequiredPictures(skin));
    EXPECT_TRUE(skin.m_bmpBtn.GetSafeHandle() && skin.m_bmpPlayposBg.GetSafeHandle());
    EXPECT_EQ(kTestCell, skin.m_main.m_cx);
    EXPECT_EQ(kTestCell, skin.m_main.m_cy);
    EXPECT_EQ(kTestBarPicture / 3, skin.m_richtop.m_cy);
    // The window picture keeps no mask or cell sizes of its own: there is no field for them.
    skin.Empty();
    EXPECT_FALSE(skin.m_main.m_bmp.GetSafeHandle());
    EXPECT_EQ(nullptr, skin.m_hLogoFill);
    EXPECT_EQ(kTestCell, skin.m_main.m_cx); // Empty keeps the cell sizes and the name
    EXPECT_EQ(CString(L"default"), skin.GetCurrName());
}

TEST_F(SkinLoadTest, CellsDropTheRemainderOfTheWidth)
{
    m_skins.AddSkin(L"wide100", 50);
    WriteBmp(m_skins.SkinPath(L"wide100") + L"\\main.bmp", 100, 31, [](int, int) { return kGrey; });
    CTestSkin skin;
    ASSERT_EQ(1, skin.LoadOne(L"wide100"));
    EXPECT_EQ(33, skin.m_main.m_cx);
    EXPECT_EQ(10, skin.m_main.m_cy);
}

TEST_F(SkinLoadTest, FallsBackToDefaultForEmptyOrBrokenCurrentSkin)
{
    m_skins.AddSkin(L"default", 200);
    m_skins.AddSkin(L"broken", 100);
    ::DeleteFileW((m_skins.SkinPath(L"broken") + L"\\main.bmp").c_str());
    CTestSkin skin;
    skin.Load(); // no catalogue settings file at all
    EXPECT_EQ(CString(L"default"), skin.GetCurrName());
    EXPECT_TRUE(HasAllRequiredPictures(skin));

    m_skins.SetCurrent(L"broken");
    EXPECT_EQ(0, skin.LoadOne(L"broken"));
    EXPECT_EQ(CString(L"broken"), skin.GetCurrName()); // a failed load keeps the name it was given
    skin.Load();
    EXPECT_EQ(CString(L"default"), skin.GetCurrName());
    EXPECT_TRUE(HasAllRequiredPictures(skin));

    m_skins.AddSkin(L"green", 120);
    m_skins.SetCurrent(L"green");
    skin.Load();
    EXPECT_EQ(CString(L"green"), skin.GetCurrName());
}

TEST_F(SkinLoadTest, MissingOptionalPicturesAreNoError)
{
    m_skins.AddSkin(L"plain", 80, std::string(), false);
    CTestSkin skin;
    ASSERT_EQ(1, skin.LoadOne(L"plain"));
    EXPECT_TRUE(HasAllRequiredPictures(skin));
    EXPECT_FALSE(skin.m_bmpBtn.GetSafeHandle());
    EXPECT_FALSE(skin.m_bmpOpen.GetSafeHandle());
    EXPECT_FALSE(skin.m_bmpPlayposBg.GetSafeHandle());
}

TEST_F(SkinLoadTest, ColoursAreHexValuesUsedAsTheyAre)
{
    m_skins.AddSkin(L"one", 10,
                    "[style]\r\nnormal_text=ff\r\ndsk_angle=  0x00ff00\r\nctrl_border1x1=ff0000\r\n"
                    "ctrl_border2x2=123456,abcdef\r\nvideobk=zz\r\nchatvideobk=010203\r\nnarrowbk=0000FF\r\n");
    CTestSkin skin;
    EXPECT_EQ(0xFF0000u, skin.m_clrNormalText); // start values
    EXPECT_EQ(0xD6D1AFu, skin.m_clrVideoBk);
    EXPECT_EQ(0xFF6363u, skin.m_clrNarrowBk);
    ASSERT_EQ(1, skin.LoadOne(L"one"));
    EXPECT_EQ(RGB(255, 0, 0), skin.m_clrNormalText); // "ff" is red
    EXPECT_EQ(0x00FF00u, skin.m_clrDskAngle);
    EXPECT_EQ(RGB(0, 0, 255), skin.m_clrCtrlBorder1x1); // "ff0000" is blue
    EXPECT_EQ(0x123456u, skin.m_clrCtrlBorder2x2First);
    EXPECT_EQ(0xABCDEFu, skin.m_clrCtrlBorder2x2Second);
    EXPECT_EQ(0u, skin.m_clrVideoBk); // not a number: black
    EXPECT_EQ(0x010203u, skin.m_clrChatVideoBk);
    EXPECT_EQ(RGB(255, 0, 0), skin.m_clrNarrowBk);
}

TEST_F(SkinLoadTest, AbsentKeysKeepTheColoursOfTheSkinBefore)
{
    m_skins.AddSkin(L"first", 10, "[style]\r\nvideobk=111111\r\nctrl_border2x2=222222,333333\r\n");
    m_skins.AddSkin(L"second", 20, "[style]\r\nnormal_text=444444\r\nctrl_border2x2=555555\r\nvideobk=\r\n");
    m_skins.AddSkin(L"nosettings", 30);
    CTestSkin skin;
    ASSERT_EQ(1, skin.LoadOne(L"first"));
    ASSERT_EQ(1, skin.LoadOne(L"second"));
    EXPECT_EQ(0x111111u, skin.m_clrVideoBk);            // empty value: unchanged
    EXPECT_EQ(0x444444u, skin.m_clrNormalText);
    EXPECT_EQ(0x555555u, skin.m_clrCtrlBorder2x2First); // one number changes only the first colour
    EXPECT_EQ(0x333333u, skin.m_clrCtrlBorder2x2Second);
    ASSERT_EQ(1, skin.LoadOne(L"nosettings"));
    EXPECT_EQ(0x444444u, skin.m_clrNormalText);
    EXPECT_EQ(0x111111u, skin.m_clrVideoBk);
}

TEST_F(SkinLoadTest, AssignMovesEveryPictureOnce)
{
    m_skins.AddSkin(L"default", 200);
    m_skins.AddSkin(L"blue", 250, "[style]\r\nnarrowbk=abcdef\r\n");
    CTestSkin receiver;
    ASSERT_EQ(1, receiver.LoadOne(L"default"));
    const std::vector<HGDIOBJ> oldHandles = SkinHandles(receiver);
    std::vector<HGDIOBJ> moved;
    {
        CTestSkin giver;
        ASSERT_EQ(1, giver.LoadOne(L"blue"));
        FillWithMainCentre(giver);
        moved = SkinHandles(giver);
        HGDIOBJ hBrush = giver.m_main.m_brush.GetSafeHandle();
        receiver.Assign(giver);
        EXPECT_EQ(moved, SkinHandles(receiver));
        EXPECT_EQ(hBrush, receiver.m_main.m_brush.GetSafeHandle());
        for (HGDIOBJ hObject : SkinHandles(giver))
            EXPECT_EQ(nullptr, hObject);
        EXPECT_FALSE(giver.m_main.m_brush.GetSafeHandle());
        EXPECT_EQ(CString(L"blue"), giver.GetCurrName()); // name and colours stay with the giver
        EXPECT_EQ(0xABCDEFu, giver.m_clrNarrowBk);
    } // the giver's destructor must release nothing of what it gave
    EXPECT_EQ(CString(L"blue"), receiver.GetCurrName());
    EXPECT_EQ(0xABCDEFu, receiver.m_clrNarrowBk);
    EXPECT_EQ(kTestCell, receiver.m_main.m_cx);
    for (HGDIOBJ hObject : moved)
        EXPECT_TRUE(IsLiveGdiObject(hObject));
    for (HGDIOBJ hObject : oldHandles)
        EXPECT_FALSE(IsLiveGdiObject(hObject)); // the receiver's own skin was released first

    receiver.Assign(receiver); // taking from itself changes nothing
    EXPECT_EQ(moved, SkinHandles(receiver));
}

TEST_F(SkinLoadTest, RefreshListsFoldersOnly)
{
    m_skins.AddSkin(L"default", 200);
    ::CreateDirectoryW(m_skins.SkinPath(L"empty folder").c_str(), nullptr);
    m_skins.SetCurrent(L"default"); // a file: config.ini
    WriteTextFile(m_skins.SkinPath(L"notes.txt"), "x");
    CTestSkin skin;
    skin.Refresh();
    std::vector<CString> names = *skin.GetSkinNames();
    std::sort(names.begin(), names.end(), [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
    ASSERT_EQ(2u, names.size());
    EXPECT_EQ(CString(L"default"), names[0]);
    EXPECT_EQ(CString(L"empty folder"), names[1]);

    CTestSkin::Folder() = (m_skins.Path() + L"\\missing").c_str();
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
    ::GetPrivateProfileStringW(L"config", L"current", L"", value, 64, (m_skins.Path() + L"\\config.ini").c_str());
    EXPECT_STREQ(L"remembered", value);
    EXPECT_TRUE(CTestSkin::Folder().IsEmpty());
    EXPECT_TRUE(CTestSkin::Names().empty());

    CSkin::Release(); // a second Release must not write anywhere
    CTestSkin fresh;   // sets the folder up again: the program's own skins folder
    CString strExe;
    GetExePath(strExe);
    EXPECT_EQ(strExe + L"\\skins", CTestSkin::Folder());
    if (!CTestSkin::Names().empty())
        EXPECT_FALSE(fresh.GetCurrName().IsEmpty());
}

TEST_F(SkinLoadTest, BadFilesFallBackCleanly)
{
    m_skins.AddSkin(L"default", 200);
    m_skins.AddSkin(L"truncated", 100);
    m_skins.AddSkin(L"zero", 100);
    WriteTextFile(m_skins.SkinPath(L"truncated") + L"\\viewpage.bmp", std::string("BM\x36\x00\x00\x00", 6));
    WriteTextFile(m_skins.SkinPath(L"zero") + L"\\richbottom.bmp", std::string());
    WriteTextFile(m_skins.SkinPath(L"afile"), "not a folder");
    CTestSkin skin;
    ASSERT_EQ(1, skin.LoadOne(L"default"));
    const std::vector<HGDIOBJ> defaultHandles = SkinHandles(skin);

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

    m_skins.SetCurrent(std::wstring(600, L'x'));
    skin.Load();
    EXPECT_EQ(CString(L"default"), skin.GetCurrName());
    EXPECT_TRUE(HasAllRequiredPictures(skin));
    m_skins.SetCurrent(L"afile");
    skin.Load();
    EXPECT_EQ(CString(L"default"), skin.GetCurrName());
}

TEST_F(SkinLoadTest, FailedAndRepeatedLoadsKeepNoGdiObject)
{
    m_skins.AddSkin(L"default", 200);
    m_skins.AddSkin(L"truncated", 100);
    WriteTextFile(m_skins.SkinPath(L"truncated") + L"\\richtop.bmp", std::string("BM", 2));
    CTestSkin skin;
    ASSERT_EQ(1, skin.LoadOne(L"default"));
    skin.Empty();
    const int nBefore = CountAvailableGdiHandles();
    for (int i = 0; i < 20; ++i) {
        skin.LoadOne(L"truncated");
        skin.LoadOne(L"default");
        CDibTarget target(40, 40, kGrey);
        skin.FillCenter(target.GetDC(), CRect(0, 0, 40, 40), DT_MAIN);
    }
    skin.Empty();
    const int kSlack = 8; // objects the platform may cache between two counts
    EXPECT_LE(nBefore - CountAvailableGdiHandles(), kSlack);
}

TEST_F(SkinLoadTest, ShippedSkinsAreCompleteWithAllSevenColours)
{
    CString strExe;
    GetExePath(strExe);
    CTestSkin::Folder() = strExe + L"\\skins";
    for (const wchar_t* name : {L"default", L"graphite"}) {
        CTestSkin skin;
        ASSERT_EQ(1, skin.LoadOne(name)) << name;
        EXPECT_TRUE(HasAllRequiredPictures(skin)) << name;
        const CBitmap* optional[] = {&skin.m_bmpBtn,   &skin.m_bmpOpen,  &skin.m_bmpPlay,   &skin.m_bmpPause,
                                     &skin.m_bmpStop,  &skin.m_bmpBegin, &skin.m_bmpEnd,    &skin.m_bmpMute,
                                     &skin.m_bmpSound, &skin.m_bmpPlaypos, &skin.m_bmpVolumn, &skin.m_bmpPlayposBg};
        for (const CBitmap* picture : optional)
            EXPECT_TRUE(picture->GetSafeHandle()) << name;
        // Every key is set: no colour keeps its start value.
        EXPECT_NE(0xFF0000u, skin.m_clrNormalText) << name;
        EXPECT_NE(0x00FF00u, skin.m_clrCtrlBorder1x1) << name;
        EXPECT_NE(0xD6D1AFu, skin.m_clrVideoBk) << name;
        EXPECT_NE(0xFF6363u, skin.m_clrNarrowBk) << name;
        EXPECT_EQ(24, 3 * skin.m_richtop.m_cy) << name; // bars are drawn one picture high
    }
    wchar_t current[64] = {};
    ::GetPrivateProfileStringW(L"config", L"current", L"", current, 64, strExe + L"\\skins\\config.ini");
    EXPECT_STREQ(L"default", current);
}
