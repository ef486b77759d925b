// The skin chooser driven like a user would: DoModal runs the real dialog while a thread timer
// acts on it through the messages the controls send (selection changes, button clicks).
#include "SkinTestSupport.h"
#include "../common/DialogScript.h"

#include <SkinChooser.h>

namespace {

const int kSkinList = 6021;
const int kRefresh = 6024;
const int kPreview = 6022;
const int kDefaultBlue = 200;
const int kSecondBlue = 90;

// The chooser with its preview painting reachable from the test.
class CTestChooser : public CSkinChooser {
public:
    using CSkinChooser::DrawPreview;
};

INT_PTR RunChooser(const std::function<void(HWND)>& script)
{
    CTestChooser chooser;
    return RunDialogScript([&] { return chooser.DoModal(); }, script);
}

// Selects name in the list; with bNotify the list tells the dialog, as a user's choice does.
void Select(HWND hDialog, const wchar_t* name, bool bNotify = true)
{
    HWND hList = ::GetDlgItem(hDialog, kSkinList);
    const LRESULT nIndex =
        ::SendMessageW(hList, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
    ::SendMessageW(hList, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    if (bNotify)
        ::SendMessageW(hDialog, WM_COMMAND, MAKEWPARAM(kSkinList, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hList));
}

CString SelectedName(HWND hDialog)
{
    HWND hList = ::GetDlgItem(hDialog, kSkinList);
    const LRESULT nIndex = ::SendMessageW(hList, CB_GETCURSEL, 0, 0);
    wchar_t text[MAX_PATH] = {};
    if (nIndex >= 0)
        ::SendMessageW(hList, CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(text));
    return text;
}

// The colour of the preview's top-left corner as the chooser paints it.
COLORREF PreviewCorner(HWND hDialog)
{
    auto* pChooser = static_cast<CTestChooser*>(CWnd::FromHandlePermanent(hDialog));
    CRect area;
    ::GetWindowRect(::GetDlgItem(hDialog, kPreview), &area);
    ::MapWindowPoints(nullptr, hDialog, reinterpret_cast<LPPOINT>(&area), 2);
    CDibTarget target(area.right + 1, area.bottom + 1, kGrey);
    pChooser->DrawPreview(target.GetDC());
    return target.Pixel(area.left, area.top);
}

class SkinChooserTest : public SkinFolderTest {
protected:
    void SetUp() override
    {
        SkinFolderTest::SetUp();
        m_skins.AddSkin(L"default", kDefaultBlue);
        m_skins.AddSkin(L"second", kSecondBlue, "[style]\r\nnarrowbk=00ff00\r\n");
        m_skins.AddSkin(L"broken", 10);
        ::DeleteFileW(m_skins.Path(L"broken\\main.bmp").c_str());
        g_Skin.Refresh();
        m_strSavedSkin = g_Skin.GetCurrName();
        ASSERT_EQ(1, g_Skin.LoadOne(L"default"));
    }
    void TearDown() override
    {
        SkinFolderTest::TearDown();
        if (m_strSavedSkin.IsEmpty())
            g_Skin.Empty();
        else
            g_Skin.LoadOne(m_strSavedSkin);
    }

    CString m_strSavedSkin;
};

} // namespace

// OK hands a skin over only when another one that loads is selected; a skin that does not
// load puts the selection back, and selected again without notification is not handed over.
TEST_F(SkinChooserTest, OkHandsOverOnlyAnotherSkinThatLoads)
{
    const struct {
        std::vector<const wchar_t*> selections;
        bool bRepeatSilently; // the last selection again, without the list telling the dialog
        INT_PTR nResult;
        const wchar_t* shown; // selected before OK
        COLORREF corner;      // preview's corner before OK
    } cases[] = {
        {{}, false, IDCANCEL, L"default", CellColour(0, 0, kDefaultBlue)},
        {{L"second"}, false, IDOK, L"second", CellColour(0, 0, kSecondBlue)},
        {{L"second", L"default"}, false, IDCANCEL, L"default", CellColour(0, 0, kDefaultBlue)},
        {{L"broken"}, false, IDCANCEL, L"default", CellColour(0, 0, kDefaultBlue)},
        {{L"broken"}, true, IDCANCEL, L"broken", kWhite}, // the emptied preview paints nothing
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << test.selections.size() << " selections, showing " << test.shown);
        ASSERT_EQ(1, g_Skin.LoadOne(L"default"));
        CString strShown;
        COLORREF corner = 0;
        const INT_PTR nResult = RunChooser([&](HWND hDialog) {
            for (const wchar_t* name : test.selections)
                Select(hDialog, name);
            if (test.bRepeatSilently)
                Select(hDialog, test.selections.back(), false);
            strShown = SelectedName(hDialog);
            corner = PreviewCorner(hDialog);
            ClickButton(hDialog, IDOK);
        });
        EXPECT_EQ(test.nResult, nResult);
        EXPECT_EQ(CString(test.shown), strShown);
        EXPECT_EQ(test.corner, corner);
        EXPECT_EQ(CString(test.nResult == IDOK ? L"second" : L"default"), g_Skin.GetCurrName());
        CDibTarget target(40, 40, kGrey);
        CRect rect(0, 0, 40, 40);
        g_Skin.Draw(target.GetDC(), rect, DT_MAIN);
        EXPECT_EQ(CellColour(1, 1, test.nResult == IDOK ? kSecondBlue : kDefaultBlue), target.Pixel(20, 20));
        if (test.nResult == IDOK) {
            EXPECT_EQ(RGB(0, 255, 0), g_Skin.m_clrNarrowBk) << "the colours come with the chosen skin";
        }
    }
}

TEST_F(SkinChooserTest, RefreshListsANewSkinFolderWithNothingSelected)
{
    LRESULT nCountBefore = 0;
    LRESULT nCountAfter = 0;
    CString strSelected = L"unset";
    bool bOpenAfterOk = false;
    const INT_PTR nResult = RunChooser([&](HWND hDialog) {
        HWND hList = ::GetDlgItem(hDialog, kSkinList);
        nCountBefore = ::SendMessageW(hList, CB_GETCOUNT, 0, 0);
        m_skins.AddSkin(L"third", 150);
        ClickButton(hDialog, kRefresh);
        nCountAfter = ::SendMessageW(hList, CB_GETCOUNT, 0, 0);
        strSelected = SelectedName(hDialog);
        ClickButton(hDialog, IDOK); // nothing selected: the dialog stays open
        bOpenAfterOk = ::IsWindowVisible(hDialog) != FALSE;
    });
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_EQ(3, nCountBefore);
    EXPECT_EQ(4, nCountAfter);
    EXPECT_TRUE(strSelected.IsEmpty());
    EXPECT_TRUE(bOpenAfterOk);
}
