#pragma once
/* The framework's fixed ids: its own strings, its bar and pane windows, and the
   commands it knows. Plain defines, so that the resource compiler reads them too. */

/* Strings */
#define AFX_IDS_APP_TITLE 57344
#define AFX_IDS_UNTITLED 61443
#define AFX_IDP_FAILED_TO_OPEN_DOC 61729
#define AFX_IDP_PARSE_STRING_SIZE 61708
#define AFX_IDP_INTERNAL_FAILURE 61716

/* Child windows of a frame */
#define AFX_IDW_TOOLBAR 59392
#define AFX_IDW_STATUS_BAR 59393
#define AFX_IDW_PANE_FIRST 59648

/* Commands */
#define ID_FILE_NEW 57600
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_HELP 57670
