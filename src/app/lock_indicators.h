#pragma once

#include <span>

// The status bar's lock-key indicators, one per lock key, each refreshed by
// its own command id.
enum class LockKey { numLock, capsLock, scrollLock };

struct LockIndicator {
    int commandId;
    LockKey key;
    int statusBarPart;
    int onStringId; // the key's name, shown while the key is toggled on
};

std::span<const LockIndicator> lockIndicators();
const LockIndicator* findLockIndicator(int commandId);
// The string that names the key while it is toggled on; 0 while it is off,
// when the part shows one space, so it keeps its sunken frame without a
// stale name.
int lockIndicatorStringId(const LockIndicator& indicator, bool toggledOn);
