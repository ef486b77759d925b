// Benchmark of the chat view's AppendMsg: 2,000 text-only messages appended to a visible
// CTavoRichEdit against the same texts through bare EM_REPLACESEL on the same control (the
// baseline, measured in the same run), then 2,000 messages with three emoticons each. Each
// round starts from an empty control; prints the 10th percentile and the median of the
// rounds, the ratio of the medians, the time per message and the GDI objects held while the
// emoticons are shown and after the control is gone.

#include "../../tests/common/GdiTestSupport.h"
#include "../../tests/common/MessagePump.h"
#include "../common/BenchClock.h"

#include <TavoRichEdit.h>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

const int kMessages = 2000;
const int kRounds = 3;
const int kFaceRounds = 1; // a round of emoticon messages takes minutes under Wine
const wchar_t kText[] = L"A line of chat text, as people type it, with a few more words.\n";
const wchar_t kFaceText[] = L"Hello :) how are you ;) fine :( see you.\n";

class CBenchFrame : public CWnd {};

double TimeRound(CTavoRichEdit& edit, const std::function<void()>& append)
{
    edit.SetWindowText(L"");
    testpump::PumpPending();
    const double start = NowMs();
    for (int i = 0; i < kMessages; ++i)
        append();
    testpump::PumpPending(); // the posted scrolls and the paints belong to the work
    return NowMs() - start;
}

void Report(const char* pszName, const std::vector<double>& rounds)
{
    std::printf("%-36s p10 %8.1f ms  median %8.1f ms  (%.3f ms per message)\n", pszName, Percentile(rounds, 0.1),
                Median(rounds), Median(rounds) / kMessages);
}

} // namespace

int main()
{
    if (FAILED(::OleInitialize(nullptr)))
        return 1;
    CBenchFrame frame;
    if (!frame.CreateEx(0, AfxRegisterWndClass(0), L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 640, 480,
                        nullptr, nullptr))
        return 1;
    const int nHandlesBefore = CountAvailableGdiHandles();
    int nHeldWithFaces = 0;
    {
        CTavoRichEdit edit;
        if (!edit.Create(WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, CRect(0, 0, 620, 440), &frame, 1))
            return 1;
        edit.LimitText(0x7FFFFFFF); // room for every message of a round
        std::vector<double> bare, text, faces;
        for (int round = 0; round < kRounds; ++round) {
            bare.push_back(TimeRound(edit, [&] {
                edit.SetSel(-1, -1);
                edit.ReplaceSel(kText);
                edit.PostMessage(WM_VSCROLL, SB_BOTTOM, 0);
            }));
            text.push_back(TimeRound(edit, [&] { edit.AppendMsg(kText, RGB(0, 0, 128), 0, 0); }));
        }
        std::printf("%d messages per round, %d rounds\n", kMessages, kRounds);
        Report("bare EM_REPLACESEL (baseline)", bare);
        Report("AppendMsg, text only", text);
        std::printf("%-36s %.2f (goal: at most 1.3)\n", "median ratio text-only / baseline",
                    Median(text) / Median(bare));
        std::fflush(stdout); // the emoticon rounds take long: show these first
        for (int round = 0; round < kFaceRounds; ++round) {
            faces.push_back(TimeRound(edit, [&] { edit.AppendMsg(kFaceText, RGB(0, 0, 128), 0, 0); }));
            Report("AppendMsg, three emoticons each", faces);
            std::fflush(stdout);
        }
        nHeldWithFaces = nHandlesBefore - CountAvailableGdiHandles();
        std::printf("GDI objects held with %d emoticons shown: %d\n", 3 * kMessages, nHeldWithFaces);
    }
    testpump::PumpUntil([] { return false; }, 500);
    std::printf("GDI objects kept after the control is gone: %d\n", nHandlesBefore - CountAvailableGdiHandles());
    frame.DestroyWindow();
    ::OleUninitialize();
    return 0;
}
