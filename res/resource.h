// Resource and control ids of the launcher. Shared by the resource script, the program and its tests.
#pragma once

// Dialog templates
#define SKV_DLG_ABOUT 100
#define SKV_DLG_MAIN 102
#define SKV_DLG_DISPLAY 134

// Menu of levels
#define SKV_MENU_LEVELS 133

// Pictures, and the banner and logo drawn twice as large for larger display scales
#define SKV_ICON_APP 128
#define SKV_BMP_BANNER 129
#define SKV_BMP_LOGO 130
#define SKV_CUR_LINK 131
#define SKV_BMP_BANNER_LARGE 136
#define SKV_BMP_LOGO_LARGE 137

// The frames of the banner and the logo in the main dialog (x, y, width, height in dialog units)
#define SKV_FRAME_BANNER 7, 7, 313, 38
#define SKV_FRAME_LOGO 327, 221, 55, 16

// String table
#define SKV_STR_REGISTRY_KEY 100
#define SKV_STR_ABOUT_ITEM 101
#define SKV_STR_GAME_NOT_FOUND 102
#define SKV_STR_EXE_FILTER 103
#define SKV_STR_WEB_SITE 104
#define SKV_STR_UNNAMED_FILE 61446
#define SKV_STR_FILE_ERROR_FIRST 61856 // cause 0; cause n is this plus n, up to 61870
#define SKV_STR_APP_TITLE 57344

// Main dialog: push buttons (1 and 2 are IDOK and IDCANCEL)
#define SKV_ID_RESET 1031
#define SKV_ID_LEVEL 1045
#define SKV_ID_DISPLAY 1046
#define SKV_ID_LOCATION 1049
#define SKV_ID_ABOUT 57664
#define SKV_ID_BUG_REPORT 1043
#define SKV_ID_LOGO 1030

// Main dialog: check boxes
#define SKV_ID_DEBUG 1000
#define SKV_ID_LOAD_BOTS 1001
#define SKV_ID_LOAD_GRAX 1002
#define SKV_ID_LOAD_VASTOR 1003
#define SKV_ID_LOAD_TOLMEN 1004
#define SKV_ID_LOAD_HUROK 1005
#define SKV_ID_LOAD_HURGRAX 1006
#define SKV_ID_LOAD_KOLVANE 1007
#define SKV_ID_LOAD_ZIMMIT 1008
#define SKV_ID_SHOW_FPS 1010
#define SKV_ID_SHOW_POLYCOUNT 1011
#define SKV_ID_ALL_WEAPONS 1012
#define SKV_ID_GOD_MODE 1013
#define SKV_ID_ADD_LIGHT 1014
#define SKV_ID_VERBOSE_TEXT 1015
#define SKV_ID_CROUCHMODE 1016
#define SKV_ID_DOPPLERSHIFT 1017
#define SKV_ID_EXTRAPOLATION 1018

// Main dialog: texture drawing list
#define SKV_ID_WIREFRAME 1009

// Main dialog: up-downs and their buddy edits
#define SKV_ID_TIME_EDIT 1019
#define SKV_ID_LEAN_EDIT 1020
#define SKV_ID_TIME_SPIN 1021
#define SKV_ID_LEAN_SPIN 1022
#define SKV_ID_VOLUME_EDIT 1023
#define SKV_ID_VOLUME_SPIN 1024
#define SKV_ID_SPEED_EDIT 1025
#define SKV_ID_SPEED_SPIN 1026

// Main dialog: sky colour trackbars and their value labels
#define SKV_ID_SKY_RED 1027
#define SKV_ID_SKY_GREEN 1028
#define SKV_ID_SKY_BLUE 1029
#define SKV_ID_SKY_RED_LABEL 1033
#define SKV_ID_SKY_GREEN_LABEL 1034
#define SKV_ID_SKY_BLUE_LABEL 1035

// Main dialog: group boxes
#define SKV_ID_GROUP_COMMANDLINE 1036
#define SKV_ID_GROUP_RENDERING 1037
#define SKV_ID_GROUP_GENERAL 1038
#define SKV_ID_GROUP_MOTIONTRACKER 1039
#define SKV_ID_GROUP_SCALING 1040
#define SKV_ID_GROUP_CHEATING 1041
#define SKV_ID_GROUP_SKY 1042

// About box: the link to the maker's web site
#define SKV_ID_ABOUT_LINK 1030

// Display settings dialog
#define SKV_ID_DEVICE_LIST 1047
#define SKV_ID_MODE_LIST 1048

// Window-menu item that opens the About box
#define SKV_SYSCMD_ABOUT 16

// Level menu commands: one per level of the game, in menu order (the level table's order too), then
// "No Level"
#define SKV_CMD_LEVEL_FIRST 32771
#define SKV_CMD_LEVEL_LAST 32812
#define SKV_CMD_NO_LEVEL 32813
