/* Resource ids of the station program (Lumora).
 * Shared by lumora.rc and the C++ sources: keep it to plain #defines. */
#ifndef LUMORA_RESOURCE_H
#define LUMORA_RESOURCE_H

/* Dialogs */
#define IDD_HIDE_DLG                 149    /* hidden main window; its caption is the single-instance key */
#define IDD_SEL_CARD                 177
#define IDD_PENDING_PAGE             3990   /* a main-sheet page not in this build yet */

#ifndef IDC_STATIC
#define IDC_STATIC                   (-1)
#endif

/* Controls of IDD_SEL_CARD */
#define IDC_SELCARD_LIST             1094   /* drop-down list of candidate adapters */
#define IDC_SELCARD_DESCRIPTION      1095   /* device description */
#define IDC_SELCARD_HARDWARE_ID      1097   /* hardware ID */
#define IDC_SELCARD_LOCATION         1098   /* location information */
#define IDC_SELCARD_MANUFACTURER     1099   /* manufacturer */

/* Icons */
#define IDI_LUMORA                   128    /* program icon */
#define IDI_TRAY_NORMAL              156
#define IDI_TRAY_WEAK                159
#define IDI_TRAY_GOOD                161    /* also the tray icon's notification id */
#define IDI_TRAY_DISCONNECTED        163    /* also the sheet's icon */
#define IDI_TRAY_NO_ADAPTER          179
#define IDI_TRAY_KEY_ERROR           204
/* Images of the Site Survey list (shared controls), in image-list order */
#define IDI_SITE_CONNECTED           173    /* the network the card is on */
#define IDI_SITE_SECURED             237
#define IDI_SITE_OPEN                238
#define IDI_SORT_ASCENDING           409    /* header arrow of the sort column */
#define IDI_SORT_DESCENDING          408

/* Tray menus; only 228 and 231 are loaded, the others keep the
 * configuration-tool commands. */
#define IDR_TOOLS_MENU               223
#define IDR_TOOLS_MENU_ZERO          224
#define IDR_TRAY_MENU                228
#define IDR_TOOLS_MENU_OWN           230
#define IDR_TRAY_MENU_AP             231
#define IDR_TOOLS_MENU_AP            232

/* Menu commands */
#define IDM_TRAY_LAUNCH              32774
#define IDM_TRAY_EXIT                32776
#define IDM_TRAY_ZERO_CONFIG         32777
#define IDM_TRAY_OWN_CONFIG          32780
#define IDM_TRAY_AP_MODE             32781

/* Strings */
#define IDS_SHEET_CAPTION            102
#define IDS_TIP_GOOD                 199
#define IDS_TIP_DISCONNECTED         200
#define IDS_TIP_NORMAL               201
#define IDS_TIP_NOT_EXIST            202
#define IDS_TIP_WEAK                 203
#define IDS_ICV_ERROR                311
#define IDS_TIP_WEP_ERROR            313

#endif /* LUMORA_RESOURCE_H */
