// Benchmark of skin painting: a skinned 800 by 600 window frame (the main frame with its centre,
// then the rich-edit and user-list borders of a chat window) painted from g_Skin into a memory
// context, against one plain BitBlt of the same area. Prints the median times of one run and
// their ratio; it asserts nothing.

#include "../common/BenchClock.h"

#include <MemDC.h>
#include <Skin.h>

#include <afxwin.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const int kWidth = 800;
const int kHeight = 600;
const int kRounds = 15;
const int kPaintsPerRound = 20;

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

// Median milliseconds of kPaintsPerRound calls of paint.
template <class Paint>
double Measure(Paint paint)
{
    std::vector<double> rounds;
    for (int round = 0; round < kRounds; ++round) {
        const double start = NowMs();
        for (int i = 0; i < kPaintsPerRound; ++i)
            paint();
        rounds.push_back((NowMs() - start) / kPaintsPerRound);
    }
    return Median(rounds);
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
    const double skinned = Measure([&] { PaintWindow(&target); });
    const double plain = Measure([&] { target.BitBlt(0, 0, kWidth, kHeight, &source, 0, 0, SRCCOPY); });
    std::printf("skin \"%ls\", %d by %d window\n", static_cast<LPCTSTR>(strSkin), kWidth, kHeight);
    std::printf("skinned paint (frame, centre, three borders): %.3f ms\n", skinned);
    std::printf("plain BitBlt of the same area:                %.3f ms\n", plain);
    std::printf("ratio skinned / BitBlt: %.1f\n", plain > 0 ? skinned / plain : 0.0);
    return 0;
}
