// CGifAnimation: a picture file decoded into the frames an emoticon shows, each a complete
// picture of the logical screen in premultiplied 32-bit BGRA (transparent where the GIF is),
// with how long it shows. A GIF is cut into frames by the shared block walker, each frame is
// decoded by the platform's imaging component (WIC), and the frames are composed with their
// offsets and disposal methods. Any other picture WIC reads becomes one still frame. Plain
// memory, no GDI objects.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

class CGifAnimation {
public:
    struct Frame {
        std::vector<uint32_t> pixels; // width x height, top-down, premultiplied BGRA
        DWORD dwMilliseconds;         // how long it shows
    };

    // Decodes the file; S_OK, or an error that leaves the animation empty. Hostile files are
    // bounded: at most 4 MB, a screen of at most 1024 x 1024, 64 M pixels of frames in all.
    HRESULT LoadFile(const wchar_t* pszPath);
    HRESULT LoadBytes(const uint8_t* pData, size_t nSize);

    bool IsEmpty() const { return m_frames.empty(); }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    size_t FrameCount() const { return m_frames.size(); }
    const Frame& GetFrame(size_t nIndex) const { return m_frames[nIndex]; }

private:
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::vector<Frame> m_frames;

    HRESULT LoadGif(const uint8_t* pData, size_t nSize);
    HRESULT LoadStill(const uint8_t* pData, size_t nSize);
};
