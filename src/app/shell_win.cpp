#include "app/shell_win.h"

Shell& theShell() {
    static Shell shell;
    return shell;
}
