#pragma once
// The Link Status page's controls and strings as numbered by the resource.h the including
// program included before this: both programs' resources name them alike, with numbers of
// their own. Included by each program's page alone.
#include "shared/pages/link_status_page_base.h"

#ifndef IDC_LS_NOISE_BAR
#error "include the program's resource.h before link_status_page_ids.h"
#endif

static constexpr CLinkStatusPageBase::Ids kLinkStatusPageIds = {
    IDD_LINK_STATUS,
    IDS_LINK_STATUS,
    {
        {IDC_LS_STATUS_LABEL, IDS_LS_STATUS},         {IDC_LS_EXTRA_INFO_LABEL, IDS_LS_EXTRA_INFO},
        {IDC_LS_CHANNEL_LABEL, IDS_LS_CHANNEL},       {IDC_LS_LINK_SPEED_LABEL, IDS_LS_LINK_SPEED},
        {IDC_LS_TX_MBPS_LABEL, IDS_LS_TX_MBPS},       {IDC_LS_RX_MBPS_LABEL, IDS_LS_RX_MBPS},
        {IDC_LS_THROUGHPUT_LABEL, IDS_LS_THROUGHPUT}, {IDC_LS_TX_KBPS_LABEL, IDS_LS_TX_KBPS},
        {IDC_LS_RX_KBPS_LABEL, IDS_LS_RX_KBPS},       {IDC_LS_QUALITY_LABEL, IDS_LS_LINK_QUALITY},
        {IDC_LS_SIGNAL1_LABEL, IDS_LS_SIGNAL1},       {IDC_LS_SIGNAL2_LABEL, IDS_LS_SIGNAL2},
        {IDC_LS_SIGNAL3_LABEL, IDS_LS_SIGNAL3},       {IDC_LS_NOISE_LABEL, IDS_LS_NOISE_LEVEL},
    },
    IDC_LS_DBM,
    IDS_LS_DBM,
    IDC_LS_STATUS,
    IDC_LS_EXTRA_INFO,
    IDC_LS_CHANNEL,
    IDC_LS_TX_SPEED,
    IDC_LS_RX_SPEED,
    IDC_LS_TX_THROUGHPUT,
    IDC_LS_RX_THROUGHPUT,
    IDC_LS_QUALITY_WORD,
    IDC_LS_QUALITY_VALUE,
    IDC_LS_QUALITY_BAR,
    {
        {IDC_LS_SIGNAL1_LABEL, IDC_LS_SIGNAL1_BAR, IDC_LS_SIGNAL1_WORD, IDC_LS_SIGNAL1_VALUE},
        {IDC_LS_SIGNAL2_LABEL, IDC_LS_SIGNAL2_BAR, IDC_LS_SIGNAL2_WORD, IDC_LS_SIGNAL2_VALUE},
        {IDC_LS_SIGNAL3_LABEL, IDC_LS_SIGNAL3_BAR, IDC_LS_SIGNAL3_WORD, IDC_LS_SIGNAL3_VALUE},
    },
    {IDC_LS_NOISE_LABEL, IDC_LS_NOISE_BAR, IDC_LS_NOISE_WORD, IDC_LS_NOISE_VALUE},
    IDC_LS_HT_BW,
    IDC_LS_HT_GI,
    IDC_LS_HT_MCS,
    IDC_LS_HT_SNR0,
    IDC_LS_HT_SNR1,
    IDS_LS_GOOD,
    IDS_LS_NORMAL,
    IDS_LS_WEAK,
    IDS_LS_NOISE_STRONG,
    IDS_LS_NOISE_NORMAL,
    IDS_LS_NOISE_LOW,
};
