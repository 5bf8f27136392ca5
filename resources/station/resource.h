/* Resource ids of the station program (Lumora).
 * Shared by lumora.rc and the C++ sources: keep it to plain #defines. */
#ifndef LUMORA_RESOURCE_H
#define LUMORA_RESOURCE_H

/* Dialogs */
#define IDD_HIDE_DLG                 149    /* hidden main window; its caption is the single-instance key */
#define IDD_SITE_SURVEY              134
#define IDD_HIDDEN_SSID              197

#ifndef IDC_STATIC
#define IDC_STATIC                   (-1)
#endif

/* The adapter selection dialog, IDD_SEL_CARD, and its controls */
#include "shared/adapter/sel_card_ids.h"

/* Controls of IDD_SITE_SURVEY */
#define IDC_SITE_LIST                1002
#define IDC_SITE_RESCAN              1003   /* also the rescan request other windows send */
#define IDC_SITE_CONNECT             1004   /* hidden; a double-click does the same */
#define IDC_SITE_ADD_PROFILE         1005
#define IDC_SITE_STATUS              1086

/* Controls of IDD_HIDDEN_SSID */
#define IDC_HIDDEN_SSID              1062
#define IDC_HIDDEN_PROMPT            1211

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
/* Site Survey */
#define IDS_RESCAN                   13
#define IDS_CONNECT                  14
#define IDS_ADD_PROFILE              15
#define IDS_COL_SSID                 16
#define IDS_COL_BSSID                17
#define IDS_COL_PHY                  18
#define IDS_COL_SIGNAL               19
#define IDS_COL_CHANNEL              20
#define IDS_COL_ENCRYPTION           21
#define IDS_COL_AUTHENTICATION       22
#define IDS_COL_NETWORK_TYPE         23
#define IDS_RESCANNING               53
#define IDS_DISCONNECTED             104
#define IDS_RF_OFF                   105
#define IDS_CONNECTING               106
#define IDS_UNKNOWN                  107
#define IDS_NO_SELECTED_ITEM         109
#define IDS_CONNECTED                119
#define IDS_NET_ADHOC                120
#define IDS_NET_INFRASTRUCTURE       121
#define IDS_NET_AUTO                 122
#define IDS_ENC_NONE                 123
#define IDS_ENC_WEP                  124
#define IDS_ENTER_SSID               131
#define IDS_OK                       132
#define IDS_CANCEL                   133
#define IDS_SITE_SURVEY              182
#define IDS_AUTOCONFIG_DISABLED      413

/* About page */
#define IDD_ABOUT                    136
#define IDS_ABOUT                    184    /* its tab caption */
#define IDC_ABOUT_DRIVER_VERSION     1052
#define IDC_ABOUT_UTILITY_VERSION    1053
#define IDC_ABOUT_DRIVER_DATE        1055
#define IDC_ABOUT_UTILITY_DATE       1056
#define IDC_ABOUT_EEPROM             1057
#define IDC_ABOUT_FIRMWARE           1058   /* hidden until the firmware version is read */
#define IDC_ABOUT_MAC                1059
#define IDC_ABOUT_GATEWAY            1060
#define IDC_ABOUT_IP                 1061
#define IDC_ABOUT_MASK               1062
#define IDC_ABOUT_WEB                1063   /* its caption is the vendor's web address */
#define IDC_ABOUT_COPYRIGHT          1085
#define IDC_ABOUT_UTILITY_LABEL      1173
#define IDC_ABOUT_UTILITY_DATE_LABEL 1174
#define IDC_ABOUT_DRIVER_LABEL       1175
#define IDC_ABOUT_DRIVER_DATE_LABEL  1176
#define IDC_ABOUT_EEPROM_LABEL       1177
#define IDC_ABOUT_MAC_LABEL          1178
#define IDC_ABOUT_IP_LABEL           1179
#define IDC_ABOUT_FIRMWARE_LABEL     1180
#define IDC_ABOUT_MASK_LABEL         1181
#define IDC_ABOUT_GATEWAY_LABEL      1182
#define IDS_ABOUT_DRIVER_VERSION     1
#define IDS_ABOUT_DATE               2
#define IDS_ABOUT_PHY_ADDRESS        3
#define IDS_ABOUT_UTILITY_VERSION    4
#define IDS_ABOUT_IP_ADDRESS         56
#define IDS_ABOUT_SUB_MASK           57
#define IDS_ABOUT_GATEWAY            58
#define IDS_ABOUT_EEPROM_VERSION     231
#define IDS_ABOUT_FIRMWARE_VERSION   1244

