#pragma once
// The soft-AP "Link Status" page: the access point's link as its driver reports it (peer,
// channel, rates, throughput, link quality, the signal of up to three receive chains, noise,
// and on 802.11n adapters the bandwidth, guard interval, STBC, MCS and SNR), polled every
// 2 seconds while it is the active page. The main sheet holds it but never adds it.
#include "shared/pages/link_status_page_base.h"

namespace softap {

class CLinkStatusPage : public CLinkStatusPageBase {
public:
    CLinkStatusPage();

    void DoDataExchange(fw::CDataExchange* dx) override;

protected:
    void Tick() override;
    bool ReadLinkInfo(LinkInfoRecord* record) const override;
    int SignalPercent(int32_t rssi) const override;
    FW_DECLARE_MESSAGE_MAP()

private:
    void Refresh();
    void ShowDisconnected();
    void ShowRates(const LinkInfoRecord& info, uint32_t rxWord);

    std::string m_strStbc;
};

}  // namespace softap
