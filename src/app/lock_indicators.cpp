#include "app/lock_indicators.h"

namespace {

constexpr LockIndicator kLockIndicators[] = {
    {828, LockKey::numLock, 4, "NUM"},
    {829, LockKey::capsLock, 3, "CAPS"},
    {830, LockKey::scrollLock, 5, "SCRL"},
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

std::string_view lockIndicatorText(const LockIndicator& indicator, bool toggledOn) {
    return toggledOn ? indicator.onText : std::string_view(" ");
}
