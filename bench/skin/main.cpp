// Benchmark of skin painting: a skinned 800 by 600 window (the main frame with its centre, then
// the rich-edit and user-list borders of a chat window) painted from g_Skin into a memory
// context, and the same window repainted from its composed background as the skinned windows
// keep it (composed once, then one copy per paint), each against one plain BitBlt of the same
// area, in the same rounds. Prints the times and the ratios as the 10th percentile and the
// median of the rounds; it asserts nothing.

#include "../common/BenchClock.h"

#include <ComposedBackground.h>
#include <MemDC.h>
#include <Skin.h>

#include <afxwin.h>

#include <cstdio>
#include <vector>

namespace {

const int kWidth = 800;
const int kHeight = 600;
const int kRounds = 31;
const int kPaintsPerRound = 20;
const double kPaintGoal = 3.0;
const double kComposedGoal = 1.2;

// One skinned window: the frame, a message view with two bars, an input box, a user list.
void PaintWindow(CDC* pDC)
{
    CSkin& skin = CSkin::Instance();
    CRect frame(0, 0, kWidth, kHeight);
    skin.Draw(pDC, frame, DT_MAIN);
    CRect view(40, 80, 560, 380);
    skin.DrawRicheditBorder(pDC, nullptr, view, CT_RICHEDIT_BARS, L"Messages");
    CRect input(40, 450, 560, 560);
    skin.DrawRicheditBorder(pDC, nullptr, input, CT_RICHEDIT, L"Input");
    CRect users(600, 80, 770, 560);
    skin.DrawUserListBorder(pDC, nullptr, users, L"Users");
}

// Milliseconds per call of paint, over kPaintsPerRound calls.
template <class Paint>
double TimeRound(Paint paint)
{
    const double start = NowMs();
    for (int i = 0; i < kPaintsPerRound; ++i)
        paint();
    return (NowMs() - start) / kPaintsPerRound;
}

} // namespace

int main()
{
    CClientDC screen(nullptr);
    CMemDC target(&screen, kWidth, kHeight);
    CMemDC source(&screen, kWidth, kHeight);
    if (target.GetSafeHdc() == nullptr || source.GetSafeHdc() == nullptr) {
        std::printf("no memory device context\n");
        return 1;
    }
    const CString strSkin = CSkin::Instance().GetCurrName();
    if (CSkin::Instance().m_main.m_bmp.GetSafeHandle() == nullptr)
        std::printf("warning: skin \"%ls\" has no main picture; the skinned paint draws little\n",
                    static_cast<LPCTSTR>(strSkin));
    PaintWindow(&source);
    auto blit = [&] { target.BitBlt(0, 0, kWidth, kHeight, &source, 0, 0, SRCCOPY); };
    // A skinned window's repaint: compose when the size or the skin changed, then one copy.
    CComposedBackground background;
    const CSize size(kWidth, kHeight);
    auto repaint = [&] {
        CDC* pComposed = background.IsCurrent(size) ? nullptr : background.BeginCompose(&target, size);
        if (pComposed != nullptr)
            PaintWindow(pComposed);
        background.CopyTo(&target);
    };
    std::vector<double> skinned, composed, plain;
    for (int round = 0; round < kRounds; ++round) {
        skinned.push_back(TimeRound([&] { PaintWindow(&target); }));
        composed.push_back(TimeRound(repaint));
        plain.push_back(TimeRound(blit));
    }
    std::printf("skin paint: skin \"%ls\", %d by %d window, %d rounds of %d paints\n", static_cast<LPCTSTR>(strSkin),
                kWidth, kHeight, kRounds, kPaintsPerRound);
    PrintTimes("skinned paint (frame, centre, three borders)", skinned);
    PrintTimes("plain BitBlt of the same area", plain);
    PrintTimes("repaint from the composed background", composed);
    PrintRatio("ratio skinned paint / BitBlt", RatiosOf(skinned, plain), kPaintGoal);
    PrintRatio("ratio composed-window repaint / BitBlt", RatiosOf(composed, plain), kComposedGoal);
    return 0;
}
