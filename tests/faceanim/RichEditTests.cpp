// The component inside a real rich-edit control (riched20), embedded as the chat view embeds
// emoticons: the control draws the object's current frame and its pixels change from frame to
// frame; an emoticon in a hidden or minimised window, scrolled out of view or in a destroyed
// control makes no redraws and no timer work until it can be seen again.
#include "../common/FaceEmbedding.h"
#include "FaceAnimTest.h"

#include <afxlite/AfxGdiScoped.h>

#include <richedit.h>
#include <richole.h>

namespace {

_COM_SMARTPTR_TYPEDEF(IRichEditOle, IID_IRichEditOle);

const wchar_t kClockClass[] = L"VoFaceAnimClock";
const int kFrameSide = 12;

// Counts, on this thread, the clock's timer messages and the paints of one window.
class CMessageCounter {
public:
    explicit CMessageCounter(HWND hWatched)
    {
        s_pThis = this;
        m_hWatched = hWatched;
        m_hHook = ::SetWindowsHookExW(WH_GETMESSAGE, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~CMessageCounter()
    {
        ::UnhookWindowsHookEx(m_hHook);
        s_pThis = nullptr;
    }
    void Reset() { m_nTimers = m_nPaints = 0; }
    int Timers() const { return m_nTimers; }
    int Paints() const { return m_nPaints; }

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
        if (nCode == HC_ACTION && wParam == PM_REMOVE && s_pThis != nullptr) {
            wchar_t name[64] = {};
            ::GetClassNameW(pMsg->hwnd, name, 64);
            if (pMsg->message == WM_TIMER && lstrcmpW(name, kClockClass) == 0)
                ++s_pThis->m_nTimers;
            if (pMsg->message == WM_PAINT && pMsg->hwnd == s_pThis->m_hWatched)
                ++s_pThis->m_nPaints;
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }

    static CMessageCounter* s_pThis;
    HHOOK m_hHook = nullptr;
    HWND m_hWatched = nullptr;
    int m_nTimers = 0;
    int m_nPaints = 0;
};
CMessageCounter* CMessageCounter::s_pThis = nullptr;

class RichEditTest : public FaceAnimTest {
protected:
    void SetUp() override
    {
        FaceAnimTest::SetUp();
        m_hRichEdit20 = ::LoadLibraryW(L"riched20.dll");
        ASSERT_NE(nullptr, m_hRichEdit20);
        m_hTop = ::CreateWindowExW(0, L"STATIC", L"chat", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 320, 240, nullptr,
                                   nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, m_hTop);
        m_hEdit = ::CreateWindowExW(0, RICHEDIT_CLASSW, L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 0, 0,
                                    280, 120, m_hTop, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, m_hEdit);
        IRichEditOle* pRichEdit = nullptr;
        ::SendMessageW(m_hEdit, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&pRichEdit));
        ASSERT_NE(nullptr, pRichEdit);
        m_richEdit.Attach(pRichEdit);
    }
    void TearDown() override
    {
        m_richEdit = nullptr;
        if (::IsWindow(m_hTop))
            ::DestroyWindow(m_hTop);
        ::FreeLibrary(m_hRichEdit20);
        FaceAnimTest::TearDown();
    }

    // Embeds the picture at the insertion point as the chat view does; the object's animator.
    IFaceAnimatorPtr Insert(const wchar_t* name, int nUserValue)
    {
        IFaceAnimatorPtr animator = Create(name);
        if (animator == nullptr)
            return nullptr;
        EXPECT_EQ(S_OK, EmbedFace(m_hEdit, m_richEdit, animator, nUserValue));
        return animator;
    }

    void Append(const wchar_t* text)
    {
        ::SendMessageW(m_hEdit, EM_SETSEL, -1, -1);
        ::SendMessageW(m_hEdit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
    }

    // The frame colour (red, green or blue) the control shows for the object at character cp,
    // read from the screen; CLR_INVALID when none of them is there.
    COLORREF ShownColour(LONG cp) const
    {
        ::UpdateWindow(m_hEdit);
        POINTL position = {};
        ::SendMessageW(m_hEdit, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&position), cp);
        const CScopedGetDC dc(m_hEdit);
        for (int y = position.y; y < position.y + 3 * kFrameSide; ++y) {
            const COLORREF colour = ::GetPixel(dc, position.x + kFrameSide / 2, y);
            if (colour == RGB(255, 0, 0) || colour == RGB(0, 255, 0) || colour == RGB(0, 0, 255))
                return colour;
        }
        return CLR_INVALID;
    }

    // Lets the animation settle into its state, then counts what it does for a second.
    void CountQuietSecond(CMessageCounter& counter)
    {
        testpump::PumpUntil([] { return false; }, 500);
        counter.Reset();
        testpump::PumpUntil([] { return false; }, 1000);
    }

    bool AnimatesAgain(LONG cp)
    {
        const COLORREF before = ShownColour(cp);
        return testpump::PumpUntil([&] { return ShownColour(cp) != before && ShownColour(cp) != CLR_INVALID; }, 3000);
    }

    HMODULE m_hRichEdit20 = nullptr;
    HWND m_hTop = nullptr;
    HWND m_hEdit = nullptr;
    IRichEditOlePtr m_richEdit;
};

} // namespace

TEST_F(RichEditTest, EmbeddedEmoticonShowsItsCurrentFrameAndChangesWithIt)
{
    Append(L"a ");
    IFaceAnimatorPtr animator = Insert(L"frames.gif", 3);
    ASSERT_NE(nullptr, animator);
    Append(L" b");
    REOBJECT reobject = {};
    reobject.cbStruct = sizeof(reobject);
    ASSERT_EQ(S_OK, m_richEdit->GetObject(0, &reobject, REO_GETOBJ_NO_INTERFACES));
    EXPECT_EQ(3u, reobject.dwUser);
    EXPECT_EQ(2, reobject.cp);

    const COLORREF first = ShownColour(2);
    EXPECT_EQ(RGB(255, 0, 0), first) << "the first frame";
    ASSERT_TRUE(testpump::PumpUntil([&] { return ShownColour(2) != first; }, 3000));
    EXPECT_EQ(RGB(0, 255, 0), ShownColour(2)) << "the second frame";
}

TEST_F(RichEditTest, TransparentPixelsShowTheControlsOwnBackground)
{
    const COLORREF kBack = RGB(255, 0, 255);
    ::SendMessageW(m_hEdit, EM_SETBKGNDCOLOR, FALSE, kBack);
    ASSERT_NE(nullptr, Insert(L"disc.gif", 1));
    ::UpdateWindow(m_hEdit);
    POINTL position = {};
    ::SendMessageW(m_hEdit, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&position), 0);
    const CScopedGetDC dc(m_hEdit);
    int nGreen = 0;
    for (int y = position.y; y < position.y + 40; ++y) {
        EXPECT_EQ(kBack, ::GetPixel(dc, position.x + 1, y)) << "left of the disc, row " << y;
        nGreen += ::GetPixel(dc, position.x + 12, y) == RGB(0, 255, 0);
    }
    EXPECT_GT(nGreen, 10) << "the disc is drawn";
    EXPECT_EQ(kBack, static_cast<COLORREF>(::SendMessageW(m_hEdit, EM_SETBKGNDCOLOR, FALSE, kBack)))
        << "the control keeps its colour";
}

