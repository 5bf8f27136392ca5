// The IP configuration listing the simulated machine writes for Quennet.bat, in the layout
// of the Windows XP full listing (Wine's own listing has another layout).
#include <cstdio>
#include <string>

#include "platform/sim/world_state.h"

namespace platform::sim {
namespace {

// "        Label . . . . . . . . . . . : value": labels are padded with dots to one column.
std::string Row(const char* label, const std::string& value) {
    return std::string("        ") + label + " : " + value + "\r\n";
}

std::string MacText(const Mac& m) {
    char t[18];
    std::snprintf(t, sizeof t, "%02X-%02X-%02X-%02X-%02X-%02X", m[0], m[1], m[2], m[3], m[4], m[5]);
    return t;
}

std::string Block(const ConnectionSpec& c) {
    std::string out = std::string(c.ppp ? "PPP adapter " : "Ethernet adapter ") + c.name + ":\r\n\r\n";
    if (c.ip.empty()) {
        out += Row("Media State . . . . . . . . . . .", "Media disconnected");
        out += Row("Description . . . . . . . . . . .", c.description);
        out += Row("Physical Address. . . . . . . . .", MacText(c.mac));
        return out + "\r\n";
    }
    out += Row("Connection-specific DNS Suffix  .", c.dnsSuffix);
    out += Row("Description . . . . . . . . . . .", c.description);
    out += Row("Physical Address. . . . . . . . .", MacText(c.mac));
    out += Row("Dhcp Enabled. . . . . . . . . . .", c.dhcp ? "Yes" : "No");
    if (c.dhcp) out += Row("Autoconfiguration Enabled . . . .", "Yes");
    out += Row("IP Address. . . . . . . . . . . .", c.ip);
    out += Row("Subnet Mask . . . . . . . . . . .", c.mask);
    out += Row("Default Gateway . . . . . . . . .", c.gateway);
    if (c.dhcp && !c.gateway.empty()) out += Row("DHCP Server . . . . . . . . . . .", c.gateway);
    if (!c.gateway.empty()) out += Row("DNS Servers . . . . . . . . . . .", c.gateway);
    if (c.dhcp) {
        out += Row("Lease Obtained. . . . . . . . . .", "Monday, March 02, 2009 9:00:00 AM");
        out += Row("Lease Expires . . . . . . . . . .", "Tuesday, March 03, 2009 9:00:00 AM");
    }
    if (c.ppp) out += Row("NetBIOS over Tcpip. . . . . . . .", "Disabled");
    return out + "\r\n";
}

}  // namespace

std::string IpConfigListing(const std::vector<ConnectionSpec>& connections) {
    std::string out =
        "\r\n"
        "Windows IP Configuration\r\n"
        "\r\n";
    out += Row("Host Name . . . . . . . . . . . .", "tesmar-sim");
    out += Row("Primary Dns Suffix  . . . . . . .", "");
    out += Row("Node Type . . . . . . . . . . . .", "Unknown");
    out += Row("IP Routing Enabled. . . . . . . .", "No");
    out += Row("WINS Proxy Enabled. . . . . . . .", "No");
    out += "\r\n";
    for (const ConnectionSpec& c : connections) out += Block(c);
    return out;
}

}  // namespace platform::sim
