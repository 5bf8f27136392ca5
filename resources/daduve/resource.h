/* Resource ids of the soft-AP program (Havix).
 * Shared by havix.rc and the C++ sources: keep it to plain #defines. */
#ifndef HAVIX_RESOURCE_H
#define HAVIX_RESOURCE_H

/* The adapter selection dialog (177) and its controls, shared with the station program. */
#include "shared/sel_card_ids.h"

#ifndef IDC_STATIC
#define IDC_STATIC                   (-1)
#endif

/* Dialogs */
#define IDD_TRAY_WND                 149    /* hidden tray window; its caption is the single-instance key */
#define IDD_ACCESS_CONTROL           192
#define IDD_WDS                      196
#define IDD_PENDING_PAGE             3990   /* a page of the main sheet not in this build yet */

/* Icons: the tray pictures (161 is also the tray icon's notification id, 163 the sheet's icon) */
#define IDI_HAVIX                    128    /* program icon */
#define IDI_TRAY_NORMAL              156
#define IDI_TRAY_WEAK                159
#define IDI_TRAY_GOOD                161
#define IDI_TRAY_DISCONNECTED        163
#define IDI_TRAY_NO_ADAPTER          179

/* Tray menu: its first popup is what gets tracked */
#define IDR_TRAY_MENU                217
#define IDM_TRAY_LAUNCH              32774
#define IDM_TRAY_EXIT                32776
#define IDM_TRAY_STATION_MODE        32778

/* Controls of the Access Control and WDS pages */
#define IDC_ACL_POLICY               1132   /* policy drop-down */
#define IDC_MAC_EDIT                 1135   /* address to add */
#define IDC_MAC_ADD                  1136
#define IDC_MAC_DELETE               1137
#define IDC_MAC_REMOVE_ALL           1138
#define IDC_ACL_LIST                 1139
#define IDC_PAGE_APPLY               1157
#define IDC_MAC_MODIFY               1164   /* in-place editor: finish */
#define IDC_MAC_MODIFY_CANCEL        1165   /* in-place editor: abandon */
#define IDC_MODIFY_EDIT              1166   /* in-place editor over the row */
#define IDC_WDS_ENABLE               1171
#define IDC_WDS_DISABLE              1172
#define IDC_WDS_LIST                 1173
#define IDC_WDS_POLICY_LABEL         1190
#define IDC_MAC_LABEL                1191
#define IDC_WDS_LIST_LABEL           1192
#define IDC_WDS_NOTE1                1193
#define IDC_WDS_NOTE2                1194
#define IDC_ACL_POLICY_LABEL         1195
#define IDC_ACL_LIST_LABEL           1196

/* Strings */
#define IDS_SHEET_CAPTION            102
#define IDS_CANCEL                   139
#define IDS_NOT_READY                182
#define IDS_CONFIG                   185
#define IDS_ACCESS_CONTROL           186
#define IDS_WDS                      187
#define IDS_STATISTICS               188
#define IDS_ABOUT                    189
#define IDS_MAC_TABLE                190
#define IDS_EVENT_LOG                191
#define IDS_TIP_DISCONNECTED         200
#define IDS_MAC_ADDRESS              201
#define IDS_TIP_GOOD                 202
#define IDS_TIP_WEAK                 203
#define IDS_TIP_NORMAL               204
#define IDS_TIP_NOT_EXIST            205
#define IDS_DELETE                   218
#define IDS_REMOVE_ALL               219
#define IDS_APPLY                    220
#define IDS_MODIFY                   221
#define IDS_ACCESS_POLICY            222
#define IDS_ACCESS_LIST              223
#define IDS_ADD                      224
#define IDS_DISABLE                  225
#define IDS_ALLOW_ALL                226
#define IDS_REJECT_ALL               227
#define IDS_WDS_POLICY               229
#define IDS_WDS_AP_LIST              230
#define IDS_ENABLE                   231
#define IDS_WDS_AP_MAC               232
#define IDS_WDS_NOTE1                233
#define IDS_WDS_NOTE2                234
#define IDS_INVALID_MAC              248
#define IDS_MULTICAST_MAC            249
#define IDS_DUPLICATED_MAC           250
#define IDS_AP_ERROR                 254
#define IDS_LINK_STATUS              354
#define IDS_11N_SETTING              3991
#define IDS_SETTING_REGISTER         3992
#define IDS_NOT_ADMINISTRATOR        3993

#endif /* HAVIX_RESOURCE_H */
