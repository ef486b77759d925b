// Helpers of the configuration and branding tests: a temporary folder tree that removes itself,
// a scoped current directory, settings files written as the client's tools write them (UTF-16
// with a byte-order mark), and small bitmap and icon files made from known pixels.
#pragma once

#include <afxwin.h>

#include <functional>
#include <string>
#include <vector>

namespace configtest {

// A fresh, empty folder below the system's temporary folder, deleted with all its contents
// when the object goes.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    // Path of relative below the folder (relative uses backslashes, no leading one).
    std::wstring operator/(const std::wstring& relative) const { return m_path + L"\\" + relative; }

private:
    std::wstring m_path;
};

// Makes folder the process's current directory for the lifetime of the object.
class ScopedCurrentDirectory
{
public:
    explicit ScopedCurrentDirectory(const std::wstring& folder);
    ~ScopedCurrentDirectory();
    ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
    ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

    bool Changed() const { return m_changed; }

private:
    std::wstring m_previous;
    bool m_changed;
};

// Creates every missing folder of path (a folder path, not a file).
bool CreateFolders(const std::wstring& path);

// Writes text as UTF-16 LE with a byte-order mark, creating the file's folders.
bool WriteTextFile(const std::wstring& path, const std::wstring& text);
// Writes bytes as they are, creating the file's folders.
bool WriteBinaryFile(const std::wstring& path, const std::vector<unsigned char>& bytes);

using PixelFunction = std::function<COLORREF(int x, int y)>;

// A 24-bit BMP file of width by height pixels coloured by pixel.
std::vector<unsigned char> MakeBmpFile(int width, int height, const PixelFunction& pixel);
// An ICO file with one 32-bit image of size by size pixels in one colour.
std::vector<unsigned char> MakeIcoFile(int size, COLORREF colour);

// The program's own folder (the installation folder of the tests).
std::wstring ProgramFolder();

// Width and height of an icon's colour picture; (0, 0) when the handle is no icon.
SIZE IconSize(HICON icon);

// Pixels of a 24-bit colour picture painted by paint, read back as COLORREF values.
class PixelCanvas
{
public:
    PixelCanvas(int width, int height, COLORREF background);
    ~PixelCanvas();
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    CDC* Dc() { return &m_dc; }
    COLORREF Pixel(int x, int y) { return m_dc.GetPixel(x, y); }

private:
    CDC m_dc;
    CBitmap m_bitmap;
    HGDIOBJ m_previous;
};

// The colour of one pixel of a bitmap (drawn into a memory context).
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y);

// How many more GDI objects the process can create. The platform here does not count a
// process's objects (GetGuiResources answers 0) but its handle table is finite: tiny bitmaps
// are made until that fails, then deleted. Two counts show what was kept in between.
int CountFreeGdiHandles();

} // namespace configtest
