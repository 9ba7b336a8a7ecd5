#include "app/lock_indicators.h"

#include "resource_ids.h"

namespace {

constexpr LockIndicator kLockIndicators[] = {
    {IDM_NUM_LOCK, LockKey::numLock, 4, IDS_INDICATOR_NUM},
    {IDM_CAPS_LOCK, LockKey::capsLock, 3, IDS_INDICATOR_CAPS},
    {IDM_SCROLL_LOCK, LockKey::scrollLock, 5, IDS_INDICATOR_SCRL},
};

} // namespace

std::span<const LockIndicator> lockIndicators() {
    return kLockIndicators;
}

const LockIndicator* findLockIndicator(int commandId) {
    for (const LockIndicator& indicator : kLockIndicators) {
        if (indicator.commandId == commandId) {
            return &indicator;
        }
    }
    return nullptr;
}

int lockIndicatorStringId(const LockIndicator& indicator, bool toggledOn) {
    return toggledOn ? indicator.onStringId : 0;
}
