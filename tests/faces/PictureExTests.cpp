// CPictureEx: an animated GIF steps through its frames with the delays and disposals it asks for
// (pixels of the off-screen bitmap read after each frame), GIFs of one image and other pictures
// show still, pictures load from files, resources and memory, hostile GIFs end the frame count
// where their data ends, and a thread that outlives Stop's wait keeps what it uses.
#include <PictureEx.h>
#include <VoHelpers.h>

#include "../common/GdiTestSupport.h"
#include "PictureTest.h"

#include <vector>

namespace {

// Steps the animation thread frame by frame: after each frame is drawn the thread reports the
// wait it asks for and blocks until the test steps on (or the control stops it).
struct CFrameStepper {
    CKernelHandle shown{::CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    CKernelHandle step{::CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    std::vector<DWORD> waits; // written by the thread while the test waits for "shown"
    bool bIgnoreStop = false; // a thread stuck in its wait for longer than Stop waits
    DWORD dwThreadId = 0;     // the animation thread

    static void Wait(void* pContext, HANDLE hStopEvent, DWORD dwMilliseconds)
    {
        CFrameStepper& self = *static_cast<CFrameStepper*>(pContext);
        self.waits.push_back(dwMilliseconds);
        self.dwThreadId = ::GetCurrentThreadId();
        ::SetEvent(self.shown.Get());
        const HANDLE handles[] = {self.step.Get(), hStopEvent};
        ::WaitForMultipleObjects(self.bIgnoreStop ? 1 : 2, handles, FALSE, 20000);
    }
    bool WaitShown() { return ::WaitForSingleObject(shown.Get(), 5000) == WAIT_OBJECT_0; }
    bool Next()
    {
        ::SetEvent(step.Get());
        return WaitShown();
    }
};

class CPictureProbe : public CPictureEx {
public:
    using CPictureEx::GetMemDC;
    void StepWith(CFrameStepper& stepper) { SetFrameWait(&CFrameStepper::Wait, &stepper); }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(GetMemDC(), x, y); }
};

class PictureExTest : public PictureTest {
protected:
    void SetUp() override
    {
        PictureTest::SetUp();
        ASSERT_TRUE(m_parent.CreateEx(0, L"STATIC", L"parent", WS_POPUP, CRect(0, 0, 200, 200), nullptr, 0));
        m_animation = ResourceBytes(IDR_TEST_ANIMATION_GIF);
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
        PictureTest::TearDown();
    }
    void Create(CPictureProbe& picture)
    {
        ASSERT_TRUE(picture.Create(L"", WS_CHILD | WS_VISIBLE, CRect(5, 5, 105, 105), &m_parent, 100));
    }
    // Loads bytes through a movable memory block of their size (dwSize: the length claimed).
    static int LoadBytes(CPictureEx& picture, const std::string& bytes, DWORD dwSize)
    {
        const CGlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
        {
            const CGlobalMemoryLock lock(memory.Get());
            if (lock.Data() == nullptr)
                return -1;
            memcpy(lock.Data(), bytes.data(), bytes.size());
        }
        return picture.Load(memory.Get(), dwSize);
    }

