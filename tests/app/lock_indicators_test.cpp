#include "app/lock_indicators.h"
#include "string_table.h"

#include <gtest/gtest.h>

TEST(LockIndicators, EachCommandOwnsOneStatusBarPartAndNamesItsKeyWhileOn) {
    struct Case {
        int commandId;
        LockKey key;
        int statusBarPart;
        const char* textWhileOn;
    };
    const Case cases[] = {{828, LockKey::numLock, 4, "NUM"},
                          {829, LockKey::capsLock, 3, "CAPS"},
                          {830, LockKey::scrollLock, 5, "SCRL"}};
    for (const Case& c : cases) {
        const LockIndicator* indicator = findLockIndicator(c.commandId);
        ASSERT_NE(indicator, nullptr) << c.commandId;
        EXPECT_EQ(indicator->key, c.key);
        EXPECT_EQ(indicator->statusBarPart, c.statusBarPart);
        EXPECT_EQ(stringTableText(lockIndicatorStringId(*indicator, true)), c.textWhileOn);
        EXPECT_EQ(lockIndicatorStringId(*indicator, false), 0);
    }
    EXPECT_EQ(findLockIndicator(827), nullptr);
    EXPECT_EQ(findLockIndicator(831), nullptr);
    EXPECT_EQ(lockIndicators().size(), std::size(cases));
}
