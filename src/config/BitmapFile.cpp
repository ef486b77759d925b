#include "BitmapFile.h"

#include <cstdlib>

namespace {

const WORD kBitmapSignature = 0x4D42; // "BM"

// Owns a file handle opened for reading.
class ReadOnlyFile
{
public:
    explicit ReadOnlyFile(LPCTSTR path)
        : m_handle(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                               nullptr))
    {
    }
    ~ReadOnlyFile()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool Size(ULONGLONG& size) const
    {
        LARGE_INTEGER value = {};
        if (m_handle == INVALID_HANDLE_VALUE || !GetFileSizeEx(m_handle, &value))
            return false;
        size = static_cast<ULONGLONG>(value.QuadPart);
        return true;
    }
    bool Read(void* buffer, DWORD length) const
    {
        DWORD read = 0;
        return m_handle != INVALID_HANDLE_VALUE && ReadFile(m_handle, buffer, length, &read, nullptr) &&
               read == length;
    }

private:
    HANDLE m_handle;
};

// Bytes of pixel data the headers promise: rows padded to 4 bytes for uncompressed pictures,
// the recorded image size for compressed ones.
ULONGLONG PixelBytes(const BITMAPINFOHEADER& info)
{
    const bool uncompressed = info.biCompression == BI_RGB || info.biCompression == BI_BITFIELDS;
    if (!uncompressed)
        return info.biSizeImage;
    const ULONGLONG rowBytes = ((static_cast<ULONGLONG>(std::llabs(info.biWidth)) * info.biBitCount + 31) / 32) * 4;
    return rowBytes * static_cast<ULONGLONG>(std::llabs(info.biHeight));
}

} // namespace

bool IsWholeBitmapFile(LPCTSTR path)
{
    const ReadOnlyFile file(path);
    ULONGLONG fileSize = 0;
    BITMAPFILEHEADER fileHeader = {};
    if (!file.Size(fileSize) || !file.Read(&fileHeader, sizeof(fileHeader)) || fileHeader.bfType != kBitmapSignature)
        return false;

    DWORD headerSize = 0;
    if (!file.Read(&headerSize, sizeof(headerSize)))
        return false;
    if (headerSize == sizeof(BITMAPCOREHEADER)) {
        BITMAPCOREHEADER core = {};
        core.bcSize = headerSize;
        if (!file.Read(&core.bcWidth, sizeof(core) - sizeof(headerSize)))
            return false;
        BITMAPINFOHEADER info = {};
        info.biWidth = core.bcWidth;
        info.biHeight = core.bcHeight;
        info.biBitCount = core.bcBitCount;
        info.biCompression = BI_RGB;
        return fileHeader.bfOffBits + PixelBytes(info) <= fileSize;
    }
    BITMAPINFOHEADER info = {};
    if (headerSize < sizeof(info) || !file.Read(&info.biWidth, sizeof(info) - sizeof(headerSize)))
        return false;
    const ULONGLONG headersEnd = sizeof(fileHeader) + static_cast<ULONGLONG>(headerSize);
    return headersEnd <= fileSize && fileHeader.bfOffBits + PixelBytes(info) <= fileSize;
}