/* Setting Register page (built, never added to the sheet) */
#define IDD_REG_SET                  175
#define IDC_REGSET_MAC_VALUE         1087
#define IDC_REGSET_BBP_VALUE         1088
#define IDC_REGSET_RF_R4             1089
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
#define IDC_REGSET_RF_R1             1100
#define IDC_REGSET_R17_BYTE0         1101
#define IDC_REGSET_R17_MAX           1102   /* byte 3, hex */
#define IDC_REGSET_R17_BYTE1         1103
#define IDC_REGSET_RF_R2             1104
#define IDC_REGSET_RF_R3             1105
#define IDC_REGSET_BBP_TUNING_SET    1106
#define IDC_REGSET_RF_TUNING         1232
#define IDC_REGSET_RF_GROUP          1233
#define IDC_REGSET_RF_LABEL          1234
#define IDC_REGSET_RF_R1_LABEL       1235
#define IDC_REGSET_RF_R3_LABEL       1236
#define IDC_REGSET_RF_R2_LABEL       1237
#define IDC_REGSET_RF_R4_LABEL       1238
#define IDC_REGSET_BBP_TUNING        1239
#define IDC_REGSET_EEPROM_OFFSET     3107
#define IDC_REGSET_EEPROM_VALUE      3108
#define IDC_REGSET_EEPROM_QUERY      4109
#define IDC_REGSET_EEPROM_SET        4110
#define IDS_REGSET_BAD_HEX8          3951
#define IDS_REGSET_BAD_HEX2          3952
#define IDS_REGSET_BAD_BYTE          3953

/* Link Status page */
#define IDD_LINK_STATUS              133
#define IDC_LS_STATUS                1041
#define IDC_LS_EXTRA_INFO            1048
#define IDC_LS_CHANNEL               1042
#define IDC_LS_TX_SPEED              1043
#define IDC_LS_RX_SPEED              1044
#define IDC_LS_TX_THROUGHPUT         1008
#define IDC_LS_RX_THROUGHPUT         1009
#define IDC_LS_QUALITY_BAR           1010
#define IDC_LS_QUALITY_WORD          1045
#define IDC_LS_QUALITY_VALUE         1039
#define IDC_LS_SIGNAL1_BAR           1012
#define IDC_LS_SIGNAL1_WORD          1047
#define IDC_LS_SIGNAL1_VALUE         1040
#define IDC_LS_SIGNAL2_BAR           1014
#define IDC_LS_SIGNAL2_WORD          1051
#define IDC_LS_SIGNAL2_VALUE         1050
#define IDC_LS_SIGNAL3_BAR           1015
#define IDC_LS_SIGNAL3_WORD          4053
#define IDC_LS_SIGNAL3_VALUE         3052
#define IDC_LS_NOISE_BAR             1013
#define IDC_LS_NOISE_WORD            1049
#define IDC_LS_NOISE_VALUE           1046
#define IDC_LS_DBM                   1106   /* values in dBm instead of percent */
#define IDC_LS_HT_GROUP              3283
#define IDC_LS_HT_BW                 3286
#define IDC_LS_HT_GI                 3285
#define IDC_LS_HT_MCS                1288
#define IDC_LS_HT_SNR0               1289
#define IDC_LS_HT_SNR1               1290
#define IDC_LS_RECONNECT             1230   /* created hidden */
#define IDC_LS_REAUTHENTICATE        1231   /* created hidden */
#define IDC_LS_STATUS_LABEL          1191
#define IDC_LS_EXTRA_INFO_LABEL      1217
#define IDC_LS_CHANNEL_LABEL         1192
#define IDC_LS_LINK_SPEED_LABEL      1193
#define IDC_LS_TX_MBPS_LABEL         1209
#define IDC_LS_RX_MBPS_LABEL         1210
#define IDC_LS_THROUGHPUT_LABEL      1194
#define IDC_LS_TX_KBPS_LABEL         1198
#define IDC_LS_RX_KBPS_LABEL         1197
#define IDC_LS_QUALITY_LABEL         1195
#define IDC_LS_SIGNAL1_LABEL         1196
#define IDC_LS_SIGNAL2_LABEL         1199
#define IDC_LS_SIGNAL3_LABEL         3200
#define IDC_LS_NOISE_LABEL           1213
#define IDS_LS_EXTRA_INFO            5
#define IDS_LS_LINK_QUALITY          6
#define IDS_LS_RX_KBPS               7
#define IDS_LS_THROUGHPUT            9
#define IDS_LS_TX_KBPS               10
#define IDS_LS_LINK_SPEED            11
#define IDS_LS_STATUS                12
#define IDS_LS_GOOD                  50
#define IDS_LS_NORMAL                51
#define IDS_LS_WEAK                  52
#define IDS_LS_SIGNAL1               55
#define IDS_LS_TX_MBPS               59
#define IDS_LS_RX_MBPS               60
#define IDS_LS_CHANNEL               61
#define IDS_LS_DBM                   173
#define IDS_NIC_NOT_READY            176
#define IDS_LINK_STATUS              181
#define IDS_LS_NOISE_LEVEL           251
#define IDS_LS_NOISE_STRONG          290
#define IDS_LS_NOISE_NORMAL          291
#define IDS_LS_NOISE_LOW             292
/* Extra-info codes 0-10 of the driver, in code order */
#define IDS_LS_LINK_UP               297
#define IDS_LS_LINK_DOWN             298
#define IDS_LS_HW_RADIO_OFF          299
#define IDS_LS_SW_RADIO_OFF          300
#define IDS_LS_OPEN_AUTH_FAIL        301
#define IDS_LS_SHARED_AUTH_FAIL      302
#define IDS_LS_ASSOC_FAIL            303
#define IDS_LS_DEAUTH_MIC            304
#define IDS_LS_DEAUTH_4WAY           305
#define IDS_LS_DEAUTH_GROUP_KEY      306
#define IDS_LS_EAP_SUCCEED           307
#define IDS_LS_SIGNAL2               327
#define IDS_LS_CENTRAL_CHANNEL       386
#define IDS_LS_SIGNAL3               387

