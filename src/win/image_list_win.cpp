#include "win/image_list_win.h"

#include "win/resource_modules_win.h"

HIMAGELIST loadImageStrip(int bitmapId, int width, int height, UINT colourFlags, int count) {
    HIMAGELIST images = ImageList_Create(width, height, colourFlags, count, 0);
    if (images == nullptr)
        return nullptr;
    HBITMAP bitmap = LoadBitmapW(resourceModule(), MAKEINTRESOURCEW(bitmapId));
    if (bitmap != nullptr) {
        ImageList_Add(images, bitmap, nullptr);
        DeleteObject(bitmap);
    }
    return images;
}
