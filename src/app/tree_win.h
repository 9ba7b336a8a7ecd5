#pragma once

#include <windows.h>

#include <commctrl.h>

#include "workspace/view_state.h"

// The navigator on the left of the main window: the machine (root) and its
// three phone-book categories. Each item carries the view it shows in its
// item data; the root shows View::none, the machine's state.

HWND createTree(HWND mainWindow, HIMAGELIST images);

// Rebuilds the four items and enables the tree only while a document is loaded.
void fillTree(HWND mainWindow);

// Puts the machine name of the settings mirror on the root item.
void relabelTreeRoot(HWND mainWindow);

// Makes the item of `view` the selection; the selection handling then
// switches the view, also when the item is selected already but another view
// is shown.
void selectTreeItem(HWND mainWindow, View view);

// The tree's notifications, routed by the main window.
void onTreeNotify(HWND mainWindow, const NMHDR& header);

// Right-click at `screenPoint`: the machine popup on the root, a view switch
// on a category, nothing elsewhere.
void showTreePopup(HWND tree, POINT screenPoint);