/* Statistics page */
#define IDD_STATISTICS               135
#define IDC_ST_TX_GROUP              1179
#define IDC_ST_RX_GROUP              1186
#define IDC_ST_TX_OK_LABEL           1180
#define IDC_ST_TX_NO_RETRY_LABEL     1181   /* hidden */
#define IDC_ST_TX_RETRY_LABEL        1182
#define IDC_ST_TX_FAIL_LABEL         1183
#define IDC_ST_RTS_OK_LABEL          1184
#define IDC_ST_RTS_FAIL_LABEL        1185
#define IDC_ST_RX_OK_LABEL           1187
#define IDC_ST_RX_CRC_LABEL          1188
#define IDC_ST_RX_DROPPED_LABEL      1189
#define IDC_ST_RX_DUPLICATE_LABEL    1190
#define IDC_ST_TX_OK                 1074
#define IDC_ST_TX_NO_RETRY           1075   /* hidden */
#define IDC_ST_TX_RETRY              1076
#define IDC_ST_RX_DUPLICATE          1077
#define IDC_ST_RX_DROPPED            1078
#define IDC_ST_RX_CRC                1079
#define IDC_ST_RX_OK                 1080
#define IDC_ST_RTS_FAIL              1081
#define IDC_ST_RTS_OK                1082
#define IDC_ST_TX_FAIL               1083
#define IDC_ST_RESET                 1084
#define IDS_ST_TX_GROUP              26
#define IDS_ST_TX_OK                 27
#define IDS_ST_TX_NO_RETRY           28
#define IDS_ST_TX_RETRY              29
#define IDS_ST_TX_FAIL               30
#define IDS_ST_RTS_OK                31
#define IDS_ST_RTS_FAIL              32
#define IDS_ST_RX_GROUP              33
#define IDS_ST_RX_OK                 34
#define IDS_ST_RX_CRC                35
#define IDS_ST_RX_DROPPED            36
#define IDS_ST_RX_DUPLICATE          37
#define IDS_ST_RESET                 38
#define IDS_STATISTICS               183

