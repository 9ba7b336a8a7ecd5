#pragma once

#include <windows.h>

#include <commctrl.h>

#include "phonebook/list_rows.h"

// The navigator on the left of the main window: the machine (root) and its
// three phone-book categories.

// Tree categories; each item carries its own in the item data. A category is
// the view it shows.
enum TreeCategory {
    kTreeRoot = kViewNone,
    kTreeOneTouch = kViewOneTouch,
    kTreeSpeedDial = kViewSpeedDial,
    kTreeGroup = kViewGroup
};

HWND createTree(HWND mainWindow, HIMAGELIST images);

// Rebuilds the four items and enables the tree only while a document is loaded.
void fillTree(HWND tree);

// Puts the machine name of the settings mirror on the root item.
void relabelTreeRoot(HWND mainWindow);

// Makes the item of `category` the selection; the selection handling then
// switches the view, also when the item is selected already but another view
// is shown.
void selectTreeItem(int category);

// The tree's notifications, routed by the main window; always 0.
LRESULT onTreeNotify(HWND mainWindow, NMHDR* header);

// Right-click at `screenPoint`: the machine popup on the root, a view switch
// on a category, nothing elsewhere.
void showTreePopup(HWND tree, POINT screenPoint);
