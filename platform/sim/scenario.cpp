#include "platform/sim/scenario.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <set>

namespace platform::sim {

std::string ParseError::Text() const {
    if (line <= 0) return message;
    return "line " + std::to_string(line) + ": " + message;
}

std::uint32_t QueryOidOf(std::uint32_t oid) {
    switch (oid >> 16) {
    case 0xFF81: return 0x0D010000u | (oid & 0xFFFFu);
    case 0xFF82: return 0x0D020000u | (oid & 0xFFFFu);
    default: return oid & ~0x00800000u;
    }
}

bool Is5GHzChannel(int c) {
    if (c >= 36 && c <= 64) return c % 4 == 0;
    if (c >= 100 && c <= 144) return c % 4 == 0;
    if (c >= 149 && c <= 165) return (c - 149) % 4 == 0;
    return false;
}

namespace {

constexpr std::size_t kMaxOidAnswer = 65536;
constexpr std::size_t kMaxText = 255;  // the utilities read these into 256-byte buffers

int HexVal(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseHexRun(const std::string& s, std::size_t pos, std::size_t n, std::uint64_t* v) {
    if (pos + n > s.size()) return false;
    std::uint64_t r = 0;
    for (std::size_t i = 0; i < n; ++i) {
        int h = HexVal(s[pos + i]);
        if (h < 0) return false;
        r = (r << 4) | static_cast<unsigned>(h);
    }
    *v = r;
    return true;
}

std::string Trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::vector<std::string> Split(const std::string& s) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
        std::size_t b = i;
        while (i < s.size() && !std::isspace(static_cast<unsigned char>(s[i]))) ++i;
        if (i > b) out.push_back(s.substr(b, i - b));
    }
    return out;
}

// Only whole lines are comments: names such as "Card #2" keep their '#'.
bool IsComment(const std::string& trimmed) { return !trimmed.empty() && trimmed[0] == '#'; }

struct Fail {
    std::string message;
};

// A quoted string with \" \\ \xNN escapes starting at pos; returns the position after it.
std::size_t ParseQuoted(const std::string& s, std::size_t pos, std::string* out) {
    std::string r;
    std::size_t i = pos + 1;
    for (;;) {
        if (i >= s.size()) throw Fail{"unterminated quoted text"};
        char c = s[i];
        if (c == '"') break;
        if (c == '\\') {
            if (i + 1 >= s.size()) throw Fail{"unterminated quoted text"};
            char e = s[i + 1];
            if (e == '"' || e == '\\') {
                r += e;
                i += 2;
            } else if (e == 'x') {
                std::uint64_t v;
                if (!ParseHexRun(s, i + 2, 2, &v)) throw Fail{"bad \\x escape: two hex digits expected"};
                r += static_cast<char>(v);
                i += 4;
            } else {
                throw Fail{std::string("unknown escape \\") + e};
            }
            continue;
        }
        r += c;
        ++i;
    }
    *out = r;
    return i + 1;
}

// Text value: the rest of the line, or one quoted string and nothing after it.
std::string ParseText(const std::string& raw) {
    std::string v = Trim(raw);
    if (!v.empty() && v[0] == '"') {
        std::string r;
        std::size_t end = ParseQuoted(v, 0, &r);
        if (!Trim(v.substr(end)).empty()) throw Fail{"text after the closing quote"};
        return r;
    }
    return v;
}

std::string ParseLimitedText(const std::string& raw, const char* what, std::size_t max) {
    std::string v = ParseText(raw);
    if (v.size() > max) throw Fail{std::string(what) + " longer than " + std::to_string(max) + " bytes"};
    for (char c : v)
        if (c == '\0') throw Fail{std::string(what) + " contains a zero byte"};
    return v;
}

bool ParseBool(const std::string& raw) {
    std::string v = Lower(Trim(raw));
    if (v == "yes" || v == "on" || v == "true" || v == "1") return true;
    if (v == "no" || v == "off" || v == "false" || v == "0") return false;
    throw Fail{"expected yes or no, got '" + Trim(raw) + "'"};
}

std::int64_t ParseInt(const std::string& raw, std::int64_t lo, std::int64_t hi, const char* what) {
    std::string v = Trim(raw);
    if (v.empty()) throw Fail{std::string(what) + ": number expected"};
    bool neg = false;
    std::size_t i = 0;
    if (v[0] == '-' || v[0] == '+') {
        neg = v[0] == '-';
        i = 1;
    }
    int base = 10;
    if (v.size() > i + 1 && v[i] == '0' && (v[i + 1] == 'x' || v[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= v.size()) throw Fail{std::string(what) + ": number expected, got '" + v + "'"};
    std::uint64_t r = 0;
    for (; i < v.size(); ++i) {
        int d = HexVal(v[i]);
        if (d < 0 || d >= base) throw Fail{std::string(what) + ": bad number '" + v + "'"};
        r = r * base + static_cast<unsigned>(d);
        if (r > 0xFFFFFFFFFFFFull) throw Fail{std::string(what) + ": number out of range '" + v + "'"};
    }
    std::int64_t s = neg ? -static_cast<std::int64_t>(r) : static_cast<std::int64_t>(r);
    if (s < lo || s > hi)
        throw Fail{std::string(what) + " out of range (" + std::to_string(lo) + " to " + std::to_string(hi) +
                   "): '" + v + "'"};
    return s;
}

std::uint32_t ParseOid(const std::string& raw) {
    std::string v = Trim(raw);
    if (v.size() < 3 || v[0] != '0' || (v[1] != 'x' && v[1] != 'X'))
        throw Fail{"OID must be written in hex as 0x........, got '" + v + "'"};
    return static_cast<std::uint32_t>(ParseInt(v, 0, 0xFFFFFFFFll, "OID"));
}

Mac ParseMac(const std::string& raw) {
    std::string v = Trim(raw);
    Mac m{};
    if (v.size() != 17) throw Fail{"MAC address must be six hex pairs, got '" + v + "'"};
    char sep = v[2];
    if (sep != ':' && sep != '-') throw Fail{"MAC address must be six hex pairs, got '" + v + "'"};
    for (int i = 0; i < 6; ++i) {
        std::uint64_t b;
        if (!ParseHexRun(v, i * 3, 2, &b) || (i < 5 && v[i * 3 + 2] != sep))
            throw Fail{"MAC address must be six hex pairs, got '" + v + "'"};
        m[i] = static_cast<std::uint8_t>(b);
    }
    return m;
}

// Four decimal parts of 0-255 joined by dots, written back without leading zeros.
std::string ParseIpv4(const std::string& raw) {
    const std::string v = Trim(raw);
    std::string out;
    std::size_t i = 0;
    for (int part = 0; part < 4; ++part) {
        std::size_t b = i;
        unsigned n = 0;
        while (i < v.size() && i - b < 3 && std::isdigit(static_cast<unsigned char>(v[i]))) n = n * 10 + (v[i++] - '0');
        if (i == b || n > 255 || (part < 3 && (i >= v.size() || v[i] != '.')))
            throw Fail{"IPv4 address must be four numbers 0-255 joined by dots, got '" + v + "'"};
        out += std::to_string(n);
        if (part < 3) {
            out += '.';
            ++i;
        }
    }
    if (i != v.size()) throw Fail{"IPv4 address must be four numbers 0-255 joined by dots, got '" + v + "'"};
    return out;
}

Bytes ParseHexBytes(const std::string& raw) {
    Bytes out;
    for (const std::string& t : Split(raw)) {
        std::uint64_t b;
        if (t.size() != 2 || !ParseHexRun(t, 0, 2, &b)) throw Fail{"hex byte expected, got '" + t + "'"};
        out.push_back(static_cast<std::uint8_t>(b));
        if (out.size() > kMaxOidAnswer) throw Fail{"more than " + std::to_string(kMaxOidAnswer) + " bytes"};
    }
    return out;
}

// A WMI class name (letters, digits, '_'), or '-' for an object without a readable __CLASS.
std::string ParseEventClass(const std::string& word) {
    if (word == "-") return {};
    bool ok = !word.empty() && !std::isdigit(static_cast<unsigned char>(word[0])) && word.size() <= 255;
    for (char c : word) ok = ok && (std::isalnum(static_cast<unsigned char>(c)) || c == '_');
    if (!ok) throw Fail{"event class must be a WMI class name or '-', got '" + word + "'"};
    return word;
}

std::string ParseSsid(const std::string& raw) {
    std::string v = ParseText(raw);
    if (v.size() > 32) throw Fail{"SSID longer than 32 bytes"};
    return v;
}

bool IsGuidText(const std::string& s) {
    GuidParts g;
    return ParseGuidText(s, &g);
}

void CheckDriverName(const std::string& v) {
    // "{class GUID}\NNNN"
    std::size_t bs = v.find('\\');
    if (bs == std::string::npos || !IsGuidText(v.substr(0, bs)) || v.size() != bs + 5)
        throw Fail{"driver must be {class GUID}\\NNNN, got '" + v + "'"};
    for (std::size_t i = bs + 1; i < v.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(v[i])))
            throw Fail{"driver must be {class GUID}\\NNNN, got '" + v + "'"};
}

// Splits "key = value" at the first '='.
bool SplitAssign(const std::string& s, std::string* key, std::string* value) {
    std::size_t eq = s.find('=');
    if (eq == std::string::npos) return false;
    *key = Trim(s.substr(0, eq));
    *value = s.substr(eq + 1);
    return true;
}

class Parser {
public:
    Scenario result;

    void Line(int n, const std::string& rawLine) {
        line_ = n;
        std::string s = Trim(rawLine);
        if (s.empty() || IsComment(s)) return;
        if (s[0] == '[') {
            if (s.back() != ']') throw Fail{"section header must end with ']'"};
            EndSection();
            line_ = n;
            std::string name = Lower(Trim(s.substr(1, s.size() - 2)));
            seen_.clear();
            if (name == "adapter") {
                section_ = kAdapter;
                result.adapters.emplace_back();
                result.adapters.back().line = n;
            } else if (name == "network") {
                section_ = kNetwork;
                result.networks.emplace_back();
                result.networks.back().line = n;
            } else if (name == "connection") {
                section_ = kConnection;
                result.connections.emplace_back();
                result.connections.back().line = n;
            } else if (name == "service") {
                section_ = kService;
                result.services.emplace_back();
                result.services.back().line = n;
            } else if (name == "bridge") {
                if (result.bridge.present) throw Fail{"only one [bridge] section"};
                section_ = kBridge;
                result.bridge.present = true;
                result.bridge.line = n;
            } else {
                throw Fail{"unknown section [" + name + "]"};
            }
            return;
        }
        if (section_ == kNone) throw Fail{"key outside a section"};
        if (section_ == kAdapter) AdapterLine(s);
        else if (section_ == kConnection) ConnectionLine(s);
        else if (section_ == kService) ServiceLine(s);
        else if (section_ == kBridge) BridgeLine(s);
        else NetworkLine(s);
    }

    void Finish() {
        EndSection();
        std::set<std::string> ids, drivers;
        for (const AdapterSpec& a : result.adapters) {
            line_ = a.line;
            if (!ids.insert(Lower(a.instanceId)).second) throw Fail{"instance_id used by two adapters"};
            if (!drivers.insert(Lower(a.driver)).second) throw Fail{"driver used by two adapters"};
        }
        CheckConnections();
        std::set<std::string> services;
        for (const ServiceSpec& sv : result.services) {
            line_ = sv.line;
            if (!services.insert(Lower(sv.name)).second) throw Fail{"service " + sv.name + " given twice"};
        }
    }

    int line() const { return line_; }

private:
    enum Section { kNone, kAdapter, kNetwork, kConnection, kService, kBridge };
    Section section_ = kNone;
    int line_ = 0;
    std::set<std::string> seen_;

    void Once(const std::string& key) {
        if (!seen_.insert(key).second) throw Fail{"'" + key + "' given twice in this section"};
    }

    void EndSection() {
        if (section_ == kAdapter) {
            AdapterSpec& a = result.adapters.back();
            line_ = a.line;
            for (const char* k : {"hardware_id", "description", "instance_id", "driver"})
                if (!seen_.count(k)) throw Fail{std::string("[adapter] lacks ") + k};
            if (a.unplugAt >= 0 && a.unplugAt == a.replugAt) throw Fail{"unplug_at and replug_at are equal"};
            CheckApStations(a.softAp);
        } else if (section_ == kNetwork) {
            line_ = result.networks.back().line;
            for (const char* k : {"ssid", "bssid", "channel"})
                if (!seen_.count(k)) throw Fail{std::string("[network] lacks ") + k};
            const NetworkSpec& n = result.networks.back();
            if (n.appearAt >= 0 && n.vanishAt >= 0 && n.vanishAt <= n.appearAt)
                throw Fail{"vanish_at must come after appear_at"};
            if (n.hasKey) CheckNetworkKey(n);
            if (!n.wpsPin.empty() && n.wps == NetworkSpec::kWpsNone) throw Fail{"wps_pin needs wps"};
        } else if (section_ == kConnection) {
            line_ = result.connections.back().line;
            for (const char* k : {"name", "guid", "description"})
                if (!seen_.count(k)) throw Fail{std::string("[connection] lacks ") + k};
        } else if (section_ == kService) {
            line_ = result.services.back().line;
            if (!seen_.count("name")) throw Fail{"[service] lacks name"};
        }
        section_ = kNone;
    }

    void AdapterLine(const std::string& s) {
        AdapterSpec& a = result.adapters.back();
        std::vector<std::string> words = Split(s);
        std::string first = Lower(words[0]);
        std::string key, value;

        if (first == "value" || first == "dword") {
            std::string lhs;
            if (!SplitAssign(s, &lhs, &value)) throw Fail{first + " line needs '= ...'"};
            std::vector<std::string> l = Split(lhs);
            if (l.size() != 2) throw Fail{first + " line needs exactly one value name"};
            for (const RegValue& v : a.values)
                if (Lower(v.name) == Lower(l[1])) throw Fail{"driver value '" + l[1] + "' given twice"};
            RegValue v;
            v.name = l[1];
            v.isDword = first == "dword";
            if (v.isDword) v.dword = static_cast<std::uint32_t>(ParseInt(value, -2147483648ll, 0xFFFFFFFFll, "dword"));
            else v.text = ParseLimitedText(value, "value", 4096);
            a.values.push_back(v);
            return;
        }
        if (first == "oid") {
            std::string lhs;
            if (!SplitAssign(s, &lhs, &value)) throw Fail{"oid line needs '= bytes'"};
            std::vector<std::string> l = Split(lhs);
            if (l.size() != 2) throw Fail{"oid line needs exactly one OID"};
            std::uint32_t oid = ParseOid(l[1]);
            if (IsSetOid(oid)) throw Fail{"oid answers are given for query OIDs (bit 23 clear)"};
            if (!a.oidAnswers.emplace(oid, ParseHexBytes(value)).second) throw Fail{"oid " + l[1] + " given twice"};
            return;
        }
        if (first == "fail") {
            if (s.find('=') != std::string::npos || words.size() != 3) throw Fail{"fail line is 'fail <oid> <count>'"};
            OidFault f;
            f.oid = ParseOid(words[1]);
            f.count = static_cast<unsigned>(ParseInt(words[2], 1, 1000000, "fail count"));
            a.faults.push_back(f);
            return;
        }
        if (first == "counter") {
            LinkCounterLine(s, &a.linkStats);
            return;
        }
        if (first == "register") {
            std::string lhs;
            if (!SplitAssign(s, &lhs, &value)) throw Fail{"register line is 'register <kind> <offset> = <value>'"};
            std::vector<std::string> l = Split(lhs);
            if (l.size() != 3) throw Fail{"register line is 'register <kind> <offset> = <value>'"};
            std::string kind = Lower(l[1]);
            std::uint32_t k;
            if (kind == "mac") k = kRegMac;
            else if (kind == "bbp") k = kRegBbp;
            else if (kind == "rf") k = kRegRf;
            else if (kind == "eeprom") k = kRegEeprom;
            else throw Fail{"register kind must be mac, bbp, rf or eeprom"};
            auto off = static_cast<std::uint32_t>(ParseInt(l[2], 0, 0xFFFFFFFFll, "register offset"));
            auto val = static_cast<std::uint32_t>(ParseInt(value, 0, 0xFFFFFFFFll, "register value"));
            if (!a.registers.emplace(std::make_pair(k, off), val).second) throw Fail{"register given twice"};
            return;
        }

        if (!SplitAssign(s, &key, &value)) throw Fail{"expected 'key = value'"};
        key = Lower(key);
        if (key == "hardware_id") {
            std::string v = ParseLimitedText(value, "hardware_id", 200);
            if (v.empty()) throw Fail{"hardware_id is empty"};
            a.hardwareIds.push_back(v);
            seen_.insert(key);
        } else if (key == "description") {
            Once(key);
            a.description = ParseLimitedText(value, "description", kMaxText);
        } else if (key == "friendly_name") {
            Once(key);
            a.friendlyName = ParseLimitedText(value, "friendly_name", kMaxText);
            a.hasFriendlyName = true;
        } else if (key == "location") {
            Once(key);
            a.location = ParseLimitedText(value, "location", kMaxText);
            a.hasLocation = true;
        } else if (key == "manufacturer") {
            Once(key);
            a.manufacturer = ParseLimitedText(value, "manufacturer", kMaxText);
            a.hasManufacturer = true;
        } else if (key == "instance_id") {
            Once(key);
            a.instanceId = ParseText(value);
            if (!IsGuidText(a.instanceId))
                throw Fail{"instance_id must be a GUID in braces, got '" + a.instanceId + "'"};
        } else if (key == "driver") {
            Once(key);
            a.driver = ParseText(value);
            CheckDriverName(a.driver);
        } else if (key == "mac") {
            Once(key);
            a.mac = ParseMac(value);
            a.hasMac = true;
        } else if (key == "supports_5ghz") {
            Once(key);
            a.supports5GHz = ParseBool(value);
        } else if (key == "supports_11n") {
            Once(key);
            a.supports11n = ParseBool(value);
        } else if (key == "driver_version") {
            Once(key);
            a.driverVersion = static_cast<std::uint16_t>(ParseInt(value, 0, 0xFFFF, "driver_version"));
            a.hasDriverVersion = true;
        } else if (key == "signal") {
            Once(key);
            std::vector<std::string> w = Split(value);
            if (!w.empty() && Lower(w[0]) == "fixed") {
                a.signalFixed = true;
                w.erase(w.begin());
            }
            if (w.empty() || w.size() > 3) throw Fail{"signal takes one to three dBm readings"};
            a.signalCount = static_cast<int>(w.size());
            for (std::size_t i = 0; i < w.size(); ++i)
                a.signal[i] = static_cast<std::int32_t>(ParseInt(w[i], -2147483648ll, 2147483647ll, "signal"));
        } else if (key == "link") {
            Once(key);
            std::string v = Trim(value);
            std::string head = Lower(Split(v).empty() ? std::string() : Split(v)[0]);
            if (head == "disconnected" && Split(v).size() == 1) {
                a.connected = false;
            } else if (head == "connected") {
                std::string rest = Trim(v.substr(9));
                if (rest.empty() || rest[0] != '"') throw Fail{"link = connected \"<ssid>\" <bssid>"};
                std::string ssid;
                std::size_t end = ParseQuoted(rest, 0, &ssid);
                if (ssid.size() > 32) throw Fail{"SSID longer than 32 bytes"};
                a.connected = true;
                a.linkSsid = ssid;
                a.linkBssid = ParseMac(rest.substr(end));
            } else {
                throw Fail{"link = connected \"<ssid>\" <bssid>, or link = disconnected"};
            }
        } else if (key == "radio") {
            Once(key);
            a.radioOn = ParseBool(value);
        } else if (key == "radio_switch") {
            Once(key);
            a.radioSwitchOn = ParseBool(value);
        } else if (key == "responds") {
            Once(key);
            a.responds = ParseBool(value);
        } else if (key == "present") {
            Once(key);
            a.present = ParseBool(value);
        } else if (key == "unplug_at") {
            Once(key);
            a.unplugAt = ParseInt(value, 0, 1ll << 40, "unplug_at");
        } else if (key == "replug_at") {
            Once(key);
            a.replugAt = ParseInt(value, 0, 1ll << 40, "replug_at");
        } else if (key == "driver_event_at") {
            std::vector<std::string> w = Split(value);
            if (w.empty()) throw Fail{"driver_event_at = <ms> [<class>|- ...]"};
            DriverEventSpec e;
            e.at = ParseInt(w[0], 0, 1ll << 40, "driver_event_at");
            for (std::size_t i = 1; i < w.size(); ++i) e.objects.push_back(ParseEventClass(w[i]));
            if (e.objects.empty()) e.objects.push_back("QelWLANMessageEvent");
            a.driverEvents.push_back(std::move(e));
        } else if (key == "scan_delay") {
            Once(key);
            a.scanDelayMs = static_cast<std::uint32_t>(ParseInt(value, 0, 600000, "scan_delay"));
        } else if (key == "scan_result") {
            Once(key);
            std::string v = Lower(Trim(value));
            if (v == "complete") a.scanFails = false;
            else if (v == "fail") a.scanFails = true;
            else throw Fail{"scan_result must be complete or fail"};
        } else if (key == "radio_switch_at") {
            std::vector<std::string> w = Split(value);
            if (w.size() != 2) throw Fail{"radio_switch_at = <ms> on|off"};
            a.radioSwitchAt.emplace_back(ParseInt(w[0], 0, 1ll << 40, "radio_switch_at"), ParseBool(w[1]));
        } else if (key == "wps_button_at") {
            a.wpsButtonAt.push_back(ParseInt(value, 0, 1ll << 40, "wps_button_at"));
        } else if (key == "ip") {
            Once(key);
            std::vector<std::string> w = Split(value);
            if (w.size() < 2 || w.size() > 3) throw Fail{"ip = <address> <mask> [<gateway>]"};
            a.ipAddress = ParseIpv4(w[0]);
            a.ipMask = ParseIpv4(w[1]);
            a.ipGateway = w.size() == 3 ? ParseIpv4(w[2]) : "0.0.0.0";
            a.hasIp = true;
        } else if (!LinkStatsKey(key, value, &a.linkStats) && !SoftApKey(key, value, &a.softAp)) {
            throw Fail{"unknown key '" + key + "' in [adapter]"};
        }
    }

    // The driver's link statistics; false for a key that is not one of them.
    bool LinkStatsKey(const std::string& key, const std::string& value, LinkStatsSpec* l) {
        if (key == "link_speed") {
            Once(key);
            l->speed = static_cast<std::uint32_t>(HalfUnits(value, "link_speed"));
            l->hasSpeed = true;
        } else if (key == "link_quality") {
            Once(key);
            l->quality = static_cast<std::uint32_t>(ParseInt(value, 0, 100, "link_quality"));
            l->hasQuality = true;
        } else if (key == "central_channel") {
            Once(key);
            l->centralChannel = static_cast<std::uint32_t>(ParseInt(value, 1, 196, "central_channel"));
            l->hasCentralChannel = true;
        } else if (key == "tx_rate" || key == "rx_rate") {
            Once(key);
            (key == "tx_rate" ? l->txRate : l->rxRate) = RateWord(value);
            (key == "tx_rate" ? l->hasTxRate : l->hasRxRate) = true;
        } else if (key == "noise") {
            Once(key);
            l->noise = static_cast<std::int32_t>(ParseInt(value, -143, 0, "noise"));
            l->hasNoise = true;
        } else if (key == "snr") {
            Once(key);
            std::vector<std::string> w = Split(value);
            if (w.empty() || w.size() > 2) throw Fail{"snr takes one or two values"};
            l->snrCount = static_cast<int>(w.size());
            for (std::size_t i = 0; i < w.size(); ++i)
                l->snr[i] = static_cast<std::uint32_t>(ParseInt(w[i], 0, 0xFFFFFFFFll, "snr"));
        } else {
            return false;
        }
        return true;
    }

    // The adapter as an access point: its RSSI, stations and event table; false for a key
    // that is not one of them.
    bool SoftApKey(const std::string& key, const std::string& value, SoftApSpec* ap) {
        if (key == "rssi") {
            Once(key);
            ap->rssi = static_cast<std::int32_t>(ParseInt(value, -150, 0, "rssi"));
            ap->hasRssi = true;
        } else if (key == "rssi_at") {
            std::vector<std::string> w = Split(value);
            if (w.size() != 2) throw Fail{"rssi_at = <ms> <dBm>"};
            ap->rssiAt.emplace_back(ParseInt(w[0], 0, 1ll << 40, "rssi_at"),
                                    static_cast<std::int32_t>(ParseInt(w[1], -150, 0, "rssi")));
        } else if (key == "ap_station") {
            ap->stations.push_back(ApStation(value));
        } else if (key == "ap_event_at") {
            std::vector<std::string> w = Split(value);
            if (w.size() < 2 || w.size() > 3) throw Fail{"ap_event_at = <ms> <code> [<mac>]"};
            ApEventSpec e;
            e.at = ParseInt(w[0], 0, 1ll << 40, "ap_event_at");
            e.code = static_cast<std::uint16_t>(ParseInt(w[1], 0, 0xFFFF, "event code"));
            if (w.size() == 3) e.mac = ParseMac(w[2]);
            ap->events.push_back(e);
        } else {
            return false;
        }
        return true;
    }

    // "<mac> <aid> [power_save] [rate <rate word>] [join <ms>] [leave <ms> | aged_out <ms>]"
    static ApStationSpec ApStation(const std::string& value) {
        static const char* const kUsage = "ap_station = <mac> <aid> [power_save] [rate <rate word>] [join <ms>] [leave <ms> | aged_out <ms>]";
        std::vector<std::string> w = Split(value);
        if (w.size() < 2) throw Fail{kUsage};
        ApStationSpec st;
        st.mac = ParseMac(w[0]);
        if ((st.mac[0] & 1) || st.mac == Mac{}) throw Fail{"ap_station must be a unicast MAC address"};
        st.aid = static_cast<std::uint8_t>(ParseInt(w[1], 1, 255, "aid"));
        std::set<std::string> given;
        for (std::size_t i = 2; i < w.size();) {
            const std::string word = Lower(w[i++]);
            if (!given.insert(word).second) throw Fail{"'" + word + "' given twice in ap_station"};
            if (word == "power_save") {
                st.powerSave = true;
            } else if (word == "rate") {
                std::string rate;
                while (i < w.size() && Lower(w[i]) != "power_save" && Lower(w[i]) != "join" && Lower(w[i]) != "leave" &&
                       Lower(w[i]) != "aged_out")
                    rate += w[i++] + " ";
                const std::uint32_t word16 = RateWord(rate);
                if (word16 > 0xFFFF) throw Fail{"the station's rate word has 16 bits"};
                st.rateWord = static_cast<std::uint16_t>(word16);
            } else if ((word == "join" || word == "leave" || word == "aged_out") && i < w.size()) {
                if (word != "join" && st.leaveAt >= 0) throw Fail{"a station leaves once: leave or aged_out"};
                (word == "join" ? st.joinAt : st.leaveAt) = ParseInt(w[i++], 0, 1ll << 40, word.c_str());
                st.agedOut = st.agedOut || word == "aged_out";
            } else {
                throw Fail{kUsage};
            }
        }
        if (st.joinAt >= 0 && st.leaveAt >= 0 && st.leaveAt <= st.joinAt)
            throw Fail{std::string(st.agedOut ? "aged_out" : "leave") + " must come after join"};
        return st;
    }

    // A station's address and association ID are its own among the access point's stations.
    void CheckApStations(const SoftApSpec& ap) {
        std::set<Mac> macs;
        std::set<int> aids;
        for (const ApStationSpec& st : ap.stations) {
            if (!macs.insert(st.mac).second) throw Fail{"ap_station address given twice"};
            if (!aids.insert(st.aid).second) throw Fail{"ap_station aid given twice"};
        }
        if (ap.stations.size() > 32) throw Fail{"an access point holds at most 32 stations"};
    }

    void BridgeLine(const std::string& s) {
        BridgeSpec& b = result.bridge;
        std::string key, value;
        if (!SplitAssign(s, &key, &value)) throw Fail{"expected 'key = value'"};
        key = Lower(key);
        Once(key);
        if (key == "version") {
            b.version = static_cast<std::uint32_t>(ParseInt(value, 0, 0xFFFFFFFEll, "version"));
        } else if (key == "bridging") {
            b.bridging = ParseBool(value);
        } else if (key == "pending") {
            std::string v = Lower(Trim(value));
            if (v == "no") b.pending = BridgePending::kNo;
            else if (v == "later") b.pending = BridgePending::kLater;
            else if (v == "never") b.pending = BridgePending::kNever;
            else throw Fail{"pending must be no, later or never"};
        } else {
            throw Fail{"unknown key '" + key + "' in [bridge]"};
        }
    }

    // "counter <name> = <start> [<per second> [<swing percent>]]"
    void LinkCounterLine(const std::string& s, LinkStatsSpec* l) {
        std::string lhs, value;
        if (!SplitAssign(s, &lhs, &value)) throw Fail{"counter line is 'counter <name> = <start> [<per second> [<swing %>]]'"};
        std::vector<std::string> name = Split(lhs);
        if (name.size() != 2) throw Fail{"counter line needs exactly one counter name"};
        unsigned which = kLinkCounterCount;
        for (unsigned i = 0; i < kLinkCounterCount; ++i)
            if (Lower(name[1]) == kLinkCounterNames[i]) which = i;
        if (which == kLinkCounterCount) throw Fail{"unknown counter '" + name[1] + "'"};
        LinkCounterSpec& c = l->counters[which];
        if (c.given) throw Fail{"counter " + name[1] + " given twice"};
        std::vector<std::string> w = Split(value);
        if (w.empty() || w.size() > 3) throw Fail{"counter takes a start value, a rate per second and a swing in percent"};
        c.given = true;
        c.start = static_cast<std::uint64_t>(ParseInt(w[0], 0, 0xFFFFFFFFFFFFll, "counter start"));
        if (w.size() > 1) c.perSecond = static_cast<std::uint64_t>(ParseInt(w[1], 0, 1ll << 32, "counter rate"));
        if (w.size() > 2) c.swingPercent = static_cast<std::uint32_t>(ParseInt(w[2], 0, 100, "counter swing"));
    }

    // Mbit/s, a multiple of 0.5, as 500 kbit/s units.
    static std::int64_t HalfUnits(const std::string& raw, const char* what) {
        std::string t = Trim(raw);
        char* end = nullptr;
        errno = 0;
        double mbit = std::strtod(t.c_str(), &end);
        if (t.empty() || *end != '\0' || errno != 0 || mbit < 0 || mbit > 100000)
            throw Fail{std::string(what) + ": Mbit/s expected, got '" + t + "'"};
        double units = mbit * 2;
        if (units != static_cast<double>(static_cast<std::int64_t>(units)))
            throw Fail{std::string(what) + " must be a multiple of 0.5 Mbit/s, got '" + t + "'"};
        return static_cast<std::int64_t>(units);
    }

    // A rate word as a number, or "<cck|ofdm|ht|greenfield> <index> [40mhz] [short_gi]".
    static std::uint32_t RateWord(const std::string& raw) {
        std::vector<std::string> w = Split(raw);
        if (w.empty()) throw Fail{"rate word expected"};
        static const char* const kModes[4] = {"cck", "ofdm", "ht", "greenfield"};
        const std::string mode = Lower(w[0]);
        for (std::uint32_t m = 0; m < 4; ++m) {
            if (mode != kModes[m]) continue;
            if (w.size() < 2) throw Fail{"rate word: " + mode + " <index> [40mhz] [short_gi]"};
            std::uint32_t word = static_cast<std::uint32_t>(ParseInt(w[1], 0, 127, "rate index")) | (m << 14);
            for (std::size_t i = 2; i < w.size(); ++i) {
                const std::string flag = Lower(w[i]);
                if (flag == "40mhz") word |= 1u << 7;
                else if (flag == "short_gi") word |= 1u << 8;
                else throw Fail{"rate word flag must be 40mhz or short_gi, got '" + w[i] + "'"};
            }
            return word;
        }
        if (w.size() != 1) throw Fail{"rate word: a number or <cck|ofdm|ht|greenfield> <index> [40mhz] [short_gi]"};
        return static_cast<std::uint32_t>(ParseInt(w[0], 0, 0xFFFFFFFFll, "rate word"));
    }

    void NetworkLine(const std::string& s) {
        NetworkSpec& n = result.networks.back();
        std::string key, value;
        if (!SplitAssign(s, &key, &value)) throw Fail{"expected 'key = value'"};
        key = Lower(key);
        if (key == "ssid") {
            Once(key);
            n.ssid = ParseSsid(value);
        } else if (key == "bssid") {
            Once(key);
            n.bssid = ParseMac(value);
        } else if (key == "channel") {
            Once(key);
            const std::string j = Lower(Trim(value));
            if (j == "j8" || j == "j12" || j == "j16") n.channel = 200 + std::atoi(j.c_str() + 1);
            else n.channel = static_cast<int>(ParseInt(value, 1, 196, "channel"));
            if (!(n.channel <= 14 || n.channel >= 200 || Is5GHzChannel(n.channel)))
                throw Fail{"channel " + std::to_string(n.channel) + " is neither a 2.4 GHz nor a 5 GHz channel"};
        } else if (key == "rssi") {
            Once(key);
            n.rssi = static_cast<int>(ParseInt(value, -120, 0, "rssi"));
        } else if (key == "security") {
            Once(key);
            std::string v = Lower(Trim(value));
            if (v == "open") n.security = Security::Open;
            else if (v == "wep") n.security = Security::Wep;
            else if (v == "wpa-psk") n.security = Security::WpaPsk;
            else if (v == "wpa2-psk") n.security = Security::Wpa2Psk;
            else if (v == "wpa") n.security = Security::Wpa;
            else if (v == "wpa2") n.security = Security::Wpa2;
            else throw Fail{"security must be open, wep, wpa-psk, wpa2-psk, wpa or wpa2"};
            if (!seen_.count("cipher")) n.cipher = DefaultCipher(n.security);
        } else if (key == "cipher") {
            Once(key);
            std::string v = Lower(Trim(value));
            if (v == "none") n.cipher = Cipher::None;
            else if (v == "wep") n.cipher = Cipher::Wep;
            else if (v == "tkip") n.cipher = Cipher::Tkip;
            else if (v == "aes") n.cipher = Cipher::Aes;
            else throw Fail{"cipher must be none, wep, tkip or aes"};
        } else if (key == "type") {
            Once(key);
            std::string v = Lower(Trim(value));
            if (v == "infrastructure") n.adhoc = false;
            else if (v == "adhoc") n.adhoc = true;
            else throw Fail{"type must be infrastructure or adhoc"};
        } else if (key == "rates") {
            Once(key);
            for (std::string t : Split(value)) {
                bool basic = !t.empty() && t.back() == '*';
                if (basic) t.pop_back();
                char* end = nullptr;
                errno = 0;
                double mbit = std::strtod(t.c_str(), &end);
                if (t.empty() || *end != '\0' || errno != 0 || mbit <= 0 || mbit > 63.5)
                    throw Fail{"rate in Mbit/s expected (0.5 to 63.5, '*' marks a basic rate), got '" + t + "'"};
                double units = mbit * 2;
                if (units != static_cast<double>(static_cast<int>(units)))
                    throw Fail{"rate must be a multiple of 0.5 Mbit/s, got '" + t + "'"};
                n.rates.push_back(static_cast<std::uint8_t>(static_cast<int>(units) | (basic ? 0x80 : 0)));
            }
            if (n.rates.empty()) throw Fail{"rates is empty"};
        } else if (key == "beacon_period") {
            Once(key);
            n.beaconPeriod = static_cast<std::uint16_t>(ParseInt(value, 1, 0xFFFF, "beacon_period"));
        } else if (key == "appear_at") {
            Once(key);
            n.appearAt = ParseInt(value, 0, 1ll << 40, "appear_at");
        } else if (key == "vanish_at") {
            Once(key);
            n.vanishAt = ParseInt(value, 0, 1ll << 40, "vanish_at");
        } else if (key == "connect") {
            Once(key);
            std::string v = Lower(Trim(value));
            if (v == "ok") n.connectFails = false;
            else if (v == "fail") n.connectFails = true;
            else throw Fail{"connect must be ok or fail"};
        } else if (key == "wps") {
            Once(key);
            std::string v = Lower(Trim(value));
            if (v == "no") n.wps = NetworkSpec::kWpsNone;
            else if (v == "yes") n.wps = NetworkSpec::kWpsIdle;
            else if (v == "pin") n.wps = NetworkSpec::kWpsPin;
            else if (v == "pbc") n.wps = NetworkSpec::kWpsPbc;
            else throw Fail{"wps must be no, yes, pin or pbc"};
        } else if (key == "wps_pin") {
            Once(key);
            n.wpsPin = Trim(value);
            if (!IsWpsPinText(n.wpsPin)) throw Fail{"wps_pin must be 8 digits whose last is the checksum of the first 7"};
        } else if (key == "ht") {
            Once(key);
            n.ht = ParseBool(value);
        } else if (key == "dls_peer") {
            Mac m = ParseMac(value);
            if ((m[0] & 1) || m == Mac{}) throw Fail{"dls_peer must be a unicast MAC address"};
            n.dlsPeers.push_back(m);
        } else if (key == "key") {
            Once(key);
            n.key = ParseLimitedText(value, "key", 64);
            if (n.key.empty()) throw Fail{"key is empty"};
            n.hasKey = true;
        } else if (key == "key_index") {
            Once(key);
            n.keyIndex = static_cast<int>(ParseInt(value, 0, 3, "key_index"));
        } else if (key == "ie") {
            Bytes b = ParseHexBytes(value);
            if (b.size() < 2 || b.size() != static_cast<std::size_t>(b[1]) + 2)
                throw Fail{"ie must be one element: id, length, then exactly length bytes"};
            n.ies.insert(n.ies.end(), b.begin(), b.end());
        } else {
            throw Fail{"unknown key '" + key + "' in [network]"};
        }
    }

    void ConnectionLine(const std::string& s) {
        ConnectionSpec& c = result.connections.back();
        std::string key, value;
        if (!SplitAssign(s, &key, &value)) throw Fail{"expected 'key = value'"};
        key = Lower(key);
        Once(key);
        if (key == "name") {
            c.name = ParseLimitedText(value, "name", kMaxText);
            if (c.name.empty()) throw Fail{"name is empty"};
        } else if (key == "guid") {
            c.guid = ParseText(value);
            if (!IsGuidText(c.guid)) throw Fail{"guid must be a GUID in braces, got '" + c.guid + "'"};
            for (char& ch : c.guid) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        } else if (key == "description") {
            c.description = ParseLimitedText(value, "description", kMaxText);
        } else if (key == "type") {
            std::string v = Lower(Trim(value));
            if (v == "ethernet") c.ppp = false;
            else if (v == "ppp") c.ppp = true;
            else throw Fail{"type must be ethernet or ppp"};
        } else if (key == "mac") {
            c.mac = ParseMac(value);
        } else if (key == "ip") {
            c.ip = ParseIpv4(value);
        } else if (key == "mask") {
            c.mask = ParseIpv4(value);
        } else if (key == "gateway") {
            c.gateway = ParseIpv4(value);
        } else if (key == "dhcp") {
            c.dhcp = ParseBool(value);
        } else if (key == "dns_suffix") {
            c.dnsSuffix = ParseLimitedText(value, "dns_suffix", kMaxText);
        } else if (key == "sharing") {
            std::string v = Lower(Trim(value));
            if (v == "none") c.sharing = IcsRole::None;
            else if (v == "public") c.sharing = IcsRole::Public;
            else if (v == "private") c.sharing = IcsRole::Private;
            else throw Fail{"sharing must be none, public or private"};
        } else {
            throw Fail{"unknown key '" + key + "' in [connection]"};
        }
    }

    // As the system keeps them: names and GUIDs unique, at most one connection per side.
    void CheckConnections() {
        std::set<std::string> names, guids;
        int publicCount = 0, privateCount = 0;
        for (const ConnectionSpec& c : result.connections) {
            line_ = c.line;
            if (!names.insert(Lower(c.name)).second) throw Fail{"connection name used twice"};
            if (!guids.insert(c.guid).second) throw Fail{"connection guid used twice"};
            publicCount += c.sharing == IcsRole::Public;
            privateCount += c.sharing == IcsRole::Private;
            if (publicCount > 1 || privateCount > 1) throw Fail{"only one connection can be shared on each side"};
        }
    }

    void ServiceLine(const std::string& s) {
        ServiceSpec& sv = result.services.back();
        std::string key, value;
        if (!SplitAssign(s, &key, &value)) throw Fail{"expected 'key = value'"};
        key = Lower(key);
        if (key == "name") {
            Once(key);
            sv.name = ParseLimitedText(value, "name", 256);
            if (sv.name.empty()) throw Fail{"name is empty"};
        } else if (key == "state") {
            Once(key);
            std::string v = Lower(Trim(value));
            if (v == "running") sv.running = true;
            else if (v == "stopped") sv.running = false;
            else throw Fail{"state must be running or stopped"};
        } else {
            throw Fail{"unknown key '" + key + "' in [service]"};
        }
    }

    // A key of the form the network's security takes.
    static bool IsWpsPinText(const std::string& t) {
        if (t.size() != 8) return false;
        int sum = 0;
        for (std::size_t i = 0; i < 8; ++i) {
            if (t[i] < '0' || t[i] > '9') return false;
            if (i < 7) sum += (i % 2 == 0 ? 3 : 1) * (t[i] - '0');
        }
        return (10 - sum % 10) % 10 == t[7] - '0';
    }

    static void CheckNetworkKey(const NetworkSpec& n) {
        auto allHex = [](const std::string& k) {
            for (char c : k)
                if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
            return true;
        };
        const std::size_t size = n.key.size();
        switch (n.security) {
        case Security::Open:
        case Security::Wpa:
        case Security::Wpa2: throw Fail{"key is for wep, wpa-psk and wpa2-psk networks"};
        case Security::Wep:
            if (!(size == 5 || size == 13 || ((size == 10 || size == 26) && allHex(n.key))))
                throw Fail{"a WEP key is 10 or 26 hex digits, or 5 or 13 characters"};
            break;
        case Security::WpaPsk:
        case Security::Wpa2Psk:
            if (!((size >= 8 && size <= 63) || (size == 64 && allHex(n.key))))
                throw Fail{"a WPA key is 8 to 63 characters, or 64 hex digits"};
            break;
        }
    }

    static Cipher DefaultCipher(Security s) {
        switch (s) {
        case Security::Open: return Cipher::None;
        case Security::Wep: return Cipher::Wep;
        case Security::WpaPsk:
        case Security::Wpa: return Cipher::Tkip;
        case Security::Wpa2Psk:
        case Security::Wpa2: return Cipher::Aes;
        }
        return Cipher::None;
    }
};

}  // namespace

bool ParseGuidText(const std::string& s, GuidParts* g) {
    // {xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}
    if (s.size() != 38 || s[0] != '{' || s[37] != '}' || s[9] != '-' || s[14] != '-' || s[19] != '-' ||
        s[24] != '-')
        return false;
    std::uint64_t v;
    if (!ParseHexRun(s, 1, 8, &v)) return false;
    g->data1 = static_cast<std::uint32_t>(v);
    if (!ParseHexRun(s, 10, 4, &v)) return false;
    g->data2 = static_cast<std::uint16_t>(v);
    if (!ParseHexRun(s, 15, 4, &v)) return false;
    g->data3 = static_cast<std::uint16_t>(v);
    static const std::size_t pos[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i) {
        if (!ParseHexRun(s, pos[i], 2, &v)) return false;
        g->data4[i] = static_cast<std::uint8_t>(v);
    }
    return true;
}

bool ParseScenario(const std::string& text, Scenario* out, ParseError* error) {
    Parser p;
    int n = 0;
    try {
        std::size_t pos = 0;
        while (pos <= text.size()) {
            std::size_t nl = text.find('\n', pos);
            std::string line = text.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            ++n;
            if (line.find('\0') != std::string::npos) throw Fail{"zero byte in the line"};
            p.Line(n, line);
            if (nl == std::string::npos) break;
            pos = nl + 1;
        }
        p.Finish();
    } catch (const Fail& f) {
        if (error) {
            error->line = p.line() > 0 ? p.line() : n;
            error->message = f.message;
        }
        return false;
    }
    if (out) *out = std::move(p.result);
    return true;
}

}  // namespace platform::sim