/* Advanced page (built, never added to the sheet) */
#define IDD_ADVANCED                 190
#define IDS_ADVANCED                 188
#define IDB_RADIO_ON                 188
#define IDB_RADIO_OFF                189
#define IDC_ADV_REGION24             1000
#define IDC_ADV_REGION5              1001
#define IDC_ADV_RADIO                1006
#define IDC_ADV_RADIO_IMAGE          1105
#define IDC_ADV_THRESHOLD            1106
#define IDC_ADV_MODE                 1107
#define IDC_ADV_TX_BURST             1109
#define IDC_ADV_CCKM                 1110
#define IDC_ADV_APPLY                1111
#define IDC_ADV_CCX                  1112
#define IDC_ADV_TX_RATE              1113
#define IDC_ADV_RADIO_MEASURE        1114
#define IDC_ADV_NON_SERVING          1115
#define IDC_ADV_QOS                  1116   /* created hidden */
#define IDC_ADV_FAST_ROAMING         1117
#define IDC_ADV_PROTECTION           1118
#define IDC_ADV_TCP_WINDOW           1119
#define IDC_ADV_LIMIT                1220
#define IDC_ADV_LIMIT_LABEL          1221
#define IDC_ADV_LIMIT_UNITS          1222
#define IDC_ADV_DBM                  1223
#define IDC_ADV_REGION_GROUP         1227
#define IDC_ADV_REGION24_LABEL       1239
#define IDC_ADV_REGION5_LABEL        1240
#define IDC_ADV_HT_GF                1283
#define IDC_ADV_STBC_AUTO            1278
#define IDC_ADV_MCS                  1279
#define IDC_ADV_TX_RATE_TEXT         1280
#define IDC_ADV_EXT_NONE             1285
#define IDC_ADV_EXT_ABOVE            1286
#define IDC_ADV_EXT_BELOW            1287
#define IDC_ADV_BW_20                3273
#define IDC_ADV_BW_AUTO              3274
#define IDC_ADV_STBC_NONE            3277
#define IDC_ADV_HT_MM                3282
#define IDC_ADV_HT_GROUP             4268
#define IDC_ADV_GI_LONG              4275
#define IDC_ADV_GI_AUTO              4276
#define IDC_ADV_HT_MODE_LABEL        4280
#define IDC_ADV_BW_LABEL             4281
#define IDC_ADV_GI_LABEL             4282
#define IDC_ADV_STBC_LABEL           4283
#define IDC_ADV_EXT_LABEL            4284
#define IDC_ADV_MCS_LABEL            4285
#define IDS_TURN_ON_RF               111
#define IDS_TURN_OFF_RF              112
#define IDS_REGION_CHANGE_DROPS_LINK 158
#define IDS_MODE_11B_ONLY            208
#define IDS_MODE_11BG_MIX            209
#define IDS_ENABLE_TX_BURST          210
#define IDS_APPLY                    212
#define IDS_PROTECTION_ON            213
#define IDS_PROTECTION_OFF           214
#define IDS_RATE_FIRST               215    /* 215-226: "1 Mbps" ... "54 Mbps" */
#define IDS_MODE_11A_ONLY            227
#define IDS_MODE_11ABG_MIX           228
#define IDS_MODE_CHANGES_CHANNEL     237
#define IDS_MODE_11G_ONLY            247
#define IDS_ENABLE_CCX               316
#define IDS_LEAP_CCKM                317
#define IDS_RADIO_MEASUREMENTS       318
#define IDS_NON_SERVING              319
#define IDS_ENABLE_QOS               322
#define IDS_HT_NOT_TOGETHER          370
#define IDS_MODE_11ABGN_MIX          389
#define IDS_MODE_11BGN_MIX           392
/* ---- Block-ack page ("11n Configuration") and its dialogs ---- */
#define IDD_BLOCK_ACK                244    /* held by the main sheet, never added */
#define IDD_ADD_BLOCK_ACK            242
#define IDD_DELETE_BLOCK_ACK         243
/* Controls of IDD_BLOCK_ACK */
#define IDC_BA_ORIGINATOR_LIST       3257
#define IDC_BA_RECIPIENT_LIST        3256
#define IDC_BA_ORIGINATOR_GROUP      3263
#define IDC_BA_RECIPIENT_GROUP       3264
#define IDC_BA_ORIGINATOR_ADD        4244
#define IDC_BA_ORIGINATOR_DELETE     1247
#define IDC_BA_ORIGINATOR_DELETE_ALL 3248
#define IDC_BA_RECIPIENT_ADD         3275
#define IDC_BA_RECIPIENT_DELETE      3276
#define IDC_BA_RECIPIENT_DELETE_ALL  1277
#define IDC_BA_APPLY                 4259
#define IDC_BA_AGGREGATION           4260
#define IDC_BA_MANUAL                5242   /* radio group: Manual, Auto */
#define IDC_BA_AUTO                  5243
#define IDC_BA_DENSITY_LABEL         1282
#define IDC_BA_DENSITY               1281
#define IDC_BA_AMSDU_GROUP           3254
#define IDC_BA_AMSDU                 3258
#define IDC_BA_AMSDU_3839            3262   /* radio group: 3839, 7935 */
#define IDC_BA_AMSDU_7935            3265
#define IDC_BA_SMPS_GROUP            1255
#define IDC_BA_SM_ENABLE             4267   /* radio group: SM enable, static, dynamic */
#define IDC_BA_SMPS_STATIC           4266
#define IDC_BA_SMPS_DYNAMIC          3268
/* Controls of IDD_ADD_BLOCK_ACK and IDD_DELETE_BLOCK_ACK */
#define IDC_BA_TID_LABEL             1265
#define IDC_BA_TID                   3259
#define IDC_BA_WINDOW_LABEL          3266
#define IDC_BA_WINDOW                4243
#define IDC_BA_BSSID_LABEL           3267
#define IDC_BA_BSSID_LIST            4242
/* Strings */
#define IDS_BA_AUTO                  356
#define IDS_BA_RECIPIENT_OF          357
#define IDS_BA_MANUAL                358
#define IDS_BA_ADD                   360
#define IDS_BA_DELETE_ENTRY          361
#define IDS_BA_APPLY                 362
#define IDS_BA_TID                   363
#define IDS_BA_ORIGINATOR_OF         364
#define IDS_BA_DELETE                365
#define IDS_BA_ADD_TITLE             366
#define IDS_BA_CONNECTED_BSSIDS      367
#define IDS_BA_WINDOW_LIMIT          371
#define IDS_BA_MAC                   372
#define IDS_BA_OK                    374
#define IDS_BLOCK_ACK                375
#define IDS_BA_CHOOSE_BSSID          380
#define IDS_BA_CANCEL                381
#define IDS_BA_DENSITY               384
#define IDS_BA_DELETE_TITLE          385
#define IDS_ENTER_INTEGER            3991   /* a number field that holds no whole number */

