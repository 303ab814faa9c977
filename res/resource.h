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
#define IDD_ABOUTBOX 100
#define IDD_MAIN 102
#define IDD_RECORD 129
#define IDD_TYPE 131
#define IDD_TIME 150
#define IDD_KEYWORD 151
#define IDD_SETTINGS 133
#define IDD_SEARCH_PAGE 154
#define IDD_REMINDER_PAGE 155
#define IDD_GENERAL_PAGE 156

// Menus. The tray menu's id is also the tray icon's id.
#define IDR_LIST_MENU 140
#define IDR_TRAY_MENU 143

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

// Settings dialog and its pages.
#define IDC_ACCURACY 1030
#define IDC_ALPHA 1031
#define IDC_APPLY 1032
#define IDC_PREVIEW 1036
#define IDC_TOPMOST 1037
#define IDC_TRAY_BALLOONS 1044
#define IDC_SUMMARY_ANIME 1052
#define IDC_SUMMARY_MANGA 1053
#define IDC_SUMMARY_OVA 1054
#define IDC_SUMMARY_DRAMA 1055
#define IDC_REMEMBER_TAB 1056
#define IDC_SUMMARY_AWAITED 1057
#define IDC_AUTO_HIDE 1067
#define IDC_ANI_WIN 1068
#define IDC_SETTINGS_TABS 1070
#define IDC_SUMMARY_LABEL 1071
#define IDC_ACCURACY_NOTE 1072
#define IDC_ALPHA_LABEL 1073
#define IDC_ALPHA_NOTE 1074
#define IDC_BALLOON_NOTE 1075
#define IDC_NEXT_TIME_RULE 1076
#define IDC_WEEKDAY_RULE 1077
#define IDC_EARLIEST_RULE 1078
#define IDC_NEXT_TIME_COLOUR 1066
#define IDC_WEEKDAY_COLOUR 1079
#define IDC_EARLIEST_COLOUR 1080
// The search page: sources 0, 1, 2 and the encodings 0..3 (in this odd id
// order), the prefix and postfix boxes.
#define IDC_SOURCE_FIRST 1087
#define IDC_SOURCE_SECOND 1088
#define IDC_SOURCE_CUSTOM 1089
#define IDC_ENCODING_NONE 1086
#define IDC_ENCODING_GB2312 1083
#define IDC_ENCODING_UNICODE 1084
#define IDC_ENCODING_UTF8 1085
#define IDC_SEARCH_PREFIX 1061
#define IDC_SEARCH_POSTFIX 1082

// About box: the three links; their targets are the strings with their ids.
#define IDC_LINK_DOWNLOAD 1058
#define IDC_LINK_BLOG 1059
#define IDC_LINK_GUESTBOOK 1081

// Context menu of the list.
#define ID_MENU_UPDATE 32776
#define ID_MENU_EDIT 32778
#define ID_MENU_DELETE 32779
#define ID_MENU_FINISH 32780
#define ID_MENU_ADD 32781

// Tray menu.
#define ID_TRAY_OPEN 32782
#define ID_TRAY_EXIT 32783
#define ID_TRAY_SUMMARY 32784
#define ID_TRAY_ABOUT 32786

#endif  // MIREVO_RES_RESOURCE_H_
