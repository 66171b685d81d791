#pragma once
/* Resources of the framework's own tests. */

#define IDR_TEST 100
#define IDD_EXCHANGE 101
#define IDB_UP 102
#define IDB_DOWN 103

#define IDC_TEXT 1000
#define IDC_LIST 1001
#define IDC_CHECK 1002
#define IDC_PICTURE 1003

#define ID_VIEW_AND_FRAME 40001
#define ID_DOC_AND_FRAME 40002
#define ID_FRAME_AND_APP 40003
#define ID_APP_ONLY 40004
#define ID_CHECKED 40005
#define ID_UNHANDLED 40006
#define ID_THROWS 40007
