#pragma once

// Runs the program from process entry to the end of the message loop and
// returns the exit code.
int runZelt(void* exeInstance, int showCommand);
