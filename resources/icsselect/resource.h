/* Resource ids of the Internet Connection Sharing selector (Pelcor).
 * Shared by pelcor.rc and the C++ sources: keep it to plain #defines. */
#ifndef PELCOR_RESOURCE_H
#define PELCOR_RESOURCE_H

/* Dialogs */
#define IDD_ABOUTBOX                 100
#define IDD_WAN_SELECT               102

#ifndef IDC_STATIC
#define IDC_STATIC                   (-1)
#endif

/* Controls of IDD_WAN_SELECT */
#define IDC_WAN_CONNECTION           1000   /* drop-down list of the connections, in listing order */
#define IDC_WAN_DESCRIPTION          1001
#define IDC_WAN_MAC_ADDRESS          1002
#define IDC_WAN_IP_ADDRESS           1003

/* Icons */
#define IDI_PELCOR                   128

/* System menu command of the About box (the system keeps the low four bits) */
#define IDM_ABOUTBOX                 0x0010

/* Strings */
#define IDS_ABOUTBOX                 101
#define IDS_NO_WAN_INTERFACE         110
#define IDS_WAN_IP_REFUSED           111
#define IDS_SOFT_AP_NOT_FOUND        112

#endif