/* ---- QoS page and the power-save dialog ---- */
#define IDD_QOS                      237
#define IDD_POWER_SAVE               240
/* Controls of IDD_QOS */
#define IDC_QOS_WMM                  1264
#define IDC_QOS_WMM_APPLY            1276
#define IDC_QOS_APSD                 1251
#define IDC_QOS_APSD_SETTING         1266
#define IDC_QOS_DLS                  1250
#define IDC_QOS_DLS_APPLY            1259
#define IDC_QOS_DIRECT_LINK_LABEL    1275
#define IDC_QOS_DLS_GROUP            1249
#define IDC_QOS_DLS_STATUS_GROUP     1257
#define IDC_QOS_MAC_LABEL            1252
#define IDC_QOS_MAC1                 1253   /* the six two-digit pieces of the peer MAC */
#define IDC_QOS_MAC2                 1258
#define IDC_QOS_MAC3                 1260
#define IDC_QOS_MAC4                 1261
#define IDC_QOS_MAC5                 1262
#define IDC_QOS_MAC6                 1263
#define IDC_QOS_TIMEOUT              1255
#define IDC_QOS_TIMEOUT_UNIT         1269
#define IDC_QOS_LINK_APPLY           1256
#define IDC_QOS_TEAR_DOWN            1268
#define IDC_QOS_LIST                 1267
/* Controls of IDD_POWER_SAVE */
#define IDC_PS_AC_BE                 1243
#define IDC_PS_AC_BK                 1242
#define IDC_PS_AC_VI                 1244
#define IDC_PS_AC_VO                 1245
#define IDC_PS_APPLY                 1111
/* Strings */
#define IDS_QOS_COL_MAC              330
#define IDS_QOS_COL_TIMEOUT          331
#define IDS_QOS_INVALID_MAC          332
#define IDS_QOS_GROUP_MAC            333
#define IDS_QOS_TIMEOUT_RANGE        335
#define IDS_QOS_WMM                  336
#define IDS_QOS                      337
#define IDS_QOS_TEAR_DOWN            338
#define IDS_QOS_SETTING              339
#define IDS_QOS_APSD                 340
#define IDS_QOS_DLS                  341
#define IDS_QOS_DIRECT_LINK          342
#define IDS_QOS_DLS_SETUP            343
#define IDS_QOS_DLS_STATUS           344
#define IDS_POWER_SAVE               345
#define IDS_QOS_MAC_ADDRESS          346
#define IDS_QOS_SEC                  347
#define IDS_QOS_WMM_LOST             414
#define IDS_QOS_POWER_LOST           415

/* ---- Run-loop and ICS progress dialogs ---- */
#define IDD_RUN_LOOP                 241
#define IDD_PROCEEDING_ICS           419
#define IDC_RUNLOOP_PERIOD           1159
#define IDC_RUNLOOP_LOG_RUNS         1160
#define IDC_RUNLOOP_LINE_RUNS        1164
#define IDC_RUNLOOP_CPU              1161
#define IDC_RUNLOOP_TX_LIMIT         1165
#define IDC_RUNLOOP_RX_LIMIT         1166
#define IDC_RUNLOOP_TXRX_LIMIT       1167
#define IDC_RUNLOOP_USE_LINE         1162
#define IDC_RUNLOOP_USE_LOG          1163
#define IDC_ICS_TEXT                 1272
#define IDS_ICS_PROCEEDING           416

/* Profile page */
#define IDD_PROFILE_PAGE             129
#define IDC_PROFILE_ADD              1032
#define IDC_PROFILE_DELETE           1033
#define IDC_PROFILE_EDIT             1034
#define IDC_PROFILE_ACTIVATE         1035
#define IDC_PROFILE_LIST             1059
#define IDC_PROFILE_GROUP            1199
#define IDI_PROFILE_LINKED           174    /* image 0: the active profile, the link on its network */
#define IDI_PROFILE_ACTIVE           185    /* image 1: the active profile, the link elsewhere */
#define IDS_PCOL_NAME                39
#define IDS_PCOL_SSID                40
#define IDS_PCOL_CHANNEL             41
#define IDS_PCOL_AUTHENTICATION      42
#define IDS_PCOL_ENCRYPTION          43
#define IDS_PCOL_NETWORK_TYPE        44
#define IDS_PROFILE_ADD              46
#define IDS_PROFILE_DELETE           47
#define IDS_PROFILE_EDIT             48
#define IDS_PROFILE_ACTIVATE         49
#define IDS_PROFILE_LIST             103
#define IDS_ENC_TKIP                 113
#define IDS_ENC_AES                  114
#define IDS_AUTH_WPA                 116
#define IDS_AUTH_WPA_PSK             117
#define IDS_AUTH_WPA_NONE            118
#define IDS_AUTH_OPEN                146
#define IDS_AUTH_SHARED              147
#define IDS_AUTH_AUTO_SWITCH         179    /* a single blank */
#define IDS_PROFILE                  180
#define IDS_ADD_PROFILE_CAPTION      185
#define IDS_PROFILE_NAME_PREFIX      189
#define IDS_AUTH_LEAP                308
#define IDS_USE_8021X_SUFFIX         310
#define IDS_EDIT_PROFILE_CAPTION     314
#define IDS_AUTH_WPA2                325
#define IDS_AUTH_WPA2_PSK            326

/* ---- Profile editor: System Configuration and Authentication & Security pages, the
 * security twin dialog ---- */
