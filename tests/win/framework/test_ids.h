// Resource ids of the framework tests.
#pragma once

#define IDD_FORM 100
#define IDD_PAGE1 201
#define IDD_PAGE2 202
#define IDD_PAGE3 203
#define IDD_PAGE4 204
#define IDD_SMALL 300

#define IDC_NAME 1001
#define IDC_NUMBER 1002
#define IDC_COMBO 1003
#define IDC_CHECK 1004
#define IDC_RADIO1 1005
#define IDC_RADIO2 1006
#define IDC_RADIO3 1007
#define IDC_BUTTON 1008
#define IDC_SLIDER 1009
#define IDC_LIST 1010
#define IDC_COMBO_EDIT 1011
#define IDC_UNSIGNED 1012
#define IDC_PAGE_EDIT 2001
#define IDC_PAGE_BUTTON 2002

#define IDS_SHEET 1
#define IDS_PAGE1 2
#define IDS_PAGE2 3
#define IDS_PAGE3 4
#define IDS_PAGE4 5
#define IDS_LONG 6
