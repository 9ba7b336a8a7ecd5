// Named ids shared by the .rc files and the code. Plain #defines because
// windres reads this header too.
#pragma once

#define IDS_APP_TITLE 4
#define IDS_COLUMN_NAME 26
#define IDS_COLUMN_ADDRESS 27
#define IDS_COLUMN_NUMBER 28
#define IDS_COLUMN_SPEED 32
#define IDS_PROGRAM_DIAL 52
#define IDS_COLUMN_GROUP_ITEMS 59
#define IDS_DEFAULT_FILE_NAME 178
#define IDS_MODEL 5001
#define IDS_SPEED_9600 6001
#define IDS_SPEED_14400 6002
#define IDS_SPEED_33600 6003

#define IDR_MAIN_MENU 700
#define IDR_ACCELERATORS 703
#define IDI_APP 714

#define IDC_ENTRY_LIST 2001
#define IDC_MEMBER_LIST 2002
