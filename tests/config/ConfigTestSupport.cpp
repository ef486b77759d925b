#include "ConfigTestSupport.h"

namespace configtest {

namespace {

void DeleteTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                DeleteTree(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

std::wstring FolderOf(const std::wstring& file)
{
    return file.substr(0, file.rfind(L'\\'));
}

void PutLittleEndian(std::vector<unsigned char>& bytes, unsigned value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// The header of a bottom-up DIB; ICO files store twice the height (colour plus mask rows).
void PutInfoHeader(std::vector<unsigned char>& bytes, int width, int height, int bitCount, unsigned imageSize)
{
    PutLittleEndian(bytes, sizeof(BITMAPINFOHEADER), 4);
    PutLittleEndian(bytes, static_cast<unsigned>(width), 4);
    PutLittleEndian(bytes, static_cast<unsigned>(height), 4);
    PutLittleEndian(bytes, 1, 2); // planes
    PutLittleEndian(bytes, static_cast<unsigned>(bitCount), 2);
    PutLittleEndian(bytes, BI_RGB, 4);
    PutLittleEndian(bytes, imageSize, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, 0, 4);
}

} // namespace

TempFolder::TempFolder()
{
    static int counter = 0;
    wchar_t base[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, base);
    m_path = base + std::wstring(L"vo_config_test_") + std::to_wstring(GetCurrentProcessId()) + L"_" +
             std::to_wstring(++counter);
    DeleteTree(m_path);
    CreateFolders(m_path);
}

TempFolder::~TempFolder()
{
    DeleteTree(m_path);
}

ScopedCurrentDirectory::ScopedCurrentDirectory(const std::wstring& folder) : m_changed(false)
{
    wchar_t previous[32768] = {};
    GetCurrentDirectoryW(32768, previous);
    m_previous = previous;
    m_changed = SetCurrentDirectoryW(folder.c_str()) != FALSE;
}

ScopedCurrentDirectory::~ScopedCurrentDirectory()
{
    SetCurrentDirectoryW(m_previous.c_str());
}

bool CreateFolders(const std::wstring& path)
{
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    const size_t slash = path.rfind(L'\\');
    if (slash != std::wstring::npos && slash > 2 && !CreateFolders(path.substr(0, slash)))
        return false;
    return CreateDirectoryW(path.c_str(), nullptr) != FALSE;
}

bool WriteBinaryFile(const std::wstring& path, const std::vector<unsigned char>& bytes)
{
    if (!CreateFolders(FolderOf(path)))
        return false;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

bool WriteTextFile(const std::wstring& path, const std::wstring& text)
{
    std::vector<unsigned char> bytes = {0xFF, 0xFE};
    for (wchar_t ch : text)
        PutLittleEndian(bytes, ch, 2);
    return WriteBinaryFile(path, bytes);
}

std::vector<unsigned char> MakeBmpFile(int width, int height, const PixelFunction& pixel)
{
    const int stride = (width * 3 + 3) & ~3;
    const unsigned imageSize = static_cast<unsigned>(stride * height);
    const unsigned offset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    std::vector<unsigned char> bytes;
    PutLittleEndian(bytes, 'B' | ('M' << 8), 2);
    PutLittleEndian(bytes, offset + imageSize, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, offset, 4);
    PutInfoHeader(bytes, width, height, 24, imageSize);
    for (int row = height - 1; row >= 0; --row) {
        for (int x = 0; x < width; ++x) {
            const COLORREF colour = pixel(x, row);
            bytes.push_back(GetBValue(colour));
            bytes.push_back(GetGValue(colour));
            bytes.push_back(GetRValue(colour));
        }
        bytes.resize(bytes.size() + static_cast<size_t>(stride - width * 3), 0);
    }
    return bytes;
}

std::vector<unsigned char> MakeIcoFile(int size, COLORREF colour)
{
    const unsigned colourBytes = static_cast<unsigned>(size * size * 4);
    const unsigned maskStride = static_cast<unsigned>(((size + 31) / 32) * 4);
    const unsigned maskBytes = maskStride * static_cast<unsigned>(size);
    const unsigned imageSize = sizeof(BITMAPINFOHEADER) + colourBytes + maskBytes;
    std::vector<unsigned char> bytes;
    PutLittleEndian(bytes, 0, 2); // reserved
    PutLittleEndian(bytes, 1, 2); // icon
    PutLittleEndian(bytes, 1, 2); // one image
    bytes.push_back(static_cast<unsigned char>(size >= 256 ? 0 : size));
    bytes.push_back(static_cast<unsigned char>(size >= 256 ? 0 : size));
    bytes.push_back(0); // colour count
    bytes.push_back(0);
    PutLittleEndian(bytes, 1, 2);  // planes
    PutLittleEndian(bytes, 32, 2); // bits per pixel
    PutLittleEndian(bytes, imageSize, 4);
    PutLittleEndian(bytes, 6 + 16, 4); // offset of the image
    PutInfoHeader(bytes, size, size * 2, 32, colourBytes + maskBytes);
    for (int i = 0; i < size * size; ++i) {
        bytes.push_back(GetBValue(colour));
        bytes.push_back(GetGValue(colour));
        bytes.push_back(GetRValue(colour));
        bytes.push_back(0xFF);
    }
    bytes.resize(bytes.size() + maskBytes, 0); // every pixel opaque
    return bytes;
}

std::wstring ProgramFolder()
{
    std::vector<wchar_t> name(32768);
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    return FolderOf(std::wstring(name.data(), length));
}

SIZE IconSize(HICON icon)
{
    SIZE size = {0, 0};
    ICONINFO info = {};
    if (icon == nullptr || !GetIconInfo(icon, &info))
        return size;
    BITMAP colour = {};
    if (info.hbmColor != nullptr && GetObjectW(info.hbmColor, sizeof(colour), &colour) == sizeof(colour)) {
        size.cx = colour.bmWidth;
        size.cy = colour.bmHeight;
    }
    if (info.hbmColor != nullptr)
        DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr)
        DeleteObject(info.hbmMask);
    return size;
}

PixelCanvas::PixelCanvas(int width, int height, COLORREF background) : m_previous(nullptr)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap.Attach(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_dc.CreateCompatibleDC(nullptr);
    m_previous = ::SelectObject(m_dc, m_bitmap);
    m_dc.FillSolidRect(0, 0, width, height, background);
}

PixelCanvas::~PixelCanvas()
{
    if (m_previous != nullptr)
        ::SelectObject(m_dc, m_previous);
}

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = ::SelectObject(dc, bitmap);
    const COLORREF colour = dc.GetPixel(x, y);
    ::SelectObject(dc, previous);
    return colour;
}

int CountFreeGdiHandles()
{
    const size_t kLimit = 200000;
    std::vector<HBITMAP> probes;
    while (probes.size() < kLimit) {
        const HBITMAP probe = CreateBitmap(1, 1, 1, 1, nullptr);
        if (probe == nullptr)
            break;
        probes.push_back(probe);
    }
    for (HBITMAP probe : probes)
        DeleteObject(probe);
    return static_cast<int>(probes.size());
}

} // namespace configtest
