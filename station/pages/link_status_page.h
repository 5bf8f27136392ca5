#pragma once
// The "Link Status" page of the main sheet: connection, channel, rates, throughput, link
// quality, the signal of up to three receive chains, noise and, on 802.11n adapters, the
// bandwidth, guard interval, MCS and SNR. It polls every 2 seconds while it is the active
// page, and only then.
#include "shared/pages/link_status_page_base.h"

class CLinkStatusPage : public CLinkStatusPageBase {
public:
    CLinkStatusPage();

protected:
    void Tick() override;
    bool ReadLinkInfo(LinkInfoRecord* record) const override;
    int SignalPercent(int32_t rssi) const override;
    FW_DECLARE_MESSAGE_MAP()

private:
    void ClearValues();
    void RequestRescan();
    std::string StatusText(const uint8_t bssid[6]) const;
};
