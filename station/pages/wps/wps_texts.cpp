#include "station/pages/wps/wps_texts.h"

const char* WpsAuthTypeText(uint32_t authType) {
    switch (authType) {
        case 0x01: return "OPEN";
        case 0x02: return "WPA-PSK";
        case 0x04: return "SHARED";
        case 0x08: return "WPA";
        case 0x10: return "WPA2";
        case 0x20: return "WPA2-PSK";
        default: return "";
    }
}

const char* WpsEncryTypeText(uint32_t encryType) {
    switch (encryType) {
        case 0x01: return "NONE";
        case 0x02: return "WEP";
        case 0x04: return "TKIP";
        case 0x08: return "AES";
        default: return "";
    }
}

namespace {

struct Row {
    uint32_t state;
    const char* text;
    int progress;
    WpsStateAction action;
};

constexpr uint32_t kPinRunBit = 0x10000000u;
constexpr uint32_t kStateBits = 0x0FFFFFFFu;

using A = WpsStateAction;
constexpr Row kStates[] = {
    {0, "WPS status is not used", -1, A::StopPollingAndIdle},
    {1, "WPS status is idled", -1, A::None},
    {2, "Scanning AP", 10, A::None},
    {3, "Begin associating to WPS AP", 15, A::None},
    {4, "Associated to WPS AP", 20, A::None},
    {5, "Sending EAPOL-Start", 25, A::None},
    {6, "Sending EAP-Rsp(ID)", 30, A::None},
    {7, "Sending EAP Response (ACK)", -1, A::None},
    {9, "Receive EAP-Req (NACK)", -1, A::None},
    {15, "Configured", 95, A::Configured},
    {17, "Receive EAPReq WPS_Start", 35, A::None},
    {18, "Sending M1", 40, A::None},
    {19, "Received M2", 45, A::None},
    {20, "Received M2D", 50, A::None},
    {21, "Sending M3", 60, A::None},
    {22, "Received M4", 65, A::None},
    {23, "Sending M5", 70, A::None},
    {24, "Received M6", 75, A::None},
    {25, "Sending M7", 80, A::None},
    {26, "Received M8", 85, A::None},
    {27, "Sending EAP Response (Done)", 90, A::None},
    {34, "Received M1", 40, A::None},
    {35, "Sending M2", 45, A::None},
    {36, "Sending M2D", 50, A::None},
    {37, "Received M3", 60, A::None},
    {38, "Sending M4", 65, A::None},
    {39, "Received M5", 70, A::None},
    {40, "Sending M6", 75, A::None},
    {41, "Received M7", 80, A::None},
    {42, "Sending M8", 85, A::None},
    {43, "Received EAP Response (Done)", 90, A::None},
    {257, "Too many PBC AP available", -1, A::None},
    {258, "No PBC AP available", -1, A::None},
    {259, "Received EAP-FAIL", -1, A::None},
    {260, "Receive EAP with wrong NONCE", -1, A::None},
    {261, "Receive EAP without integrity (Hmac mismatch)", -1, A::None},
    {262, "Error PIN Code (R-Hash mismatch)", -1, A::None},
    {513, "Invalid SSID in PIN mode", -1, A::StopPolling},
    {514, "Receive EAP-Req with wrong WPS SMI Vendor Id", -1, A::StopPolling},
    {515, "Receive EAP-Req with wrong WPS Vendor Type", -1, A::StopPolling},
    {516, "WPS Eap process failed", -1, A::Failed},
};

}  // namespace

WpsStateInfo WpsStateInfoOf(uint32_t state) {
    for (const Row& row : kStates)
        if (row.state == state) return {true, row.text, row.progress, row.action};
    return {};
}

std::string WpsStatusLine(uint32_t statusWord) {
    std::string line = statusWord & kPinRunBit ? "PIN - " : "PBC - ";
    return line + WpsStateInfoOf(statusWord & kStateBits).text;
}
