// Resource ids shared by res/Mirevo.rc and the C++ code. Plain C defines so
// that windres's preprocessor and the compilers read the same file.
#ifndef MIREVO_RES_RESOURCE_H_
#define MIREVO_RES_RESOURCE_H_

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Strings.
#define IDS_ABOUT_MENU 101  // system-menu entry of the about box
#define IDS_TRAY_TIP 128    // tray tooltip and version text

// Icon and pictures. The placeholder is raw BMP bytes of type "IMAGE" so that
// the picture box decodes it like any picture file.
#define IDI_MIREVO 128
#define IDB_NO_PICTURE 149
#define RT_MIREVO_IMAGE "IMAGE"

// Dialogs.
#define IDD_MAIN 102
#define IDD_RECORD 129
#define IDD_TYPE 131
#define IDD_TIME 150
#define IDD_KEYWORD 151

// Menus.
#define IDR_LIST_MENU 140

// System-menu command of the about box (below 0xF000, low four bits clear).
#define IDM_ABOUTBOX 0x0010

// Main window.
#define IDC_LIST 1000
#define IDC_ADD 1001
#define IDC_UPDATE 1014
#define IDC_TABS 1017
#define IDC_SAVE_EXIT 1020
#define IDC_EDIT 1021
#define IDC_DELETE 1022
#define IDC_SETTINGS 1023
#define IDC_FINISH 1024
#define IDC_SEARCH 1064

// Record dialog.
#define IDC_WEEKDAY 1004
#define IDC_NAME 1007
#define IDC_EPISODE 1008
#define IDC_NOTES 1009
#define IDC_UPDATE_TIME 1010
#define IDC_AIR_TIME 1011
#define IDC_NEXT_TIME 1012
#define IDC_RATING 1019
#define IDC_PICTURE 1038
#define IDC_PICTURE_PATH 1041
#define IDC_BROWSE_PICTURE 1042
#define IDC_CLEAR_PICTURE 1043
#define IDC_SET_UPDATE_TIME 1047
#define IDC_SET_NEXT_TIME 1048
#define IDC_KEYWORD_SET 1060

// Type dialog: four radio buttons in one group, in category order.
#define IDC_TYPE_ANIME 1025
#define IDC_TYPE_MANGA 1026
#define IDC_TYPE_OVA 1027
#define IDC_TYPE_DRAMA 1028

// Time dialog.
#define IDC_CLEAR_TIME 1049
#define IDC_DATE_PICKER 1050
#define IDC_TIME_PICKER 1051
#define IDC_TIME_LABEL 1057

// Keyword dialog.
#define IDC_KEYWORD 1061
#define IDC_SEARCH_NOW 1066

// Context menu of the list.
#define ID_MENU_UPDATE 32776
#define ID_MENU_EDIT 32778
#define ID_MENU_DELETE 32779
#define ID_MENU_FINISH 32780
#define ID_MENU_ADD 32781

#endif  // MIREVO_RES_RESOURCE_H_
