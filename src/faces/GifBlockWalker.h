// CGifBlockWalker: walks the blocks of a GIF file held in memory (extensions, images, trailer)
// and cuts it into frames, each a complete GIF of its own that any GIF decoder can read. Plain
// C++ over a byte span, without Windows types, so that the animated picture control, the
// emoticon animation component and the fuzz test all share it. Every read is checked against
// the data's length: truncated or lying input ends the walk with a failure result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// What the byte at the read offset starts.
enum GIFBlockTypes {
    BLOCK_UNKNOWN = 0,
    BLOCK_APPEXT = 1,     // 0x21 0xFF application extension
    BLOCK_COMMEXT = 2,    // 0x21 0xFE comment extension
    BLOCK_CONTROLEXT = 3, // 0x21 0xF9 graphic control extension
    BLOCK_PLAINTEXT = 4,  // 0x21 0x01 plain text extension
    BLOCK_IMAGE = 5,      // 0x2C image descriptor and data
    BLOCK_TRAILER = 6     // 0x3B
};

// Timing and placement of one frame.
struct GifFrameInfo {
    // Hundredths of a second from the frame's graphic control extension; all bits set when
    // the frame has none.
    uint32_t delay = 0;
    uint32_t disposal = 0; // disposal method 0-7 of the control extension, 0 without one
    uint32_t width = 0;    // image descriptor's size and position on the logical screen
    uint32_t height = 0;
    uint32_t left = 0;
    uint32_t top = 0;
};

class CGifBlockWalker {
public:
    static const uint32_t kNoDelay = 0xFFFFFFFFu;

    // How long a frame of the given delay shows, in milliseconds: delay x 10, but 100 ms for
    // delays below 5 hundredths (0 would spin the player) and for frames without a control
    // extension (whose delay of all bits set would stall the animation for weeks).
    static uint32_t FrameMilliseconds(uint32_t delay);

    // The walker reads data in place: the bytes must outlive it and stay unchanged.
    CGifBlockWalker(const uint8_t* data, size_t size);

    // Whether the data begins with "GIF" (the version is not examined).
    bool IsGif() const;
    // The logical screen's size (0 where the data is too short to hold it).
    uint32_t ScreenWidth() const { return Read16(6); }
    uint32_t ScreenHeight() const { return Read16(8); }
    // Length in bytes of the global colour table (0 when there is none).
    size_t GlobalColorTableLength() const { return m_globalTable; }

    // Moves the read offset back to the first block after the header and colour table.
    void ResetDataPointer();
    size_t Offset() const { return m_offset; }

    // The kind of block at the read offset.
    GIFBlockTypes GetNextBlock() const;
    // The length of the block at the read offset: -1 for an unknown block, 0 when its data
    // sub-blocks run past the end of the data.
    int64_t GetNextBlockLen() const;
    // The length of the chain of data sub-blocks at offset, terminator included (1 for a chain
    // whose first size byte is 0); 0 when the chain runs past the end of the data.
    int64_t GetSubBlocksLen(size_t offset) const;

    // Moves past the block at the read offset; false (offset unchanged) for an unknown block or
    // one that would end past the data.
    bool SkipNextBlock();
    // Moves past the next frame: application and comment extensions, then a lone image or
    // plain text block, or a graphic control extension with everything up to and including the
    // next image or plain text block. False when an unknown block or the trailer comes first.
    bool SkipNextGraphicBlock();
    // Like SkipNextGraphicBlock, and hands out the frame as a complete GIF (header, logical
    // screen, global colour table, the frame's blocks, trailer) with its timing and placement.
    bool GetNextGraphicBlock(std::vector<uint8_t>& frame, GifFrameInfo& info);

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_globalTable; // global colour table length
    size_t m_offset;      // read offset: the next block

    bool Has(size_t offset, size_t count) const { return offset <= m_size && count <= m_size - offset; }
    uint32_t Read8(size_t offset) const { return Has(offset, 1) ? m_data[offset] : 0; }
    uint32_t Read16(size_t offset) const { return Read8(offset) | (Read8(offset + 1) << 8); }
    size_t FirstBlock() const;
    // Skips application and comment extensions; false when one of them cannot be skipped.
    bool SkipExtensions();
    // Skips blocks up to and including the next image or plain text block, noting an image's
    // placement in info.
    bool SkipThroughGraphic(GifFrameInfo& info);
};
