#include "harness/modal_driver.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

// The Win32 tests' entry: the process-wide set-up every test relies on.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);
    harness::installModalWatch();
    return RUN_ALL_TESTS();
}
