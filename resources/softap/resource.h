/* Resource ids of the soft-AP program (Havix).
 * Shared by havix.rc and the C++ sources: keep it to plain #defines. */
#ifndef HAVIX_RESOURCE_H
#define HAVIX_RESOURCE_H

/* The adapter selection dialog (177) and its controls, shared with the station program. */
#include "shared/adapter/sel_card_ids.h"

#ifndef IDC_STATIC
#define IDC_STATIC                   (-1)
#endif

/* Dialogs */
#define IDD_TRAY_WND                 149    /* hidden tray window; its caption is the single-instance key */
#define IDD_ACCESS_CONTROL           192
#define IDD_WDS                      196
#define IDD_CONFIG                   194
#define IDD_AUTH_SECU                132    /* the Config page's security dialog */

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
#define IDS_SETTING_REGISTER         3992
#define IDS_NOT_ADMINISTRATOR        3993
/* The messages of a number field that holds no valid number */
#define IDS_ENTER_INTEGER            3521
#define IDS_ENTER_INTEGER_RANGE      3522   /* "%d" and "%d": the range */
#define IDS_ENTER_POSITIVE_INTEGER   3523

/* The 11n Setting page (block-ack sessions and capability) and its Add and Delete dialogs */
#define IDD_BLOCK_ACK                218
#define IDD_ADD_BLOCK_ACK            219
#define IDD_DELETE_BLOCK_ACK         220
#define IDC_BA_ORIGINATOR_ADD        1136
#define IDC_BA_ORIGINATOR_DELETE     1137
#define IDC_BA_SMPS_STATIC           1216
#define IDC_BA_MANUAL                1242
#define IDC_BA_AUTO                  1243
#define IDC_BA_ORIGINATOR_DELETE_ALL 1248
#define IDC_BA_AMSDU_GROUP           1254
#define IDC_BA_SMPS_GROUP            1255
#define IDC_BA_RECIPIENT_LIST        1256
#define IDC_BA_ORIGINATOR_LIST       1257
#define IDC_BA_AMSDU                 1258
#define IDC_BA_APPLY                 1259
#define IDC_BA_AGGREGATION           1260
#define IDC_BA_AMSDU_3839            1262
#define IDC_BA_ORIGINATOR_GROUP      1263
#define IDC_BA_RECIPIENT_GROUP       1264
#define IDC_BA_AMSDU_7935            1265
#define IDC_BA_SM_ENABLE             1267
#define IDC_BA_SMPS_DYNAMIC          1268
#define IDC_BA_RECIPIENT_ADD         1275
#define IDC_BA_RECIPIENT_DELETE      1276
#define IDC_BA_RECIPIENT_DELETE_ALL  1277
#define IDC_BA_DENSITY               1281
#define IDC_BA_DENSITY_LABEL         1282
/* the dialogs' controls */
#define IDC_BA_BSSID_LIST            1242
#define IDC_BA_WINDOW                1243
#define IDC_BA_TID                   1259
#define IDC_BA_TID_LABEL             1265
#define IDC_BA_WINDOW_LABEL          1266
#define IDC_BA_BSSID_LABEL           1267
#define IDS_BA_ORIGINATOR_OF         312
#define IDS_BA_RECIPIENT_OF          313
#define IDS_BA_AUTO                  314
#define IDS_BA_MANUAL                315
#define IDS_BA_ADD                   317
#define IDS_BA_DELETE                318
#define IDS_BA_DELETE_ENTRY          319
#define IDS_BA_APPLY                 320
#define IDS_BA_TID                   321
#define IDS_BA_WINDOW_LIMIT          322
#define IDS_BA_AVAILABLE_BSSIDS      323
#define IDS_BA_OK                    324
#define IDS_11N_SETTING              325
#define IDS_BA_ADD_TITLE             326
#define IDS_BA_MAC                   327
#define IDS_BA_SELECT_BSSID          333
#define IDS_BA_CANCEL                334
#define IDS_BA_DENSITY               338
#define IDS_BA_DELETE_TITLE          339

