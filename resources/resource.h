// Resource and control identifiers shared by the resource script and the code.
// Plain #defines only, so that windres, rc and the portable C++ all read it.
#pragma once

#define IDM_ABOUTBOX 0x0010

#define IDD_ABOUT 100
#define IDS_ABOUTBOX 101
#define IDD_MAIN 102
#define IDB_LOGO 131
#define IDB_ABOUT 133
#define IDI_APPICON 134
// The same pictures drawn at 1.5 and 2 times the size, for screens above 96 DPI.
#define IDB_LOGO_150 141
#define IDB_LOGO_200 142
#define IDB_ABOUT_150 143
#define IDB_ABOUT_200 144

#define IDC_GRAY_LEVEL 1000
#define IDC_BRIGHTNESS_SLIDER 1002
#define IDC_RESOLUTION_LIST 1005
#define IDC_CURRENT_RESOLUTION 1006
#define IDC_GRAY_SWATCH 1007
#define IDC_BLACK_SWATCH 1008
#define IDC_FULLSCREEN 1010
#define IDC_RESULTS_EACH 1011
#define IDC_AUTOMATIC 1012
#define IDC_GENERATE_SCRIPT 1015
#define IDC_ABOUT 1016
#define IDC_DISCLAIMER 1017
#define IDC_PROJECT_NAME 1020
#define IDC_CLEAR_RESULTS 1021
#define IDC_VIEW_RESULTS 1022
#define IDC_SELECT_ALL 1024
#define IDC_CLEAR_ALL 1025
#define IDC_SCRIPT_NAME 1027
#define IDC_SCENE1 1031
#define IDC_SCENE2 1032
#define IDC_SCENE3 1033
#define IDC_SCENE4 1034
#define IDC_SCENE5 1035
#define IDC_SCENE6 1036
#define IDC_SCENE7 1037
#define IDC_SCENE8 1038
#define IDC_SCENE9 1039
#define IDC_SCENE10 1040
#define IDC_SCENE11 1041
#define IDC_SCENE12 1042
