#include "app/poll_timer_win.h"

void applyTimerChange(HWND mainWindow, TimerChange change) {
    switch (change) {
    case TimerChange::start:
        SetTimer(mainWindow, kPollTimerId, kPollPeriodMilliseconds, nullptr);
        break;
    case TimerChange::stop:
        KillTimer(mainWindow, kPollTimerId);
        break;
    case TimerChange::keep:
        break;
    }
}
