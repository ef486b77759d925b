#include "BitmapFile.h"

#include <cstdlib>

namespace {

const WORD kBitmapSignature = 0x4D42; // "BM"

bool FileSize(const CKernelHandle& file, ULONGLONG& size)
{
    LARGE_INTEGER value = {};
    if (!file || !GetFileSizeEx(file.Get(), &value))
        return false;
    size = static_cast<ULONGLONG>(value.QuadPart);
    return true;
}

// Reads exactly length bytes from the file's current position.
bool ReadExactly(const CKernelHandle& file, void* buffer, DWORD length)
{
    DWORD read = 0;
    return file && ReadFile(file.Get(), buffer, length, &read, nullptr) && read == length;
}

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
    const CKernelHandle file(
        CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ULONGLONG fileSize = 0;
    BITMAPFILEHEADER fileHeader = {};
    if (!FileSize(file, fileSize) || !ReadExactly(file, &fileHeader, sizeof(fileHeader)) ||
        fileHeader.bfType != kBitmapSignature)
        return false;

    DWORD headerSize = 0;
    if (!ReadExactly(file, &headerSize, sizeof(headerSize)))
        return false;
    if (headerSize == sizeof(BITMAPCOREHEADER)) {
        BITMAPCOREHEADER core = {};
        core.bcSize = headerSize;
        if (!ReadExactly(file, &core.bcWidth, sizeof(core) - sizeof(headerSize)))
            return false;
        BITMAPINFOHEADER info = {};
        info.biWidth = core.bcWidth;
        info.biHeight = core.bcHeight;
        info.biBitCount = core.bcBitCount;
        info.biCompression = BI_RGB;
        return fileHeader.bfOffBits + PixelBytes(info) <= fileSize;
    }
    BITMAPINFOHEADER info = {};
    if (headerSize < sizeof(info) || !ReadExactly(file, &info.biWidth, sizeof(info) - sizeof(headerSize)))
        return false;
    const ULONGLONG headersEnd = sizeof(fileHeader) + static_cast<ULONGLONG>(headerSize);
    return headersEnd <= fileSize && fileHeader.bfOffBits + PixelBytes(info) <= fileSize;
}
