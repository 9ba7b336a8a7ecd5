#pragma once

#include <windows.h>

#include <commctrl.h>

// An image list of `count` pictures of `width` x `height`, cut from bitmap
// `bitmapId` of the resource module without a mask. A missing bitmap leaves
// the list empty (the controls then draw no pictures); null only when the
// list itself cannot be made.
HIMAGELIST loadImageStrip(int bitmapId, int width, int height, UINT colourFlags, int count);