#define IDD_SYS_CONFIG               130
#define IDD_AUTH_SECU                132
#define IDD_AUTH_SECU_DLG            194    /* nothing opens it */
/* Controls of IDD_SYS_CONFIG */
#define IDC_SYS_CAM                  1016   /* radio group: CAM, PSM */
#define IDC_SYS_PSM                  1017
#define IDC_SYS_PREAMBLE             1027
#define IDC_SYS_RTS_SLIDER           1028
#define IDC_SYS_FRAG_SLIDER          1029
#define IDC_SYS_TX_POWER             1030
#define IDC_SYS_NETWORK_TYPE         1031
#define IDC_SYS_CHANNEL              1032
#define IDC_SYS_NAME                 1061
#define IDC_SYS_SSID                 1062
#define IDC_SYS_CAM_ON_AC            1066
#define IDC_SYS_RTS_EDIT             1067
#define IDC_SYS_FRAG_EDIT            1068
#define IDC_SYS_USE_RTS              1069
#define IDC_SYS_USE_FRAG             1070
#define IDC_SYS_CHANNEL_LABEL        1073
#define IDC_SYS_PREAMBLE_LABEL       1092
#define IDC_SYS_POWER_GROUP          1200
#define IDC_SYS_NETWORK_TYPE_LABEL   1201
#define IDC_SYS_TX_POWER_LABEL       1202
#define IDC_SYS_NAME_LABEL           1215
#define IDC_SYS_SSID_LABEL           1216
/* Controls of IDD_AUTH_SECU and IDD_AUTH_SECU_DLG */
#define IDC_AUTH_TYPE                1012
#define IDC_AUTH_KEY1                1062   /* radio group: Key#1 .. Key#4 */
#define IDC_AUTH_KEY2                1063
#define IDC_AUTH_KEY3                1064
#define IDC_AUTH_KEY4                1065
#define IDC_AUTH_LEAP_TKIP           1067
#define IDC_AUTH_PSK                 1109
#define IDC_AUTH_ENCRYPTION          1111
#define IDC_AUTH_WEP_GROUP           1115
#define IDC_AUTH_FORMAT1             1116
#define IDC_AUTH_FORMAT2             1117
#define IDC_AUTH_FORMAT3             1118
#define IDC_AUTH_FORMAT4             1119
#define IDC_AUTH_HEX1                1120
#define IDC_AUTH_ASCII1              1121
#define IDC_AUTH_HEX2                1122
#define IDC_AUTH_ASCII2              1123
#define IDC_AUTH_HEX3                1124
#define IDC_AUTH_ASCII3              1125
#define IDC_AUTH_HEX4                1126
#define IDC_AUTH_ASCII4              1127
#define IDC_AUTH_8021X_SETTINGS      1128   /* never visible */
#define IDC_AUTH_LEAP_IDENTITY       1130
#define IDC_AUTH_LEAP_PASSWORD       1131
#define IDC_AUTH_LEAP_IDENTITY_LABEL 1157
#define IDC_AUTH_LEAP_PASSWORD_LABEL 1158
#define IDC_AUTH_8021X_TOGGLE        1172   /* never visible */
#define IDC_AUTH_TYPE_LABEL          1203
#define IDC_AUTH_ENCRYPTION_LABEL    1204
#define IDC_AUTH_PSK_LABEL           1205
#define IDC_AUTH_LEAP_WEP            1219   /* radio group: WEP, WPA-TKIP, WPA2-AES */
#define IDC_AUTH_LEAP_AES            1220
#define IDC_AUTH_HINT                1240
#define IDC_AUTH_SHOW_PASSWORD       1241
#define IDC_AUTH_USE_8021X           1260
/* Strings */
#define IDS_PROFILE_NAME_TOO_LONG    136
#define IDS_AUTH_TYPE_LABEL          138
#define IDS_ENCRYPTION_LABEL         139
#define IDS_PSK_LABEL                140
#define IDS_WEP_KEY_GROUP            141
#define IDS_KEY1                     142    /* 142-145: "Key#1" .. "Key#4" */
#define IDS_KEY2                     143
#define IDS_KEY3                     144
#define IDS_KEY4                     145
#define IDS_KEY_HEX                  148
#define IDS_KEY_ASCII                149
#define IDS_CAM                      155
#define IDS_PSM                      156
#define IDS_PSM_GROUP                157
#define IDS_CAM_ON_AC                159
#define IDS_PREAMBLE                 161
#define IDS_NETWORK_TYPE             162
#define IDS_TX_POWER                 163
#define IDS_RTS_THRESHOLD            164
#define IDS_FRAG_THRESHOLD           165
#define IDS_PREAMBLE_AUTO            166
#define IDS_LONG_PREAMBLE            171
#define IDS_SYS_CONFIG               186
#define IDS_AUTH_SECU                187
#define IDS_ENTER_PROFILE_NAME       190
#define IDS_CREATE_ANOTHER_PROFILE   192
#define IDS_DUPLICATE_PROFILE_NAME   193
#define IDS_BAD_WEP_ASCII            197
#define IDS_TX_LOWEST                204
#define IDS_SSID_REQUIRED            233
#define IDS_BAD_WPA_PSK              236
#define IDS_USE_8021X                270
#define IDS_DISABLE_8021X            271
#define IDS_8021X_SETTING            272
#define IDS_8021X_SHEET_CAPTION      289
#define IDS_TX_100                   293
#define IDS_TX_75                    294
#define IDS_TX_50                    295
#define IDS_TX_25                    296
#define IDS_LEAP_ID_REQUIRED         309
#define IDS_BAD_WEP_HEX              320
#define IDS_TX_10                    323
#define IDS_BAD_WPA2_PSK             329
#define IDS_WEP_HINT                 1241
#define IDS_SHOW_PASSWORD            1243

