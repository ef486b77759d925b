// libFuzzer target of the GIF block walker: any bytes are walked frame by frame, and every frame
// cut out must itself be a GIF of exactly one frame with the source's header. Sanitizers catch
// reads past the data; the checks below catch walks that disagree with themselves.

#include "GifBlockWalker.h"

#include <cstdlib>
#include <cstring>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

size_t CountFrames(CGifBlockWalker& walker)
{
    size_t count = 0;
    while (walker.SkipNextGraphicBlock())
        ++count;
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CGifBlockWalker walker(data, size);
    (void)walker.ScreenWidth();
    (void)walker.ScreenHeight();
    const size_t counted = CountFrames(walker);

    walker.ResetDataPointer();
    const size_t header = 13 + walker.GlobalColorTableLength();
    std::vector<uint8_t> frame;
    GifFrameInfo info;
    size_t extracted = 0;
    while (walker.GetNextGraphicBlock(frame, info)) {
        ++extracted;
        Check(frame.size() > header && frame.back() == 0x3B);
        Check(std::memcmp(frame.data(), data, header) == 0);
        Check(info.disposal <= 7 && (info.delay <= 0xFFFF || info.delay == CGifBlockWalker::kNoDelay));
        const uint32_t shown = CGifBlockWalker::FrameMilliseconds(info.delay);
        Check(shown >= 50 && shown <= 655350);
        CGifBlockWalker single(frame.data(), frame.size());
        Check(single.GlobalColorTableLength() == walker.GlobalColorTableLength());
        Check(CountFrames(single) == 1);
    }
    Check(extracted == counted);

    // Block by block, whatever the kinds, until one cannot be skipped: every step moves forward.
    walker.ResetDataPointer();
    for (size_t offset = walker.Offset(); walker.SkipNextBlock(); offset = walker.Offset())
        Check(walker.Offset() > offset && walker.Offset() <= size);
    return 0;
}
