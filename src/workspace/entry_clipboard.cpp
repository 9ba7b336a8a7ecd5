#include "workspace/entry_clipboard.h"

bool isClipboardFilled(const EntryClipboard& clipboard, View view) {
    switch (view) {
    case View::oneTouch:
        return clipboard.oneTouchSource != -1;
    case View::speedDial:
        return clipboard.speedDialSource != -1;
    case View::group:
        return clipboard.groupSource != -1;
    case View::none:
        return false;
    }
    return false;
}

void fillClipboard(EntryClipboard& clipboard, View view, const DialEntry& entry, int32_t source) {
    clipboard.oneTouchSource = -1;
    clipboard.speedDialSource = -1;
    clipboard.groupSource = -1;
    switch (view) {
    case View::oneTouch:
        clipboard.oneTouchEntry = entry;
        clipboard.oneTouchSource = source;
        break;
    case View::speedDial:
        clipboard.speedDialEntry = entry;
        clipboard.speedDialSource = source;
        break;
    case View::group:
        clipboard.groupEntry = entry;
        clipboard.groupSource = source;
        break;
    case View::none:
        break;
    }
}

const DialEntry& clipboardEntry(const EntryClipboard& clipboard, View view) {
    switch (view) {
    case View::speedDial:
        return clipboard.speedDialEntry;
    case View::group:
        return clipboard.groupEntry;
    default:
        return clipboard.oneTouchEntry;
    }
}