/* ---- 802.1X settings sheet, certificate selection, PEAP one-time password ---- */
#define IDD_8021X_AUTH               199
#define IDD_8021X_CA_SERVER          200
#define IDD_SEL_CERT                 201
#define IDD_PEAP_SETTING             236
/* Controls of IDD_8021X_AUTH */
#define IDC_X1_IDENTITY              1130
#define IDC_X1_PASSWORD              1131
#define IDC_X1_WINDOWS_LOGON         1132   /* no effect */
#define IDC_X1_USE_CLIENT_CERT       1133
#define IDC_X1_CHANGE_CERT           1134
#define IDC_X1_TUNNEL_ID             1135
#define IDC_X1_TUNNEL_PASSWORD       1136
#define IDC_X1_TUNNEL_PROTOCOL       1137
#define IDC_X1_USE_PAC               1138
#define IDC_X1_PAC_IMPORT            1139
#define IDC_X1_PAC_REMOVE            1140
#define IDC_X1_ALLOW_UNAUTH          1141
#define IDC_X1_PROVISIONING          1142
#define IDC_X1_METHOD                1144
#define IDC_X1_ISSUED_TO             1146
#define IDC_X1_ISSUED_BY             1147
#define IDC_X1_EXPIRED_ON            1148
#define IDC_X1_FRIENDLY_NAME         1149
#define IDC_X1_PAC_PATH              1155
#define IDC_X1_SOFT_TOKEN            1224   /* radio group: Soft Token, Static Password */
#define IDC_X1_PASSWORD_MODE         1226
#define IDC_X1_SESSION               1227
#define IDC_X1_STATIC_PASSWORD       1228
#define IDC_X1_METHOD_LABEL          3960
#define IDC_X1_SESSION_LABEL         3961
#define IDC_X1_IDENTITY_LABEL        3962
#define IDC_X1_PASSWORD_LABEL        3963
#define IDC_X1_TUNNEL_GROUP          3964
#define IDC_X1_TUNNEL_PROTOCOL_LABEL 3965
#define IDC_X1_TUNNEL_ID_LABEL       3966
#define IDC_X1_TUNNEL_PASSWORD_LABEL 3967
#define IDC_X1_PROVISIONING_LABEL    3968
/* Controls of IDD_8021X_CA_SERVER */
#define IDC_CA_INTERMEDIATE          1135
#define IDC_CA_EXACT_NAME            1136   /* radio group: exact name, domain suffix */
#define IDC_CA_DOMAIN_NAME           1138
#define IDC_CA_SERVER_NAME           1139
#define IDC_CA_ISSUER                1140
#define IDC_CA_USE_CHAIN             1141
#define IDC_CA_ISSUER_LABEL          1154
#define IDC_CA_SERVER_NAME_LABEL     1155
/* Controls of IDD_SEL_CERT */
#define IDC_CERT_LIST                1143
/* Controls of IDD_PEAP_SETTING */
#define IDC_PEAP_IDENTITY            1135
#define IDC_PEAP_PASSWORD            1136
#define IDC_PEAP_PASSWORD_LABEL      1153
/* Strings */
#define IDS_X1_USE_PAC               252
#define IDS_X1_ALLOW_UNAUTH          253
#define IDS_CERT_ISSUED_TO           255
#define IDS_CERT_ISSUED_BY           256
#define IDS_CERT_EXPIRED_ON          257
#define IDS_CERT_FRIENDLY_NAME       258
#define IDS_X1_PASSWORD_LABEL        259
#define IDS_X1_SESSION_LABEL         260
#define IDS_X1_MORE                  273
#define IDS_X1_METHOD_LABEL          274
#define IDS_X1_USE_CLIENT_CERT       275
#define IDS_X1_PASSWORD_MODE         276
#define IDS_X1_WINDOWS_LOGON         277
#define IDS_8021X_CA_SERVER          278
#define IDS_8021X_CERTIFICATION      279
#define IDS_SEL_CERT_TITLE           280
#define IDS_8021X_IDENTITY_REQUIRED  281
#define IDS_8021X_TUNNEL_ID_PASSWORD_REQUIRED 282
#define IDS_8021X_TUNNEL_ID_REQUIRED 283
#define IDS_8021X_MD5_PASSWORD_REQUIRED 284
#define IDS_8021X_SELECT_CLIENT_CERT 285
#define IDS_8021X_SERVER_NAME_REQUIRED 286
#define IDS_8021X_INVALID_DOMAIN     287
#define IDS_X1_IDENTITY_LABEL        288
#define IDS_PAC_FILTER               349
#define IDS_PAC_FILE_PATH            350
#define IDS_X1_TUNNEL_GROUP          351
#define IDS_X1_TUNNEL_PROTOCOL_LABEL 352
#define IDS_X1_TUNNEL_ID_LABEL       353
#define IDS_X1_TUNNEL_PASSWORD_LABEL 354
#define IDS_X1_PROVISIONING_LABEL    355
#define IDS_PAC_PATH_TOO_LONG        3960   /* a PAC path the profile cannot hold */
#define IDS_PAC_REMOVE_CONFIRM       3961

