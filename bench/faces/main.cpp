// Benchmark of the emoticon animation component: 50 emoticons (the catalogue's pictures, the
// first one twice) embedded in a rich-edit control of a visible window play for 10 rounds of a
// second; then the window is hidden for 10 more. Each round's process CPU time per second of
// wall time is measured; an idle round of the same window without emoticons is the baseline.
// Prints the 10th percentile and median of the rounds, their ratio to the baseline, and the
// GDI objects the process holds more after the emoticons are gone than before. CPU time spent
// by the X server and the wineserver on the process's behalf is not counted.

#include <initguid.h>

#include "../../tests/common/FaceEmbedding.h"
#include "../../tests/common/GdiTestSupport.h"
#include "../../tests/common/MessagePump.h"
#include "../common/BenchClock.h"

#include <VoHelpers.h>

#include <cstdio>
#include <vector>

namespace {

const int kEmoticons = 50;
const int kRounds = 10;
const int kBaselineRounds = 5;
const DWORD kRoundMs = 1000;
const DWORD kSettleMs = 500;

_COM_SMARTPTR_TYPEDEF(IFaceAnimator, IID_IFaceAnimator);
_COM_SMARTPTR_TYPEDEF(IRichEditOle, IID_IRichEditOle);

double ProcessCpuMs()
{
    FILETIME created, exited, kernel, user;
    ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ms = [](const FILETIME& time) {
        return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 1e4;
    };
    return ms(kernel) + ms(user);
}

// Percent of one core used in each of nRounds rounds of running the message loop.
std::vector<double> CpuRounds(int nRounds)
{
    std::vector<double> rounds;
    for (int i = 0; i < nRounds; ++i) {
        const double cpu = ProcessCpuMs(), wall = NowMs();
        testpump::PumpUntil([] { return false; }, kRoundMs);
        rounds.push_back(100.0 * (ProcessCpuMs() - cpu) / (NowMs() - wall));
    }
    return rounds;
}

void Report(const char* pszName, const std::vector<double>& rounds, double baseline)
{
    const double median = Median(rounds);
    std::printf("%-28s p10 %6.2f%%  median %6.2f%%", pszName, Percentile(rounds, 0.1), median);
    if (baseline > 0)
        std::printf("  (median / idle baseline: %.2f)\n", median / baseline);
    else
        std::printf("  (the idle baseline measured 0: no ratio)\n");
}

bool EmbedEmoticons(HWND hEdit, IRichEditOle* pRichEdit, std::vector<IFaceAnimatorPtr>& animators)
{
    CString strExe;
    GetExePath(strExe);
    for (int i = 0; i < kEmoticons; ++i) {
        CString strPath;
        strPath.Format(L"%s\\images\\%03d.gif", static_cast<LPCTSTR>(strExe), i % 49 + 1);
        IFaceAnimatorPtr animator;
        if (FAILED(animator.CreateInstance(CLSID_FaceAnimator, nullptr, CLSCTX_ALL)) ||
            FAILED(animator->LoadFromFile(_bstr_t(static_cast<LPCTSTR>(strPath)))) ||
            FAILED(EmbedFace(hEdit, pRichEdit, animator, i)))
            return false;
        ::SendMessageW(hEdit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(i % 10 == 9 ? L"\r\n" : L" "));
        animators.push_back(animator);
    }
    return true;
}

} // namespace

int main()
{
    if (FAILED(::OleInitialize(nullptr)) || ::LoadLibraryW(L"riched20.dll") == nullptr)
        return 1;
    const HWND hTop = ::CreateWindowExW(0, L"STATIC", L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 640, 480,
                                        nullptr, nullptr, nullptr, nullptr);
    const HWND hEdit = ::CreateWindowExW(0, RICHEDIT_CLASSW, L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 620, 440,
                                         hTop, nullptr, nullptr, nullptr);
    IRichEditOle* pRaw = nullptr;
    ::SendMessageW(hEdit, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&pRaw));
    if (pRaw == nullptr) {
        std::printf("no rich-edit control\n");
        return 1;
    }
    IRichEditOlePtr richEdit(pRaw, false);
    testpump::PumpUntil([] { return false; }, kSettleMs);
    const double baseline = Median(CpuRounds(kBaselineRounds));
    const int nHandlesBefore = CountAvailableGdiHandles();

    std::vector<IFaceAnimatorPtr> animators;
    if (!EmbedEmoticons(hEdit, richEdit, animators)) {
        std::printf("the emoticon animation component is not registered or a picture is missing\n");
        return 1;
    }
    testpump::PumpUntil([] { return false; }, kSettleMs);
    const std::vector<double> visible = CpuRounds(kRounds);
    ::ShowWindow(hTop, SW_HIDE);
    testpump::PumpUntil([] { return false; }, kSettleMs);
    const std::vector<double> hidden = CpuRounds(kRounds);

    animators.clear();
    richEdit = nullptr;
    ::DestroyWindow(hTop);
    testpump::PumpUntil([] { return false; }, kSettleMs);
    const int nKept = nHandlesBefore - CountAvailableGdiHandles();

    std::printf("%d emoticons, %d rounds of %lu ms, process CPU time per wall time (one core = 100%%)\n", kEmoticons,
                kRounds, static_cast<unsigned long>(kRoundMs));
    std::printf("%-28s median %6.2f%%\n", "idle window (baseline)", baseline);
    Report("visible, playing", visible, baseline);
    Report("hidden", hidden, baseline);
    std::printf("GDI objects kept after the emoticons are gone: %d\n", nKept);
    ::OleUninitialize();
    return 0;
}