TEST_F(RichEditTest, HiddenMinimisedScrolledOutAndDestroyedEmoticonsCostNothing)
{
    IFaceAnimatorPtr animator = Insert(L"frames.gif", 0);
    ASSERT_NE(nullptr, animator);
    for (int i = 0; i < 40; ++i)
        Append(L"\r\nline of chat text");
    ::SendMessageW(m_hEdit, WM_VSCROLL, SB_TOP, 0);
    CMessageCounter counter(m_hEdit);
    CountQuietSecond(counter);
    EXPECT_GT(counter.Timers(), 0) << "in view it plays";
    EXPECT_GT(counter.Paints(), 0);

    for (const int nShow : {SW_HIDE, SW_MINIMIZE}) {
        SCOPED_TRACE(nShow == SW_HIDE ? "hidden" : "minimised");
        ::ShowWindow(m_hTop, nShow);
        CountQuietSecond(counter);
        EXPECT_EQ(0, counter.Timers());
        EXPECT_EQ(0, counter.Paints());
        ::ShowWindow(m_hTop, SW_RESTORE);
        EXPECT_TRUE(AnimatesAgain(0));
    }

    ::SendMessageW(m_hEdit, WM_VSCROLL, SB_BOTTOM, 0);
    CountQuietSecond(counter);
    EXPECT_EQ(0, counter.Timers()) << "scrolled out of view";
    EXPECT_EQ(0, counter.Paints());
    ::SendMessageW(m_hEdit, WM_VSCROLL, SB_TOP, 0);
    EXPECT_TRUE(AnimatesAgain(0));

    m_richEdit = nullptr;
    ::DestroyWindow(m_hEdit);
    CountQuietSecond(counter);
    EXPECT_EQ(0, counter.Timers()) << "the control is gone; the object lives on in this test";
    animator = nullptr;
    EXPECT_EQ(nullptr, ::FindWindowExW(HWND_MESSAGE, nullptr, kClockClass, nullptr)) << "the clock ends with the last";
}
