// Named ids shared by the .rc files and the code. Plain #defines because
// windres reads this header too.
#pragma once

#define IDS_APP_TITLE 4
#define IDS_STATUS_LOCAL_SETUP 10
#define IDS_MACHINE_DATA_ERROR 141
#define IDS_DEFAULT_FILE_NAME 178
#define IDS_MODEL 5001

#define IDR_MAIN_MENU 700
#define IDR_ACCELERATORS 703
#define IDI_APP 714
