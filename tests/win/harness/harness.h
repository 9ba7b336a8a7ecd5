#pragma once

// Everything the Win32 tests use to drive the program under Wine.
#include "harness/command_recorder.h"
#include "harness/control_state.h"
#include "harness/main_window_fixture.h"
#include "harness/modal_driver.h"
#include "harness/printed_output.h"
#include "harness/program_files.h"
#include "harness/screenshot.h"