/* ---- WPS page and its dialogs ---- */
#define IDD_WSC_PAGE                 246
#define IDD_WSC_INFO                 247
#define IDD_WSC_DETAIL               248
#define IDD_WSC_UNSECURE             420
/* Controls of IDD_WSC_PAGE */
#define IDC_WSC_AP_LIST              3255
#define IDC_WSC_RESCAN               3256
#define IDC_WSC_PIN                  3257
#define IDC_WSC_INFORMATION          3261
#define IDC_WSC_PBC                  3262
#define IDC_WSC_CONFIG_MODE          1262
#define IDC_WSC_CONFIG_GROUP         1263
#define IDC_WSC_DETAIL               1265
#define IDC_WSC_CONNECT              3266
#define IDC_WSC_ASSOCIATE_IE         3271
#define IDC_WSC_RENEW                1274
#define IDC_WSC_CREDENTIALS          5258
#define IDC_WSC_PROGRESS             5264
#define IDC_WSC_STATUS               4260
#define IDC_WSC_PIN_EDIT             4263
#define IDC_WSC_PIN_GROUP            4264
#define IDC_WSC_ROTATE               4267
#define IDC_WSC_DISCONNECT           4268
#define IDC_WSC_DELETE               4269
#define IDC_WSC_IMPORT               4270
#define IDC_WSC_PROBE_IE             4272
/* Controls of IDD_WSC_INFO: the labels, then the values */
#define IDC_WSCI_AUTH_LABEL          1262
#define IDC_WSCI_ENCRY_LABEL         1263
#define IDC_WSCI_METHODS_LABEL       1264
#define IDC_WSCI_PASSWORD_ID_LABEL   1265
#define IDC_WSCI_REGISTRAR_LABEL     1266
#define IDC_WSCI_STATE_LABEL         1267
#define IDC_WSCI_VERSION_LABEL       1268
#define IDC_WSCI_LOCKED_LABEL        1269
#define IDC_WSCI_UUID_LABEL          1270
#define IDC_WSCI_BANDS_LABEL         1271
#define IDC_WSCI_AUTH                1012
#define IDC_WSCI_ENCRY               3113
#define IDC_WSCI_METHODS             4261
#define IDC_WSCI_PASSWORD_ID         3263
#define IDC_WSCI_REGISTRAR           3268
#define IDC_WSCI_STATE               3270
#define IDC_WSCI_VERSION             3272
#define IDC_WSCI_LOCKED              3275
#define IDC_WSCI_UUID                3114
#define IDC_WSCI_BANDS               4262
/* Controls of IDD_WSC_DETAIL */
#define IDC_WSCD_AUTH                1012   /* display edits; the combos take their place */
#define IDC_WSCD_ENCRY               3113
#define IDC_WSCD_KEY_LENGTH          4015
#define IDC_WSCD_KEY_INDEX           3112
#define IDC_WSCD_SSID                1062
#define IDC_WSCD_MAC                 1063
#define IDC_WSCD_KEY                 3269
#define IDC_WSCD_SHOW_PASSWORD       1241
#define IDC_WSCD_ASCII               3242
#define IDC_WSCD_AUTH_COMBO          1266
#define IDC_WSCD_ENCRY_COMBO         1265
#define IDC_WSCD_KEY_LENGTH_COMBO    1267
#define IDC_WSCD_KEY_INDEX_COMBO     1264
/* Controls of IDD_WSC_UNSECURE */
#define IDC_WSCU_TEXT                1273
/* Strings */
#define IDS_WSC_COL_ID               393
#define IDS_WSC_PAGE                 394
#define IDS_WSC_INFORMATION          395
#define IDS_WSC_PIN_CODE             396
#define IDS_WSC_DETAIL               397
#define IDS_WSC_DISCONNECT           398
#define IDS_WSC_ROTATE               399
#define IDS_WSC_ASSOCIATE_IE         400
#define IDS_WSC_PROBE_IE             401
#define IDS_WSCI_CAPTION             402
#define IDS_WSCI_METHODS             403
#define IDS_WSCI_PASSWORD_ID         404
#define IDS_WSCI_REGISTRAR           405
#define IDS_WSCI_STATE               406
#define IDS_WSCI_VERSION             407
#define IDS_WSCI_LOCKED              408
#define IDS_WSCI_UUID                409
#define IDS_WSCI_BANDS               410
#define IDS_WSCD_CAPTION             411
#define IDS_WSCU_TEXT                417
#define IDS_WSC_IMPORT               419

#endif /* LUMORA_RESOURCE_H */