/* The Link Status page, built but never added to the sheet */
#define IDD_LINK_STATUS              133
#define IDC_LS_TX_THROUGHPUT         1008
#define IDC_LS_RX_THROUGHPUT         1009
#define IDC_LS_QUALITY_BAR           1010
#define IDC_LS_SIGNAL1_BAR           1012
#define IDC_LS_QUALITY_VALUE         1039
#define IDC_LS_SIGNAL1_VALUE         1040
#define IDC_LS_STATUS                1041
#define IDC_LS_CHANNEL               1042
#define IDC_LS_TX_SPEED              1043
#define IDC_LS_DBM                   1109
#define IDC_LS_SIGNAL2_BAR           1289
#define IDC_LS_SIGNAL3_BAR           1290
#define IDC_LS_STATUS_LABEL          1291
#define IDC_LS_EXTRA_INFO_LABEL      1292
#define IDC_LS_EXTRA_INFO            1293
#define IDC_LS_LINK_SPEED_LABEL      1294
#define IDC_LS_THROUGHPUT_LABEL      1295
#define IDC_LS_QUALITY_LABEL         1296
#define IDC_LS_SIGNAL1_LABEL         1297
#define IDC_LS_RX_KBPS_LABEL         1298
#define IDC_LS_TX_KBPS_LABEL         1299
#define IDC_LS_TX_MBPS_LABEL         1300
#define IDC_LS_RX_MBPS_LABEL         1301
#define IDC_LS_RX_SPEED              1302
#define IDC_LS_NOISE_LABEL           1303
#define IDC_LS_NOISE_VALUE           1304
#define IDC_LS_NOISE_BAR             1305
#define IDC_LS_QUALITY_WORD          1306
#define IDC_LS_SIGNAL1_WORD          1307
#define IDC_LS_CHANNEL_LABEL         1308
#define IDC_LS_NOISE_WORD            1309
#define IDC_LS_RECONNECT             1310
#define IDC_LS_REAUTHENTICATE        1311
#define IDC_LS_SIGNAL2_LABEL         1312
#define IDC_LS_SIGNAL3_LABEL         1313
#define IDC_LS_SIGNAL2_VALUE         1314
#define IDC_LS_SIGNAL2_WORD          1315
#define IDC_LS_HT_GROUP              1316
#define IDC_LS_HT_GI                 1317
#define IDC_LS_HT_BW                 1318
#define IDC_LS_HT_STBC               1319
#define IDC_LS_HT_MCS                1320
#define IDC_LS_SIGNAL3_VALUE         1321
#define IDC_LS_SIGNAL3_WORD          1322
#define IDC_LS_HT_SNR0               1323
#define IDC_LS_HT_SNR1               1324
#define IDS_LS_CHANNEL               6
#define IDS_LS_LINK_QUALITY          7
#define IDS_LS_RX_KBPS               8
#define IDS_LS_THROUGHPUT            10
#define IDS_LS_TX_KBPS               11
#define IDS_LS_STATUS                12
#define IDS_LS_SIGNAL1               18
#define IDS_LS_GOOD                  50
#define IDS_LS_NORMAL                51
#define IDS_LS_WEAK                  52
#define IDS_LS_RX_MBPS               55
#define IDS_LS_SIGNAL2               56
#define IDS_LS_TX_MBPS               57
#define IDS_LS_SIGNAL3               58
#define IDS_LS_LINK_SPEED            59
#define IDS_LS_NOISE_LEVEL           60
#define IDS_LS_DISCONNECTED          110
#define IDS_LS_RF_OFF                111
#define IDS_LS_DBM                   179
#define IDS_LS_LINK_UP               353    /* extra-info code 0; codes 1-10: 355-364 */
#define IDS_LINK_STATUS              354    /* the page's caption, amid the extra-info texts */
#define IDS_LS_LINK_DOWN             355
#define IDS_LS_HW_RADIO_OFF          356
#define IDS_LS_SW_RADIO_OFF          357
#define IDS_LS_OPEN_AUTH_FAIL        358
#define IDS_LS_SHARED_AUTH_FAIL      359
#define IDS_LS_ASSOC_FAIL            360
#define IDS_LS_DEAUTH_MIC            361
#define IDS_LS_DEAUTH_4WAY           362
#define IDS_LS_DEAUTH_GROUP_KEY      363
#define IDS_LS_EAP_SUCCEED           364
#define IDS_LS_CENTRAL_CHANNEL       365
#define IDS_LS_NOISE_STRONG          366
#define IDS_LS_NOISE_NORMAL          367
#define IDS_LS_NOISE_LOW             368
#define IDS_LS_EXTRA_INFO            375
/* Statistics page (135): labels 1178-1189, values 1074-1083; the row of frames sent without
 * a retry (1180, 1075) is hidden */
#define IDD_STATISTICS               135
#define IDC_ST_TX_GROUP              1178
#define IDC_ST_TX_OK_LABEL           1179
#define IDC_ST_TX_NO_RETRY_LABEL     1180
#define IDC_ST_TX_RETRY_LABEL        1181
#define IDC_ST_TX_FAIL_LABEL         1182
#define IDC_ST_RTS_OK_LABEL          1183
#define IDC_ST_RTS_FAIL_LABEL        1184
#define IDC_ST_RX_GROUP              1185
#define IDC_ST_RX_OK_LABEL           1186
#define IDC_ST_RX_CRC_LABEL          1187
#define IDC_ST_RX_DROPPED_LABEL      1188
#define IDC_ST_RX_DUPLICATE_LABEL    1189
#define IDC_ST_TX_OK                 1074
#define IDC_ST_TX_NO_RETRY           1075
#define IDC_ST_TX_RETRY              1076
#define IDC_ST_RX_DUPLICATE          1077
#define IDC_ST_RX_DROPPED            1078
#define IDC_ST_RX_CRC                1079
#define IDC_ST_RX_OK                 1080
#define IDC_ST_RTS_FAIL              1081
#define IDC_ST_RTS_OK                1082
#define IDC_ST_TX_FAIL               1083
#define IDC_ST_RESET                 1084
#define IDS_ST_TX_GROUP              25
#define IDS_ST_TX_OK                 26
#define IDS_ST_TX_NO_RETRY           27
#define IDS_ST_TX_RETRY              28
#define IDS_ST_TX_FAIL               29
#define IDS_ST_RTS_OK                30
#define IDS_ST_RTS_FAIL              31
#define IDS_ST_RX_GROUP              32
#define IDS_ST_RX_OK                 33
#define IDS_ST_RX_CRC                34
#define IDS_ST_RX_DROPPED            35
#define IDS_ST_RX_DUPLICATE          36
#define IDS_ST_RESET                 37

