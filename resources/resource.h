#pragma once
/* Ids of the program's resources, controls and commands. The framework's own
   ids (ID_FILE_NEW, ID_APP_ABOUT, ID_APP_EXIT, ID_HELP, AFX_...) are in
   framework/FrameworkIds.h. */

/* Menu, accelerators, tool bar, its bitmap, icon and document string */
#define IDR_MAINFRAME 128
/* The help text */
#define IDR_HELP_TEXT 200

/* Dialogs */
#define IDD_ABOUTBOX 100
#define IDD_CHOOSE_SET 141
#define IDD_AUTO_SOLVE 142
#define IDD_HIGH_SCORES 143
#define IDD_FINISH 145
#define IDD_BEST_RESULT 157
#define IDD_TIPS 159
#define IDD_SELECT_DEAL 170
#define IDD_STATISTICS 171

/* Tile sheets */
#define IDB_SET_EGIPTIAN 131
#define IDB_SET_SIGNS 134
#define IDB_SET_FRACTAL_DARK 135
#define IDB_SET_EASY 136
#define IDB_SET_FRACTAL_BRIGHT 139
#define IDB_SET_CHILDS 140
#define IDB_SET_PRIMEVAL_ART 167
#define IDB_SET_PLASTIC 168

/* Backgrounds */
#define IDB_BACK_EASY 144
#define IDB_BACK_DARK_BLUE 153
#define IDB_BACK_CLOUDS 154
#define IDB_BACK_GREEN 158

/* Dialog buttons, raised and pressed */
#define IDB_OK_UP 146
#define IDB_OK_DOWN 147
#define IDB_CLEAR_UP 149
#define IDB_CLEAR_DOWN 150

/* Tips */
#define IDB_TIP_0 160
#define IDB_TIP_1 161
#define IDB_TIP_2 162
#define IDB_TIP_3 163
#define IDB_TIP_4 164
#define IDB_TIP_5 165
#define IDB_TIP_6 166

/* Controls */
#define IDC_STATIC -1
#define IDC_CLEAR_SCORES 1002
#define IDC_SOLVE_COUNTER 1005
#define IDC_SET_LIST 1008
#define IDC_SET_PREVIEW 1009
#define IDC_NAME_EDIT 1016
#define IDC_NO_TIPS 1017
#define IDC_NEXT_TIP 1018
#define IDC_DEAL_NUMBER 1030
#define IDC_STATISTICS_LIST 1040
#define IDC_RESET_STATISTICS 1041

/* Commands */
#define ID_HELP_ME 32771
#define ID_SIZE_8X18 32773
#define ID_SIZE_12X12 32774
#define ID_SIZE_12X24 32776
#define ID_UNDO 32777
#define ID_CHOOSE_SETS 32786
#define ID_SIZE_8X20 32787
#define ID_SIZE_16X10 32788
#define ID_SIZE_20X16 32789
#define ID_SOLVE 32793
#define ID_HIGH_SCORES 32795
#define ID_SOUND_ON 32797
#define ID_SAVE_TO 32799
#define ID_LOAD_FROM 32800
#define ID_NEXT_TILES 32801
#define ID_BACK_EASY 32803
#define ID_BACK_DARK_BLUE 32804
#define ID_BACK_CLOUDS 32805
#define ID_PAUSE 32807
#define ID_TILES_NORMAL 32808
#define ID_TILES_BIG 32809
#define ID_TILES_BIGGEST 32810
#define ID_TILES_FIT 32870
#define ID_SELECT_SET 32811
#define ID_BACK_GREEN 32812
#define ID_SIZE_8X10 32813
#define ID_SIZE_10X18 32814
#define ID_SIZE_12X16 32815
#define ID_HINT 32816
#define ID_SHOW_TIP 32818
#define ID_ANIMATION 32819

/* Commands added beside the original ones */
#define ID_SELECT_DEAL 32830
#define ID_RESTART 32831
#define ID_REDO 32832
#define ID_RESUME_LAST_GAME 32833
#define ID_STATISTICS 32834

