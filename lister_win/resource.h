// The listing program's resource ids.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_VELDOR_DIALOG 102
#define IDD_INPUT 103
#define IDD_PAGE1 106
#define IDD_PAGE2 107
#define IDD_PAGE3 108
#define IDD_PAGE4 109
#define IDR_MAINFRAME 128

// The main dialog: the carrier radios, the format radios, the settings button.
#define IDC_DOCOMO 1000
#define IDC_VODAFONE 1001
#define IDC_AU 1002
#define IDC_TXT 1003
#define IDC_CSV 1004
#define IDC_HTML 1005
#define IDC_SETTINGS 1006

// 基本設定
#define IDC_ASCENDING 1000
#define IDC_DESCENDING 1001
#define IDC_ALL_FILES 1002
#define IDC_LISTED_ONLY 1003
#define IDC_OVER_WRITE 1007
#define IDC_PRINT_RESULT 1009
#define IDC_FILE_OPEN 1011
#define IDC_SORT_KEY 1014
#define IDC_EXTENSIONS 1016

// 出力設定
#define IDC_ITEM_SIZE 1007
#define IDC_ITEM_PACKETS 1008
#define IDC_ITEM_MODIFIED 1009
#define IDC_ITEM_CHARGE 1010
#define IDC_ITEM_CREATED 1011
#define IDC_TEMPLATES 1012
#define IDC_ITEM_TEXT 1014
#define IDC_CARRIER 1018

// 拡張設定1, 拡張設定2
#define IDC_ADD 1006
#define IDC_EDIT 1010
#define IDC_DELETE 1011
#define IDC_LIST 1012
#define IDC_EXTERNAL 1013
#define IDC_RELOAD 1014
#define IDC_SAVE 1015

// 入力
#define IDC_NAME_LABEL 1015
#define IDC_NAME 1016
#define IDC_TEXT 1017

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
