#pragma once

#include <span>
#include <string_view>

// The status bar's lock-key indicators, one per lock key, each refreshed by
// its own command id.
enum class LockKey { numLock, capsLock, scrollLock };

struct LockIndicator {
    int commandId;
    LockKey key;
    int statusBarPart;
    std::string_view onText;
};

std::span<const LockIndicator> lockIndicators();
const LockIndicator* findLockIndicator(int commandId);
// The part's text: the key's name while the key is toggled on, else one
// space, so the part keeps its sunken frame without a stale name.
std::string_view lockIndicatorText(const LockIndicator& indicator, bool toggledOn);
