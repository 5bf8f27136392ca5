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
#define IDD_CONFIG                   194
#define IDD_AUTH_SECU                132    /* the Config page's security dialog */
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

/* Controls of the Config page */
#define IDC_CFG_TX_POWER             1030
#define IDC_CFG_CHANNEL              1032
#define IDC_CFG_SSID                 1062
#define IDC_CFG_SECURITY             1143
#define IDC_CFG_USE_MAC              1144
#define IDC_CFG_ANTENNA_TX           1147   /* hidden, never used */
#define IDC_CFG_ANTENNA_RX           1148   /* hidden, never used */
#define IDC_CFG_MODE                 1149
#define IDC_CFG_BG_PROTECTION        1150
#define IDC_CFG_NO_FORWARDING        1151
#define IDC_CFG_HIDE_SSID            1152
#define IDC_CFG_BEACON               1153
#define IDC_CFG_TX_BURST             1154   /* hidden */
#define IDC_CFG_REGION24             1155
#define IDC_CFG_DEFAULT              1156
#define IDC_CFG_RTS                  1158   /* hidden */
#define IDC_CFG_FRAG                 1159   /* hidden */
#define IDC_CFG_PREAMBLE             1160   /* hidden */
#define IDC_CFG_TX_RATE              1161
#define IDC_CFG_REGION5              1162
#define IDC_CFG_LEGACY_G             1163   /* hidden */
#define IDC_CFG_LEGACY_A             1164   /* hidden */
#define IDC_CFG_LEGACY_B             1165   /* hidden */
#define IDC_CFG_TURBO_RATE           1169   /* hidden */
#define IDC_CFG_SHORT_SLOT           1170   /* hidden */
#define IDC_CFG_AUTO_CHANNEL         1171   /* hidden */
#define IDC_CFG_TX_RATE_LABEL        1198
#define IDC_CFG_PREAMBLE_LABEL       1200   /* hidden */
#define IDC_CFG_REGION_GROUP         1211
#define IDC_CFG_REGION24_LABEL       1212
#define IDC_CFG_REGION5_LABEL        1213
#define IDC_CFG_IDLE_TIME            1216
#define IDC_CFG_IDLE_LABEL           1217
#define IDC_CFG_ALLOW_BW40           1218
#define IDC_CFG_SSID_LABEL           1240
#define IDC_CFG_MODE_LABEL           1241
#define IDC_CFG_CHANNEL_LABEL        1242
#define IDC_CFG_TX_POWER_LABEL       1243
#define IDC_CFG_BG_PROTECTION_LABEL  1244
#define IDC_CFG_BEACON_LABEL         1245
/* The 802.11n group, shown while bCheckBuild is 1 */
#define IDC_CFG_HT_GROUP             1268
#define IDC_CFG_BW_LABEL             1269   /* hidden */
#define IDC_CFG_GI_LABEL             1270
#define IDC_CFG_STBC_LABEL           1271
#define IDC_CFG_MCS_LABEL            1272
#define IDC_CFG_BW_20                1273   /* hidden, with 1274 */
#define IDC_CFG_BW_40                1274
#define IDC_CFG_GI_LONG              1275
#define IDC_CFG_GI_AUTO              1276
#define IDC_CFG_STBC_NONE            1277
#define IDC_CFG_STBC_AUTO            1278
#define IDC_CFG_MCS                  1279
#define IDC_CFG_HT_RATE_TEXT         1280   /* hidden */
#define IDC_CFG_HT_MODE_LABEL        1281
#define IDC_CFG_HT_MM                1282
#define IDC_CFG_HT_GF                1283
#define IDC_CFG_EXT_CHANNEL_LABEL    1284
#define IDC_CFG_EXT_CHANNEL          1288

