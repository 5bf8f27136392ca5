/* Ids of the controls test resources; shared by the .rc and the tests. */
#pragma once

#define IDD_CONTROLS      100
#define IDD_CONTROLS_PAGE 101

#define IDC_HEX           1001
#define IDC_UNSIGNED      1002
#define IDC_SIGNED        1003
#define IDC_NUMBER        1004
#define IDC_SLIDER        1005
#define IDC_VNUMBER       1006
#define IDC_VSLIDER       1007
#define IDC_COMBO         1008
#define IDC_SITE_LIST     1009
#define IDC_NOHS_LIST     1010
#define IDC_PLAIN_LIST    1011
#define IDC_OTHER         1012

#ifndef IDC_STATIC
#define IDC_STATIC        (-1)
#endif