    CWnd m_parent;
    std::string m_animation;
};

// Frame by frame: what the off-screen bitmap shows when each frame has just been drawn.
void ExpectFrames(CPictureProbe& picture, CFrameStepper& stepper, COLORREF background)
{
    ASSERT_TRUE(stepper.WaitShown());
    for (const POINT& p : {POINT{0, 0}, POINT{15, 15}, POINT{8, 8}})
        EXPECT_EQ(kBlue, picture.Pixel(p.x, p.y)) << "frame 0 covers the screen";
    ASSERT_TRUE(stepper.Next());
    EXPECT_EQ(kRed, picture.Pixel(4, 4)) << "frame 1 at its offset";
    EXPECT_EQ(kRed, picture.Pixel(11, 11));
    EXPECT_EQ(kBlue, picture.Pixel(3, 3));
    EXPECT_EQ(kBlue, picture.Pixel(12, 12));
    ASSERT_TRUE(stepper.Next());
    EXPECT_EQ(kGreen, picture.Pixel(2, 2)) << "frame 2, after the comment in its bytes";
    EXPECT_EQ(background, picture.Pixel(10, 10)) << "frame 1 was restored to the background";
    EXPECT_EQ(kBlue, picture.Pixel(14, 14));
    ASSERT_TRUE(stepper.Next());
    EXPECT_EQ(kYellow, picture.Pixel(13, 13)) << "frame 3";
    EXPECT_EQ(kBlue, picture.Pixel(2, 2)) << "frame 2 was restored to what was under it";
    EXPECT_EQ(background, picture.Pixel(6, 6));
    ASSERT_TRUE(stepper.Next());
    EXPECT_EQ(kBlue, picture.Pixel(6, 6)) << "the loop starts over on the background";
    EXPECT_EQ((std::vector<DWORD>{100, 50, 1000, 100, 100}), stepper.waits)
        << "delays 2, 5, 100, none (100 ms), then 2 again";
}

} // namespace

TEST_F(PictureExTest, AnimationStepsThroughDelaysDisposalsAndOffsets)
{
    for (const bool bRecolour : {false, true}) {
        SCOPED_TRACE(bRecolour ? "SetBkColor after loading" : "default background");
        CFrameStepper stepper;
        CPictureProbe picture;
        Create(picture);
        picture.StepWith(stepper);
        picture.SetBkColor(kMagenta);
        EXPECT_EQ(kWhite, picture.GetBkColor()) << "nothing loaded: no effect";
        ASSERT_EQ(1, picture.Load(Path(L"animation.gif").c_str()));
        EXPECT_TRUE(picture.IsGIF());
        EXPECT_TRUE(picture.IsAnimatedGIF());
        EXPECT_EQ(4, picture.GetFrameCount());
        EXPECT_EQ(CSize(16, 16), CSize(picture.GetSize()));
        CRect window;
        picture.GetWindowRect(&window);
        EXPECT_EQ(CSize(16, 16), window.Size()) << "the control takes the picture's size";
        COLORREF background = ::GetSysColor(COLOR_BTNFACE);
        if (bRecolour) {
            picture.SetBkColor(kMagenta);
            background = kMagenta;
            EXPECT_EQ(kMagenta, picture.Pixel(9, 9)) << "the whole picture at once";
        }
        EXPECT_EQ(background, picture.GetBkColor());
        EXPECT_EQ(0, picture.Draw());
        ExpectFrames(picture, stepper, background);
        picture.UnLoad();
        EXPECT_FALSE(picture.IsGIF());
        EXPECT_EQ(nullptr, picture.GetMemDC());
        EXPECT_EQ(kWhite, picture.GetBkColor());
    }
}

TEST_F(PictureExTest, StillPicturesLoadFromFileResourceAndMemory)
{
    CPictureProbe disc;
    Create(disc);
    ASSERT_EQ(1, disc.Load(Path(L"disc.gif").c_str()));
    EXPECT_TRUE(disc.IsGIF());
    EXPECT_FALSE(disc.IsAnimatedGIF());
    EXPECT_EQ(0, disc.GetFrameCount()) << "a GIF of one image is still";
    EXPECT_EQ(1, disc.Draw());
    EXPECT_EQ(kGreen, disc.Pixel(12, 10));

    CPictureProbe bitmap;
    Create(bitmap);
    ASSERT_EQ(1, bitmap.Load(Path(L"quadrants.bmp").c_str()));
    EXPECT_FALSE(bitmap.IsGIF());
    EXPECT_EQ(CSize(20, 12), CSize(bitmap.GetSize()));
    EXPECT_EQ(1, bitmap.Draw());
    EXPECT_EQ(kRed, bitmap.Pixel(2, 2));
    EXPECT_EQ(kYellow, bitmap.Pixel(17, 9));

    CPictureProbe jpeg;
    ASSERT_EQ(1, jpeg.Load(Path(L"quadrants.jpg").c_str())) << "no window: the screen's resolution";
    EXPECT_EQ(CSize(32, 16), CSize(jpeg.GetSize()));
    EXPECT_EQ(1, jpeg.Draw());
    EXPECT_NEAR(0, GetGValue(jpeg.Pixel(28, 12)) - 255, 24) << "yellow quadrant";

    CPictureProbe resource;
    ASSERT_EQ(1, resource.Load(MAKEINTRESOURCEW(IDR_TEST_FRAMES_GIF), RT_RCDATA));
    EXPECT_EQ(3, resource.GetFrameCount());
    EXPECT_EQ(0, resource.Load(MAKEINTRESOURCEW(0x7C1F), RT_RCDATA));
    EXPECT_FALSE(resource.IsGIF());

    CPictureProbe memory;
    const std::string frames = ResourceBytes(IDR_TEST_FRAMES_GIF);
    ASSERT_EQ(1, LoadBytes(memory, frames, static_cast<DWORD>(frames.size())));
    EXPECT_EQ(3, memory.GetFrameCount());
    ASSERT_EQ(1, LoadBytes(memory, frames, 0x7FFFFFFF)) << "a length beyond the block is cut to it";
    EXPECT_EQ(3, memory.GetFrameCount());
}

TEST_F(PictureExTest, DamagedAndLyingGifsEndTheCountWhereTheirDataEnds)
{
    std::string badLocalTable = m_animation;
    badLocalTable[61] = '\x87'; // frame 0 claims a 768-byte colour table the file lacks
    std::string badSubBlock = m_animation;
    badSubBlock[98] = '\xFF'; // frame 1's first data sub-block claims 255 bytes
    std::string hugeScreen = m_animation;
    hugeScreen.replace(6, 4, "\xFF\xFF\xFF\xFF");
    const struct {
        const char* name;
        std::string bytes;
        int nFrames; // -1: not loaded
        bool bStill; // loaded as a still GIF
    } cases[] = {
        {"cut inside frame 2", m_animation.substr(0, 150), 2, false},
        {"cut inside frame 1", m_animation.substr(0, 100), 0, true},
        {"cut inside the colour table", m_animation.substr(0, 20), -1, false},
        {"signature only", "GIF", -1, false},
        {"garbage after the header", std::string("GIF89a\x10\x00\x10\x00\x00\x00\x00", 13) + std::string(40, '\x2C'),
         -1, false},
        {"lying local colour table", badLocalTable, -1, false},
        {"lying sub-block", badSubBlock, 0, true},
        {"logical screen of 65535 x 65535", hugeScreen, -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CPictureProbe picture;
        const int nResult = LoadBytes(picture, c.bytes, static_cast<DWORD>(c.bytes.size()));
        if (c.nFrames < 0) {
            EXPECT_EQ(0, nResult);
            EXPECT_FALSE(picture.IsGIF()) << "a failed load leaves the control empty";
            EXPECT_EQ(nullptr, picture.GetMemDC());
            continue;
        }
        EXPECT_EQ(c.nFrames, picture.GetFrameCount());
        EXPECT_EQ(!c.bStill, picture.IsAnimatedGIF() != FALSE);
    }
}

TEST_F(PictureExTest, ThreadOutlivingStopsWaitKeepsWhatItDrawsWith)
{
    CFrameStepper stepper;
    stepper.bIgnoreStop = true;
    CPictureProbe picture;
    Create(picture);
    picture.StepWith(stepper);
    ASSERT_EQ(1, picture.Load(Path(L"animation.gif").c_str()));
    picture.Draw();
    ASSERT_TRUE(stepper.WaitShown());
    const CKernelHandle thread(::OpenThread(SYNCHRONIZE, FALSE, stepper.dwThreadId));
    ASSERT_TRUE(thread);
    picture.UnLoad(); // gives up after 5 s: the thread still waits for its step
    EXPECT_EQ(0, picture.GetFrameCount());
    EXPECT_EQ(nullptr, picture.GetMemDC());
    ASSERT_EQ(1, picture.Load(Path(L"frames.gif").c_str())) << "a new load does not wait for the old thread";
    EXPECT_EQ(3, picture.GetFrameCount());
    // The old thread disposes of its frame into its own bitmap, sees the stop and frees what it
    // held; a debug build would end the process on a handle it still owned.
    ::SetEvent(stepper.step.Get());
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(thread.Get(), 5000));
}

TEST_F(PictureExTest, ShippedEmoticonsLoadAndAllButOneAnimate)
{
    CString exe;
    GetExePath(exe);
    for (int number = 1; number <= 49; ++number) {
        CString path;
        path.Format(L"%s\\images\\%03d.gif", static_cast<LPCTSTR>(exe), number);
        SCOPED_TRACE(testing::Message() << static_cast<LPCTSTR>(path));
        CPictureProbe picture;
        ASSERT_EQ(1, picture.Load(path));
        EXPECT_EQ(CSize(24, 24), CSize(picture.GetSize()));
        EXPECT_EQ(number != 22, picture.IsAnimatedGIF() != FALSE) << "022 is the one still picture";
    }
}