/* About page (136): the firmware row (1179, 1058) is hidden until the firmware version is read */
#define IDD_ABOUT                    136
#define IDC_ABOUT_DRIVER_VERSION     1052
#define IDC_ABOUT_UTILITY_VERSION    1053
#define IDC_ABOUT_EEPROM             1054
#define IDC_ABOUT_DRIVER_DATE        1055
#define IDC_ABOUT_UTILITY_DATE       1056
#define IDC_ABOUT_MAC                1057
#define IDC_ABOUT_FIRMWARE           1058
#define IDC_ABOUT_WEB                1063   /* its caption is the vendor's web address */
#define IDC_ABOUT_COPYRIGHT          1085
#define IDC_ABOUT_UTILITY_LABEL      1173
#define IDC_ABOUT_UTILITY_DATE_LABEL 1174
#define IDC_ABOUT_DRIVER_LABEL       1175
#define IDC_ABOUT_DRIVER_DATE_LABEL  1176
#define IDC_ABOUT_EEPROM_LABEL       1178
#define IDC_ABOUT_FIRMWARE_LABEL     1179
#define IDC_ABOUT_IP_LABEL           1219
#define IDC_ABOUT_IP                 1220
#define IDC_ABOUT_MAC_LABEL          1221
#define IDC_ABOUT_MASK_LABEL         1223
#define IDC_ABOUT_GATEWAY_LABEL      1224
#define IDC_ABOUT_MASK               1225
#define IDC_ABOUT_GATEWAY            1226
#define IDS_ABOUT_DRIVER_VERSION     2
#define IDS_ABOUT_DATE               3
#define IDS_ABOUT_PHY_ADDRESS        4
#define IDS_ABOUT_UTILITY_VERSION    5
#define IDS_ABOUT_EEPROM_VERSION     296
#define IDS_ABOUT_FIRMWARE_VERSION   309
#define IDS_ABOUT_IP_ADDRESS         350
#define IDS_ABOUT_SUB_MASK           351
#define IDS_ABOUT_GATEWAY            352

/* Setting Register page (175): built, never added to the sheet */
#define IDD_REG_SET                  175
#define IDC_REGSET_MAC_VALUE         1087
#define IDC_REGSET_BBP_VALUE         1088
#define IDC_REGSET_RF_VALUE          1089
#define IDC_REGSET_MAC_QUERY         1090
#define IDC_REGSET_BBP_QUERY         1091
#define IDC_REGSET_R17_QUERY         1092
#define IDC_REGSET_MAC_SET           1093
#define IDC_REGSET_BBP_SET           1094
#define IDC_REGSET_RF_SET            1095
#define IDC_REGSET_MAC_OFFSET        1096
#define IDC_REGSET_BBP_ID            1097
#define IDC_REGSET_R17_SET           1098
#define IDC_REGSET_R17_BYTE2         1099
#define IDC_REGSET_ERROR_MIC         1100
#define IDC_REGSET_R17_BYTE0         1101
#define IDC_REGSET_R17_MAX           1102   /* byte 3, hex */
#define IDC_REGSET_R17_BYTE1         1103
#define IDC_REGSET_MIC_DELAY         1104   /* seconds, 0-59 */
#define IDC_REGSET_EEPROM_OFFSET     1107
#define IDC_REGSET_EEPROM_VALUE      1108
#define IDC_REGSET_EEPROM_QUERY      1109
#define IDC_REGSET_EEPROM_SET        1110
#define IDS_REGSET_BAD_HEX8          3960
#define IDS_REGSET_BAD_HEX2          3961
/* Event Log page */
#define IDD_EVENT_LOG                191
#define IDC_EVENT_LIST               1107
#define IDC_EVENT_CLEAR              1108
#define IDS_EVENT_CLEAR              236
#define IDS_EVENT_TIME_COLUMN        237
#define IDS_EVENT_MESSAGE_COLUMN     238
#define IDS_EVENT_RESTART            242    /* the texts of event codes 0 to 5, in code order */
#define IDS_EVENT_ASSOCIATED         243
#define IDS_EVENT_LEFT               244
#define IDS_EVENT_AGED_OUT           245
#define IDS_EVENT_COUNTERMEASURE     246
#define IDS_EVENT_WRONG_PSK          247

/* Mac Table page (its address header is IDS_MAC_ADDRESS) */
#define IDD_MAC_TABLE                190
#define IDC_MAC_TABLE_LIST           1106
#define IDS_POWER_SAVING_MODE        239
#define IDS_AID                      240
#define IDS_YES                      255
#define IDS_NO                       256
#define IDS_STATION_STATUS           348

#endif /* HAVIX_RESOURCE_H */
