#include "resource_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

struct LoadedBitmap {
    int width;
    int height;
    int bitsPerPixel;
    RGBQUAD topLeft;
};

// Loads a bitmap as a DIB section so its stored depth and size can be read
// back unchanged by the display.
LoadedBitmap loadBitmap(int id) {
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    LoadedBitmap result{};
    if (bitmap == nullptr)
        return result;
    DIBSECTION section{};
    GetObjectW(bitmap, sizeof(section), &section);
    result.width = section.dsBmih.biWidth;
    result.height = section.dsBmih.biHeight;
    result.bitsPerPixel = section.dsBmih.biBitCount;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    COLORREF pixel = GetPixel(dc, 0, 0);
    result.topLeft = {GetBValue(pixel), GetGValue(pixel), GetRValue(pixel), 0};
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return result;
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
struct IconGroupHeader {
    WORD reserved;
    WORD type;
    WORD count;
    IconGroupEntry entries[1];
};
#pragma pack(pop)

} // namespace

TEST(PictureResources, TreeImagesAreFourteen16By18ImagesIn16Colours) {
    LoadedBitmap tree = loadBitmap(IDB_TREE_IMAGES);
    EXPECT_EQ(tree.width, 14 * 16);
    EXPECT_EQ(tree.height, 18);
    EXPECT_EQ(tree.bitsPerPixel, 4);
}

TEST(PictureResources, ToolbarStripsHoldSeven55PixelButtonsOnTheSilverKey) {
    LoadedBitmap normal = loadBitmap(IDB_TOOLBAR);
    LoadedBitmap disabled = loadBitmap(IDB_TOOLBAR_DISABLED);
    EXPECT_EQ(normal.width, 7 * 55);
    EXPECT_EQ(normal.height, 55);
    EXPECT_EQ(disabled.width, 7 * 55);
    EXPECT_EQ(disabled.height, 55);
    EXPECT_EQ(disabled.bitsPerPixel, 8);
    for (const LoadedBitmap& strip : {normal, disabled}) {
        EXPECT_EQ(strip.topLeft.rgbRed, 0xC0);
        EXPECT_EQ(strip.topLeft.rgbGreen, 0xC0);
        EXPECT_EQ(strip.topLeft.rgbBlue, 0xC0);
    }
}

// Windows scales a missing size from the other one, so the group itself is
// read: it must hold a drawn 32 x 32 and a drawn 16 x 16 picture.
TEST(PictureResources, IconGroupHoldsA32And16PixelPicture) {
    HMODULE exe = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(exe, MAKEINTRESOURCEW(IDI_APP), RT_GROUP_ICON);
    ASSERT_NE(found, nullptr);
    auto* group = static_cast<const IconGroupHeader*>(LockResource(LoadResource(exe, found)));
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->count, 2);
    EXPECT_EQ(group->entries[0].width, 32);
    EXPECT_EQ(group->entries[0].height, 32);
    EXPECT_EQ(group->entries[1].width, 16);
    EXPECT_EQ(group->entries[1].height, 16);
    HICON icon = static_cast<HICON>(
        LoadImageW(exe, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    EXPECT_NE(icon, nullptr);
    DestroyIcon(icon);
}
