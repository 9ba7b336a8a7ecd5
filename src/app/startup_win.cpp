#include "app/startup.h"

#include <windows.h>

int runZelt(void* exeInstance, int showCommand) {
    (void)exeInstance;
    (void)showCommand;
    return 0;
}
