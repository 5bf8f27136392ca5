#pragma once
// The About page's controls and strings as numbered by the resource.h the including program
// included before this: both programs' resources name them alike, with numbers of their own.
// Included by each program's page alone.
#include "shared/pages/about_page_base.h"

#ifndef IDC_ABOUT_WEB
#error "include the program's resource.h before about_page_ids.h"
#endif

static constexpr CAboutPageBase::Ids kAboutPageIds = {
    IDD_ABOUT,
    IDS_ABOUT,
    IDC_ABOUT_UTILITY_VERSION,
    IDC_ABOUT_UTILITY_DATE,
    IDC_ABOUT_COPYRIGHT,
    IDC_ABOUT_DRIVER_VERSION,
    IDC_ABOUT_DRIVER_DATE,
    IDC_ABOUT_MAC,
    IDC_ABOUT_IP,
    IDC_ABOUT_MASK,
    IDC_ABOUT_GATEWAY,
    {IDC_ABOUT_EEPROM_LABEL, IDC_ABOUT_EEPROM},
    {IDC_ABOUT_FIRMWARE_LABEL, IDC_ABOUT_FIRMWARE},
    IDS_ABOUT_FIRMWARE_VERSION,
    IDC_ABOUT_WEB,
    {
        {IDC_ABOUT_UTILITY_LABEL, IDS_ABOUT_UTILITY_VERSION}, {IDC_ABOUT_UTILITY_DATE_LABEL, IDS_ABOUT_DATE},
        {IDC_ABOUT_DRIVER_LABEL, IDS_ABOUT_DRIVER_VERSION},   {IDC_ABOUT_DRIVER_DATE_LABEL, IDS_ABOUT_DATE},
        {IDC_ABOUT_EEPROM_LABEL, IDS_ABOUT_EEPROM_VERSION},   {IDC_ABOUT_MAC_LABEL, IDS_ABOUT_PHY_ADDRESS},
        {IDC_ABOUT_IP_LABEL, IDS_ABOUT_IP_ADDRESS},           {IDC_ABOUT_MASK_LABEL, IDS_ABOUT_SUB_MASK},
        {IDC_ABOUT_GATEWAY_LABEL, IDS_ABOUT_GATEWAY},
    },
};
