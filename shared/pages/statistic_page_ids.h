#pragma once
// The Statistics page's controls and strings as numbered by the resource.h the including
// program included before this: both programs' resources name them alike, with numbers of
// their own. Included by each program's page alone.
#include "shared/pages/statistic_page_base.h"

#ifndef IDC_ST_RESET
#error "include the program's resource.h before statistic_page_ids.h"
#endif

static constexpr CStatisticPageBase::Ids kStatisticPageIds = {
    IDD_STATISTICS,
    IDS_STATISTICS,
    {IDC_ST_TX_OK, IDC_ST_TX_RETRY, IDC_ST_TX_FAIL, IDC_ST_RTS_OK, IDC_ST_RTS_FAIL, IDC_ST_TX_NO_RETRY, IDC_ST_RX_OK,
     IDC_ST_RX_CRC, IDC_ST_RX_DROPPED, IDC_ST_RX_DUPLICATE},
    {
        {IDC_ST_TX_GROUP, IDS_ST_TX_GROUP},           {IDC_ST_RX_GROUP, IDS_ST_RX_GROUP},
        {IDC_ST_TX_OK_LABEL, IDS_ST_TX_OK},           {IDC_ST_TX_RETRY_LABEL, IDS_ST_TX_RETRY},
        {IDC_ST_TX_FAIL_LABEL, IDS_ST_TX_FAIL},       {IDC_ST_RTS_OK_LABEL, IDS_ST_RTS_OK},
        {IDC_ST_RTS_FAIL_LABEL, IDS_ST_RTS_FAIL},     {IDC_ST_TX_NO_RETRY_LABEL, IDS_ST_TX_NO_RETRY},
        {IDC_ST_RX_OK_LABEL, IDS_ST_RX_OK},           {IDC_ST_RX_CRC_LABEL, IDS_ST_RX_CRC},
        {IDC_ST_RX_DROPPED_LABEL, IDS_ST_RX_DROPPED}, {IDC_ST_RX_DUPLICATE_LABEL, IDS_ST_RX_DUPLICATE},
        {IDC_ST_RESET, IDS_ST_RESET},
    },
};
