#include "harness/screenshot.h"

#include "harness/main_window_fixture.h"
#include "harness/program_files.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace harness {
namespace {

constexpr WORD kBitmapFileType = 0x4D42; // "BM"
constexpr WORD kBitsPerPixel = 24;

bool writeBitmapFile(const std::wstring& path, const BITMAPINFOHEADER& header,
                     const std::vector<uint8_t>& pixels) {
    BITMAPFILEHEADER file = {};
    file.bfType = kBitmapFileType;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(reinterpret_cast<const char*>(pixels.data()),
              static_cast<std::streamsize>(pixels.size()));
    return out.good();
}

} // namespace

std::wstring outputFolder() {
    std::wstring folder = programFolder() + L"\\..\\out";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

std::wstring saveScreenshot(HWND window, std::wstring_view name) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pumpMessages();
    RECT bounds;
    if (!GetWindowRect(window, &bounds))
        return {};
    int width = bounds.right - bounds.left;
    int height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0)
        return {};

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, bounds.left, bounds.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = kBitsPerPixel;
    header.biCompression = BI_RGB;
    size_t rowBytes = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    std::vector<uint8_t> pixels(rowBytes * static_cast<size_t>(height));
    int rows = GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                         reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (rows != height)
        return {};

    std::wstring folder = outputFolder() + L"\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring path = folder + L"\\" + std::wstring(name) + L".bmp";
    return writeBitmapFile(path, header, pixels) ? path : std::wstring{};
}

} // namespace harness