/* Edit > Language: Windows' choice, then the languages in the order of kLanguages */
#define ID_LANGUAGE_WINDOWS 32840
#define ID_LANGUAGE_EN 32841
#define ID_LANGUAGE_DE 32842
#define ID_LANGUAGE_FR 32843
#define ID_LANGUAGE_ES 32844
#define ID_LANGUAGE_IT 32845
#define ID_LANGUAGE_PT 32846
#define ID_LANGUAGE_PL 32847
#define ID_LANGUAGE_RU 32848
#define ID_LANGUAGE_JA 32849
#define ID_LANGUAGE_ZH 32850

/* Game > Shuffle, Game > Gravity, File > Deal of the day */
#define ID_SHUFFLE 32860
#define ID_GRAVITY 32861
#define ID_DEAL_OF_THE_DAY 32862

/* Strings: messages, labels and the tips' texts */
#define IDS_CREATE_NEW_PUZZLE 2000
#define IDS_RESTART_PUZZLE 2001
#define IDS_NO_MATCHES 2002
#define IDS_TIME_PLAYING 2003
#define IDS_WON 2004
#define IDS_TIME_SOLUTION 2005
#define IDS_MATCHED_TILES 2006
#define IDS_BEST_RESULT 2007
#define IDS_NOT_SOLVED 2008
#define IDS_NO_MEMORY_PUZZLE 2009
#define IDS_NO_TILE_PICTURES 2010
#define IDS_TILES_UNREADABLE 2011
#define IDS_BAD_BOARD_SIZE 2012
#define IDS_NO_MEMORY_PICTURE 2013
#define IDS_PUZZLE_FILTER 2014
#define IDS_SAVE_FAILED 2015
#define IDS_LOAD_FAILED 2016
#define IDS_PICTURE_FILTER 2017
#define IDS_PICTURE_UNUSABLE 2018
#define IDS_VERSION 2019
#define IDS_SIZES 2020
#define IDS_NAMES 2021
#define IDS_HIGH_RESULTS 2022
#define IDS_DEAL_RANGE 2023
#define IDS_RESET_STATISTICS 2024
#define IDS_HELP_TITLE 2025
#define IDS_BOARD_NAME 2026
#define IDS_CELL_NAME 2027
#define IDS_EMPTY_CELL 2028
#define IDS_TILE_NUMBER 2029
#define IDS_ACTION_CLICK 2030
/* The statistics' column headings, in the order of the columns */
#define IDS_STATISTICS_COLUMN 2032
#define IDS_STATISTICS_COLUMN_PLAYED 2033
#define IDS_STATISTICS_COLUMN_WON 2034
#define IDS_STATISTICS_COLUMN_UNAIDED 2035
#define IDS_STATISTICS_COLUMN_RATE 2036
#define IDS_STATISTICS_COLUMN_STREAK 2037
#define IDS_STATISTICS_COLUMN_LONGEST 2038
#define IDS_STATISTICS_COLUMN_AVERAGE 2039
#define IDS_STATISTICS_COLUMN_BEST 2040
/* Each tip's title and text, tip n at IDS_TIP_TITLE + 2 n and IDS_TIP_TEXT + 2 n */
#define IDS_TIP_TITLE 2048
#define IDS_TIP_TEXT 2049
#define IDS_TIP_TITLE_1 2050
#define IDS_TIP_TEXT_1 2051
#define IDS_TIP_TITLE_2 2052
#define IDS_TIP_TEXT_2 2053
#define IDS_TIP_TITLE_3 2054
#define IDS_TIP_TEXT_3 2055
#define IDS_TIP_TITLE_4 2056
#define IDS_TIP_TEXT_4 2057
#define IDS_TIP_TITLE_5 2058
#define IDS_TIP_TEXT_5 2059
#define IDS_TIP_TITLE_6 2060
#define IDS_TIP_TEXT_6 2061

/* What a screen reader hears of the tiles of a kind outlined */
#define IDS_KIND_LEFT 2100
/* A row of records of games under gravity: the size's name, then the rule */
#define IDS_GRAVITY_ROW 2101

/* Status bar panes */
#define ID_INDICATOR_GAME_TIME 32790
#define ID_INDICATOR_TOTAL_TIME 32791
#define ID_INDICATOR_MATCHED 32792
