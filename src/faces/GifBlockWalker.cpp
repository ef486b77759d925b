// CGifBlockWalker: bounded walk over the blocks of a GIF file.

#include "GifBlockWalker.h"

namespace {

const size_t kHeaderLength = 13;          // signature, version, logical screen descriptor
const size_t kAppExtHeader = 14;          // introducer, label, block size 11, 11 bytes
const size_t kCommentHeader = 2;          // introducer, label
const size_t kControlExtLength = 8;       // introducer, label, size 4, 4 bytes, terminator
const size_t kPlainTextHeader = 15;       // introducer, label, block size 12, 12 bytes
const size_t kImageDescriptorLength = 10; // separator, left, top, width, height, packed
const uint8_t kTrailer = 0x3B;
const uint32_t kShortestDelay = 5;
const uint32_t kShortDelayMilliseconds = 100;

// Length of the colour table a packed byte announces.
size_t ColorTableLength(uint32_t packed)
{
    return (packed & 0x80) ? 3u << ((packed & 7) + 1) : 0;
}

} // namespace

CGifBlockWalker::CGifBlockWalker(const uint8_t* data, size_t size)
    : m_data(data), m_size(data ? size : 0), m_globalTable(0), m_offset(0)
{
    if (IsGif())
        m_globalTable = ColorTableLength(Read8(10));
    ResetDataPointer();
}

uint32_t CGifBlockWalker::FrameMilliseconds(uint32_t delay)
{
    if (delay < kShortestDelay || delay > 0xFFFF)
        return kShortDelayMilliseconds;
    return delay * 10;
}

bool CGifBlockWalker::IsGif() const
{
    return Has(0, 3) && m_data[0] == 'G' && m_data[1] == 'I' && m_data[2] == 'F';
}

size_t CGifBlockWalker::FirstBlock() const
{
    return kHeaderLength + m_globalTable;
}

void CGifBlockWalker::ResetDataPointer()
{
    m_offset = FirstBlock();
}

GIFBlockTypes CGifBlockWalker::GetNextBlock() const
{
    if (!Has(m_offset, 1))
        return BLOCK_UNKNOWN;
    switch (m_data[m_offset]) {
    case 0x2C:
        return BLOCK_IMAGE;
    case kTrailer:
        return BLOCK_TRAILER;
    case 0x21:
        break;
    default:
        return BLOCK_UNKNOWN;
    }
    if (!Has(m_offset + 1, 1))
        return BLOCK_UNKNOWN;
    switch (m_data[m_offset + 1]) {
    case 0xFF:
        return BLOCK_APPEXT;
    case 0xFE:
        return BLOCK_COMMEXT;
    case 0xF9:
        return BLOCK_CONTROLEXT;
    case 0x01:
        return BLOCK_PLAINTEXT;
    default:
        return BLOCK_UNKNOWN;
    }
}

int64_t CGifBlockWalker::GetSubBlocksLen(size_t offset) const
{
    size_t length = 0;
    // Every step moves forward by at least one byte, so the walk ends within the data.
    while (Has(offset, length + 1)) {
        const size_t blockSize = m_data[offset + length];
        length += blockSize + 1;
        if (blockSize == 0)
            return static_cast<int64_t>(length);
    }
    return 0;
}

int64_t CGifBlockWalker::GetNextBlockLen() const
{
    // A block whose fixed part or sub-block chain does not fit gives 0.
    const auto withChain = [this](size_t header) -> int64_t {
        if (!Has(m_offset, header))
            return 0;
        const int64_t chain = GetSubBlocksLen(m_offset + header);
        return chain <= 0 ? 0 : static_cast<int64_t>(header) + chain;
    };
    switch (GetNextBlock()) {
    case BLOCK_APPEXT:
        return withChain(kAppExtHeader);
    case BLOCK_COMMEXT:
        return withChain(kCommentHeader);
    case BLOCK_CONTROLEXT:
        return kControlExtLength;
    case BLOCK_PLAINTEXT:
        return withChain(kPlainTextHeader);
    case BLOCK_IMAGE:
        if (!Has(m_offset, kImageDescriptorLength))
            return 0;
        // The descriptor, a local colour table, the LZW minimum code size, then the data.
        return withChain(kImageDescriptorLength + ColorTableLength(m_data[m_offset + 9]) + 1);
    case BLOCK_TRAILER:
        return 1;
    default:
        return -1;
    }
}

bool CGifBlockWalker::SkipNextBlock()
{
    if (m_data == nullptr)
        return false;
    const int64_t length = GetNextBlockLen();
    if (length < 1 || !Has(m_offset, static_cast<size_t>(length)))
        return false;
    m_offset += static_cast<size_t>(length);
    return true;
}

bool CGifBlockWalker::SkipExtensions()
{
    for (;;) {
        const GIFBlockTypes type = GetNextBlock();
        if (type != BLOCK_APPEXT && type != BLOCK_COMMEXT)
            return true;
        if (!SkipNextBlock())
            return false;
    }
}

bool CGifBlockWalker::SkipThroughGraphic(GifFrameInfo& info)
{
    for (;;) {
        const GIFBlockTypes type = GetNextBlock();
        if (type == BLOCK_UNKNOWN || type == BLOCK_TRAILER)
            return false;
        if (type == BLOCK_IMAGE && Has(m_offset, kImageDescriptorLength)) {
            info.left = Read16(m_offset + 1);
            info.top = Read16(m_offset + 3);
            info.width = Read16(m_offset + 5);
            info.height = Read16(m_offset + 7);
        }
        if (!SkipNextBlock())
            return false;
        if (type == BLOCK_IMAGE || type == BLOCK_PLAINTEXT)
            return true;
    }
}

bool CGifBlockWalker::SkipNextGraphicBlock()
{
    GifFrameInfo ignored;
    if (m_data == nullptr || !SkipExtensions())
        return false;
    const GIFBlockTypes type = GetNextBlock();
    if (type == BLOCK_UNKNOWN || type == BLOCK_TRAILER)
        return false;
    if (type == BLOCK_CONTROLEXT && !SkipNextBlock())
        return false;
    return SkipThroughGraphic(ignored);
}

bool CGifBlockWalker::GetNextGraphicBlock(std::vector<uint8_t>& frame, GifFrameInfo& info)
{
    info = GifFrameInfo();
    if (m_data == nullptr || !SkipExtensions())
        return false;
    const GIFBlockTypes type = GetNextBlock();
    if (type == BLOCK_UNKNOWN || type == BLOCK_TRAILER)
        return false;
    const size_t start = m_offset;
    info.delay = kNoDelay;
    if (type == BLOCK_CONTROLEXT) {
        info.delay = Read16(m_offset + 4);
        info.disposal = (Read8(m_offset + 3) >> 2) & 7;
        if (!SkipNextBlock())
            return false;
    }
    if (!SkipThroughGraphic(info))
        return false;
    // The header precedes the first block, which lies within the data, so it is whole.
    const size_t header = FirstBlock();
    frame.clear();
    frame.reserve(header + (m_offset - start) + 1);
    frame.insert(frame.end(), m_data, m_data + header);
    frame.insert(frame.end(), m_data + start, m_data + m_offset);
    frame.push_back(kTrailer);
    return true;
}