/* Controls of the security dialog */
#define IDC_SEC_AUTH                 1012
#define IDC_SEC_PSK                  1053
#define IDC_SEC_KEY1                 1062   /* default-key radios 1062-1065 */
#define IDC_SEC_KEY2                 1063
#define IDC_SEC_KEY3                 1064
#define IDC_SEC_KEY4                 1065
#define IDC_SEC_KEY1_TYPE            1110
#define IDC_SEC_ENC                  1111
#define IDC_SEC_KEY2_TYPE            1112
#define IDC_SEC_REKEY                1113
#define IDC_SEC_KEY3_TYPE            1114
#define IDC_SEC_KEY4_TYPE            1115
#define IDC_SEC_RADIUS_IP            1117   /* hidden */
#define IDC_SEC_RADIUS_PORT          1118   /* hidden */
#define IDC_SEC_RADIUS_KEY           1119   /* hidden */
#define IDC_SEC_KEY1_HEX             1120   /* hex edits 1120-1123 */
#define IDC_SEC_KEY1_ASCII           1124   /* ASCII edits 1124-1127 */
#define IDC_SEC_REKEY_UNIT           1130
#define IDC_SEC_WEP_GROUP            1131
#define IDC_SEC_AUTH_LABEL           1204
#define IDC_SEC_ENC_LABEL            1205
#define IDC_SEC_PSK_LABEL            1206
#define IDC_SEC_REKEY_LABEL          1207
#define IDC_SEC_NOTE                 1214
#define IDC_SEC_SHOW_PASSWORD        1215

/* Strings */
#define IDS_SHEET_CAPTION            102
#define IDS_REKEY_INTERVAL           53
#define IDS_TKIP                     119
#define IDS_AES                      120
#define IDS_WPA_PSK                  123
#define IDS_NOT_USE                  129
#define IDS_WEP                      130
#define IDS_OK                       138
#define IDS_CANCEL                   139
#define IDS_AUTH_TYPE                144
#define IDS_WEP_KEY                  147
#define IDS_KEY1                     148    /* "Key#1" .. "Key#4": 148-151 */
#define IDS_OPEN                     152
#define IDS_SHARED                   153
#define IDS_HEX                      154
#define IDS_ASCII                    155
#define IDS_NOT_READY                182
#define IDS_CONFIG                   185
#define IDS_ACCESS_CONTROL           186
#define IDS_WDS                      187
#define IDS_STATISTICS               188
#define IDS_ABOUT                    189
#define IDS_MAC_TABLE                190
#define IDS_EVENT_LOG                191
#define IDS_SECURITY_SETTING         192
#define IDS_KEY_IN_SSID              195
#define IDS_TIP_DISCONNECTED         200
#define IDS_MAC_ADDRESS              201
#define IDS_TIP_GOOD                 202
#define IDS_TIP_WEAK                 203
#define IDS_TIP_NORMAL               204
#define IDS_TIP_NOT_EXIST            205
#define IDS_HIDE_SSID                206
#define IDS_DEFAULT                  208
#define IDS_USE_MAC                  210
#define IDS_NO_FORWARDING            211
#define IDS_PSK                      212
#define IDS_ENC_TYPE                 213
#define IDS_REKEY_10_SECONDS         216
#define IDS_REKEY_KPACKETS           217
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
#define IDS_WEP_KEY_LENGTH           241
#define IDS_INVALID_MAC              248
#define IDS_MULTICAST_MAC            249
#define IDS_DUPLICATED_MAC           250
#define IDS_WPA_KEY_LENGTH           252
#define IDS_AP_ERROR                 254
#define IDS_TX_BURST                 271
#define IDS_TURBO_RATE               290
#define IDS_SHORT_SLOT               291
#define IDS_AUTO_CHANNEL             293
#define IDS_WPA2_PSK                 298
#define IDS_WPA_WPA2_PSK             299
#define IDS_BOTH                     300
#define IDS_COUNTRY_REGION           301
#define IDS_WEP_NOTE                 306
#define IDS_SHOW_PASSWORD            308
#define IDS_IDLE_TIME                341
#define IDS_ALLOW_BW40               349
#define IDS_LINK_STATUS              354
#define IDS_11N_SETTING              3991
#define IDS_SETTING_REGISTER         3992
#define IDS_NOT_ADMINISTRATOR        3993
/* The messages of a number field that holds no valid number */
#define IDS_ENTER_INTEGER            3521
#define IDS_ENTER_INTEGER_RANGE      3522   /* "%d" and "%d": the range */
#define IDS_ENTER_POSITIVE_INTEGER   3523

#endif /* HAVIX_RESOURCE_H */
