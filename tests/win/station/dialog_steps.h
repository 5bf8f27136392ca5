#pragma once
// Steps of the tests of the pages the main sheet never shows: the 802.11n adapter they are
// tried on, and the clicks, list rows and modal dialogs of tests/win/common/modal_steps.h.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "station_fixture.h"
#include "tests/win/common/modal_steps.h"

namespace testutil {

// An 802.11n PCI adapter (chip index 7) linked to the 802.11n network "Harbor N".
inline std::string HtScenario(const std::string& adapterExtra = "", const std::string& networkExtra = "",
                              const std::string& link = "connected \"Harbor N\" 02:11:22:33:44:55") {
    return R"(
[adapter]
hardware_id = PCI\VEN_F0E1&DEV_7001
description = Norvane ZQ-4402 Wireless LAN PCI Card
instance_id = {A3C05E77-91D4-4B6A-8E20-5F1D7C94B0E8}
driver = {4d36e972-e325-11ce-bfc1-08002be10318}\0008
mac = 02-E1-F0-70-01-21
supports_11n = yes
link = )" + link + "\n" + adapterExtra + R"(
[network]
ssid = "Harbor N"
bssid = 02:11:22:33:44:55
channel = 6
ht = yes
)" + networkExtra;
}

}  // namespace testutil
