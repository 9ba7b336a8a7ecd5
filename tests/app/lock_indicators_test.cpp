#include "app/lock_indicators.h"
#include "string_table.h"

#include <gtest/gtest.h>

TEST(LockIndicators, EachCommandOwnsOneStatusBarPart) {
    const LockIndicator* num = findLockIndicator(828);
    const LockIndicator* caps = findLockIndicator(829);
    const LockIndicator* scroll = findLockIndicator(830);
    ASSERT_TRUE(num && caps && scroll);
    EXPECT_EQ(num->key, LockKey::numLock);
    EXPECT_EQ(num->statusBarPart, 4);
    EXPECT_EQ(caps->key, LockKey::capsLock);
    EXPECT_EQ(caps->statusBarPart, 3);
    EXPECT_EQ(scroll->key, LockKey::scrollLock);
    EXPECT_EQ(scroll->statusBarPart, 5);
    EXPECT_EQ(findLockIndicator(827), nullptr);
    EXPECT_EQ(findLockIndicator(831), nullptr);
    EXPECT_EQ(lockIndicators().size(), 3u);
}

TEST(LockIndicators, TextIsTheKeyNameOnlyWhileToggledOn) {
    EXPECT_EQ(stringTableText(lockIndicatorStringId(*findLockIndicator(828), true)), "NUM");
    EXPECT_EQ(stringTableText(lockIndicatorStringId(*findLockIndicator(829), true)), "CAPS");
    EXPECT_EQ(stringTableText(lockIndicatorStringId(*findLockIndicator(830), true)), "SCRL");
    for (const LockIndicator& indicator : lockIndicators()) {
        EXPECT_EQ(lockIndicatorStringId(indicator, false), 0);
    }
}
