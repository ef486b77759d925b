// Picture files of known pixels written at test time: 24-bit bitmap files and one-image icon
// files, as the bytes a file holds.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

template <typename T>
void AppendBytes(std::string& bytes, const T& value)
{
    bytes.append(reinterpret_cast<const char*>(&value), sizeof(value));
}

// A 24-bit BMP file of width by height pixels coloured by pixel(x, y).
inline std::string MakeBmpFile(int width, int height, const std::function<COLORREF(int, int)>& pixel)
{
    const int stride = (width * 3 + 3) & ~3;
    const BITMAPINFOHEADER info = {sizeof(BITMAPINFOHEADER),           width, height, 1, 24, BI_RGB,
                                   static_cast<DWORD>(stride * height)};
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::string bytes;
    AppendBytes(bytes, file);
    AppendBytes(bytes, info);
    for (int row = height - 1; row >= 0; --row) {
        for (int x = 0; x < width; ++x) {
            const COLORREF colour = pixel(x, row);
            bytes += {static_cast<char>(GetBValue(colour)), static_cast<char>(GetGValue(colour)),
                      static_cast<char>(GetRValue(colour))};
        }
        bytes.append(static_cast<size_t>(stride - width * 3), '\0');
    }
    return bytes;
}

// An ICO file with one opaque 32-bit image of size by size pixels (size below 256) in one colour.
inline std::string MakeIcoFile(int size, COLORREF colour)
{
    const DWORD pixelBytes = static_cast<DWORD>(size * size * 4);
    const DWORD maskBytes = static_cast<DWORD>((size + 31) / 32 * 4 * size);
    const BITMAPINFOHEADER info = {sizeof(BITMAPINFOHEADER), size, size * 2, 1, 32, BI_RGB, pixelBytes + maskBytes};
    const WORD directory[] = {0, 1, 1}; // reserved, icon, one image
    const BYTE entry[] = {static_cast<BYTE>(size), static_cast<BYTE>(size), 0, 0, 1, 0, 32, 0};
    const DWORD place[] = {static_cast<DWORD>(sizeof(info)) + pixelBytes + maskBytes, 22}; // size, offset
    std::string bytes;
    AppendBytes(bytes, directory);
    AppendBytes(bytes, entry);
    AppendBytes(bytes, place);
    AppendBytes(bytes, info);
    const RGBQUAD pixel = {GetBValue(colour), GetGValue(colour), GetRValue(colour), 0xFF};
    for (int i = 0; i < size * size; ++i)
        AppendBytes(bytes, pixel);
    bytes.append(maskBytes, '\0');
    return bytes;
}
