#include "platform/sim/sim_wlan_profile.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "platform/wlan_codes.h"
#include "shared/crypto/wpa_psk.h"

namespace platform::sim {
namespace {

constexpr const char* kProfileNs = "http://www.microsoft.com/networking/WLAN/profile/v1";
constexpr const char* kOneXNs = "http://www.microsoft.com/networking/OneX/v1";
constexpr const char* kEapHostConfigNs = "http://www.microsoft.com/provisioning/EapHostConfig";
constexpr const char* kEapCommonNs = "http://www.microsoft.com/provisioning/EapCommon";

struct Node {
    std::string ns, name;     // resolved namespace URI, local name
    std::string text;         // direct character data, entities decoded
    std::vector<std::unique_ptr<Node>> children;
};

struct Refusal {
    DWORD reason;
};

// A small namespace-aware XML reader: elements, attributes, character and entity
// references, comments, processing instructions and CDATA. No DTDs.
class XmlReader {
public:
    explicit XmlReader(const std::string& text) : s_(text) {}

    std::unique_ptr<Node> Document() {
        if (s_.compare(0, 3, "\xEF\xBB\xBF") == 0) at_ = 3;
        Misc();
        if (at_ >= s_.size() || s_[at_] != '<') Bad();
        std::map<std::string, std::string> scope;
        auto root = Element(scope);
        Misc();
        if (at_ != s_.size()) Bad();
        return root;
    }

private:
    [[noreturn]] static void Bad() { throw Refusal{kWlanReasonInvalidProfileSchema}; }

    bool StartsWith(const char* p) const { return s_.compare(at_, std::strlen(p), p) == 0; }

    void Skip(const char* end) {
        size_t e = s_.find(end, at_);
        if (e == std::string::npos) Bad();
        at_ = e + std::strlen(end);
    }

    // Blanks, comments and processing instructions between elements.
    void Misc() {
        for (;;) {
            while (at_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[at_]))) ++at_;
            if (StartsWith("<!--")) Skip("-->");
            else if (StartsWith("<?")) Skip("?>");
            else return;
        }
    }

    static bool NameChar(char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.' || c == ':' ||
               static_cast<unsigned char>(c) >= 0x80;
    }

    std::string Name() {
        size_t b = at_;
        while (at_ < s_.size() && NameChar(s_[at_])) ++at_;
        if (b == at_ || std::isdigit(static_cast<unsigned char>(s_[b])) || s_[b] == '-' || s_[b] == '.') Bad();
        return s_.substr(b, at_ - b);
    }

    void Blanks() {
        while (at_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[at_]))) ++at_;
    }

    static void AppendUtf8(std::string& out, unsigned long c) {
        if (c < 0x80) out += static_cast<char>(c);
        else if (c < 0x800) { out += static_cast<char>(0xC0 | (c >> 6)); out += static_cast<char>(0x80 | (c & 0x3F)); }
        else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    static bool LegalChar(unsigned long c) {
        return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
               (c >= 0x10000 && c <= 0x10FFFF);
    }

    // Character data up to `stop`, references decoded.
    std::string CharData(char stop) {
        std::string out;
        while (at_ < s_.size() && s_[at_] != stop && !(stop == '<' && s_[at_] == '<')) {
            const unsigned char c = static_cast<unsigned char>(s_[at_]);
            if (c == '<') Bad();
            if (c < 0x20 && c != 0x9 && c != 0xA && c != 0xD) Bad();
            if (c != '&') {
                out += static_cast<char>(c);
                ++at_;
                continue;
            }
            size_t semi = s_.find(';', at_);
            if (semi == std::string::npos || semi - at_ > 12) Bad();
            const std::string e = s_.substr(at_ + 1, semi - at_ - 1);
            at_ = semi + 1;
            if (e == "amp") out += '&';
            else if (e == "lt") out += '<';
            else if (e == "gt") out += '>';
            else if (e == "quot") out += '"';
            else if (e == "apos") out += '\'';
            else if (e.size() > 1 && e[0] == '#') {
                const bool hex = e[1] == 'x';
                const std::string digits = e.substr(hex ? 2 : 1);
                if (digits.empty()) Bad();
                for (char d : digits)
                    if (!(hex ? std::isxdigit(static_cast<unsigned char>(d)) : std::isdigit(static_cast<unsigned char>(d)))) Bad();
                const unsigned long v = std::strtoul(digits.c_str(), nullptr, hex ? 16 : 10);
                if (!LegalChar(v)) Bad();
                AppendUtf8(out, v);
            } else {
                Bad();
            }
        }
        return out;
    }

    static std::string Resolve(const std::map<std::string, std::string>& scope, const std::string& qname,
                               std::string* local) {
        size_t colon = qname.find(':');
        const std::string prefix = colon == std::string::npos ? "" : qname.substr(0, colon);
        *local = colon == std::string::npos ? qname : qname.substr(colon + 1);
        if (local->empty() || local->find(':') != std::string::npos) Bad();
        auto it = scope.find(prefix);
        if (it == scope.end()) {
            if (!prefix.empty()) Bad();
            return {};
        }
        return it->second;
    }

    std::unique_ptr<Node> Element(std::map<std::string, std::string> scope) {
        ++at_;  // '<'
        const std::string qname = Name();
        std::vector<std::pair<std::string, std::string>> attributes;
        bool empty = false;
        for (;;) {
            const size_t before = at_;
            Blanks();
            if (at_ >= s_.size()) Bad();
            if (s_[at_] == '/') {
                if (!StartsWith("/>")) Bad();
                at_ += 2;
                empty = true;
                break;
            }
            if (s_[at_] == '>') {
                ++at_;
                break;
            }
            if (before == at_) Bad();  // attributes are separated by blanks
            const std::string attribute = Name();
            Blanks();
            if (at_ >= s_.size() || s_[at_] != '=') Bad();
            ++at_;
            Blanks();
            if (at_ >= s_.size() || (s_[at_] != '"' && s_[at_] != '\'')) Bad();
            const char quote = s_[at_++];
            std::string value = CharData(quote);
            if (at_ >= s_.size()) Bad();
            ++at_;
            for (const auto& a : attributes)
                if (a.first == attribute) Bad();
            attributes.emplace_back(attribute, value);
        }
        for (const auto& [name, value] : attributes) {
            if (name == "xmlns") scope[""] = value;
            else if (name.compare(0, 6, "xmlns:") == 0) {
                if (value.empty()) Bad();
                scope[name.substr(6)] = value;
            }
        }
        auto node = std::make_unique<Node>();
        node->ns = Resolve(scope, qname, &node->name);
        for (const auto& [name, value] : attributes) {
            std::string local;
            if (name != "xmlns" && name.compare(0, 6, "xmlns:") != 0 && name.find(':') != std::string::npos)
                Resolve(scope, name, &local);
        }
        if (empty) return node;
        for (;;) {
            if (at_ >= s_.size()) Bad();
            if (StartsWith("</")) {
                at_ += 2;
                if (Name() != qname) Bad();
                Blanks();
                if (at_ >= s_.size() || s_[at_] != '>') Bad();
                ++at_;
                return node;
            }
            if (StartsWith("<!--")) Skip("-->");
            else if (StartsWith("<![CDATA[")) {
                at_ += 9;
                size_t end = s_.find("]]>", at_);
                if (end == std::string::npos) Bad();
                node->text += s_.substr(at_, end - at_);
                at_ = end + 3;
            } else if (StartsWith("<?")) Skip("?>");
            else if (StartsWith("<!")) Bad();
            else if (s_[at_] == '<') node->children.push_back(Element(scope));
            else node->text += CharData('<');
        }
    }

    const std::string& s_;
    size_t at_ = 0;
};

[[noreturn]] void Refuse(DWORD reason) { throw Refusal{reason}; }

std::string Collapse(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

size_t Utf8Length(const std::string& s) {
    size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

bool IsBlank(const std::string& s) { return Collapse(s).empty(); }

// A simple-typed element: text only.
void Leaf(const Node& n) {
    if (!n.children.empty()) Refuse(kWlanReasonInvalidProfileSchema);
}

bool Boolean(const Node& n) {
    Leaf(n);
    const std::string v = Collapse(n.text);
    if (v == "true" || v == "1") return true;
    if (v == "false" || v == "0") return false;
    Refuse(kWlanReasonInvalidProfileSchema);
}

long Integer(const Node& n, long low, long high, DWORD reason) {
    Leaf(n);
    const std::string v = Collapse(n.text);
    if (v.empty() || v.size() > 10) Refuse(reason);
    for (size_t i = 0; i < v.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(v[i])) && !(i == 0 && (v[i] == '-' || v[i] == '+'))) Refuse(reason);
    const long value = std::strtol(v.c_str(), nullptr, 10);
    if (value < low || value > high) Refuse(reason);
    return value;
}

const std::string& Enum(const Node& n, std::initializer_list<const char*> allowed, DWORD reason) {
    Leaf(n);
    for (const char* a : allowed)
        if (n.text == a) return n.text;
    Refuse(reason);
}

bool IsHex(const std::string& s) {
    for (char c : s)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

// The children of one element against its schema sequence: each slot a local name of the
// element's own namespace with its bounds, or (name null) any element of another namespace.
struct Slot {
    const char* name;
    int min, max;
};

std::map<std::string, std::vector<const Node*>> Sequence(const Node& parent, const char* ns,
                                                         std::initializer_list<Slot> slots) {
    if (!IsBlank(parent.text)) Refuse(kWlanReasonInvalidProfileSchema);
    std::map<std::string, std::vector<const Node*>> found;
    auto child = parent.children.begin();
    for (const Slot& slot : slots) {
        int count = 0;
        while (child != parent.children.end()) {
            const Node& c = **child;
            const bool fits = slot.name ? (c.ns == ns && c.name == slot.name) : c.ns != ns;
            if (!fits || (slot.max >= 0 && count == slot.max)) break;
            if (slot.name) found[slot.name].push_back(&c);
            ++count;
            ++child;
        }
        if (count < slot.min) Refuse(kWlanReasonInvalidProfileSchema);
    }
    if (child != parent.children.end()) Refuse(kWlanReasonInvalidProfileSchema);
    return found;
}

const Node* One(std::map<std::string, std::vector<const Node*>>& found, const char* name) {
    auto it = found.find(name);
    return it == found.end() || it->second.empty() ? nullptr : it->second.front();
}

constexpr int kMany = -1;

void CheckEapHostConfig(const Node& config) {
    if (config.ns != kEapHostConfigNs || config.name != "EapHostConfig") Refuse(kWlanReasonInvalidProfileSchema);
    auto f = Sequence(config, kEapHostConfigNs, {{"EapMethod", 1, 1}, {"ConfigBlob", 0, 1}, {"Config", 0, 1}, {nullptr, 0, kMany}});
    if ((One(f, "ConfigBlob") != nullptr) == (One(f, "Config") != nullptr)) Refuse(kWlanReasonInvalidProfileSchema);
    if (const Node* blob = One(f, "ConfigBlob")) {
        const std::string v = Collapse(blob->text);
        if (v.size() % 2 != 0 || !IsHex(v)) Refuse(kWlanReasonInvalidProfileSchema);
    }
    const Node& method = *One(f, "EapMethod");
    auto m = Sequence(method, kEapCommonNs, {{"Type", 1, 1}, {"VendorId", 1, 1}, {"VendorType", 1, 1}, {"AuthorId", 0, 1}});
    if (!IsBlank(method.text)) Refuse(kWlanReasonInvalidProfileSchema);
    Integer(*One(m, "Type"), 1, 255, kWlanReasonInvalidProfileSchema);
    Integer(*One(m, "VendorId"), 0, 0xFFFFFF, kWlanReasonInvalidProfileSchema);
    Integer(*One(m, "VendorType"), 0, 0x7FFFFFFF, kWlanReasonInvalidProfileSchema);
    if (const Node* author = One(m, "AuthorId")) Integer(*author, 0, 0x7FFFFFFF, kWlanReasonInvalidProfileSchema);
}

void CheckOneX(const Node& onex) {
    auto f = Sequence(onex, kOneXNs,
                      {{"cacheUserData", 0, 1}, {"heldPeriod", 0, 1}, {"authPeriod", 0, 1}, {"startPeriod", 0, 1},
                       {"maxStart", 0, 1}, {"maxAuthFailures", 0, 1}, {"supplicantMode", 0, 1}, {"authMode", 0, 1},
                       {"singleSignOn", 0, 1}, {"EAPConfig", 1, 1}, {nullptr, 0, kMany}});
    const Node& eap = *One(f, "EAPConfig");
    if (!IsBlank(eap.text) || eap.children.size() != 1) Refuse(kWlanReasonInvalidProfileSchema);
    CheckEapHostConfig(*eap.children.front());
}

void CheckKeyMaterial(const std::string& enc, bool networkKey, const std::string& material) {
    const size_t n = material.size();
    if (enc == "WEP") {
        if (!networkKey) Refuse(kWlanReasonMsmSecProfileWrongKeyType);
        if (n == 10 || n == 26) {
            if (!IsHex(material)) Refuse(kWlanReasonMsmSecProfileKeyMaterialChar);
        } else if (n != 5 && n != 13) {
            Refuse(kWlanReasonMsmSecProfileKeyLength);
        }
        return;
    }
    if (networkKey) {
        if (n != 64) Refuse(kWlanReasonMsmSecProfilePskLength);
        if (!IsHex(material)) Refuse(kWlanReasonMsmSecProfileKeyMaterialChar);
        return;
    }
    if (n < 8 || n > 63) Refuse(kWlanReasonMsmSecProfilePskLength);
    for (unsigned char c : material)
        if (c < 32 || c > 126) Refuse(kWlanReasonMsmSecProfilePassphraseChar);
}

void CheckSecurity(const Node& security, ProfileFacts& facts, ProfileKey& key) {
    auto f = Sequence(security, kProfileNs,
                      {{"authEncryption", 1, 1}, {"sharedKey", 0, 1}, {"keyIndex", 0, 1}, {"PMKCacheMode", 0, 1},
                       {"PMKCacheTTL", 0, 1}, {"PMKCacheSize", 0, 1}, {"preAuthMode", 0, 1},
                       {"preAuthThrottle", 0, 1}, {nullptr, 0, kMany}});
    const Node& ae = *One(f, "authEncryption");
    auto a = Sequence(ae, kProfileNs, {{"authentication", 1, 1}, {"encryption", 1, 1}, {"useOneX", 0, 1}, {nullptr, 0, kMany}});
    const std::string auth = Enum(*One(a, "authentication"), {"open", "shared", "WPA", "WPAPSK", "WPA2", "WPA2PSK"},
                                  kWlanReasonInvalidProfileSchema);
    const std::string enc = Enum(*One(a, "encryption"), {"none", "WEP", "TKIP", "AES"}, kWlanReasonInvalidProfileSchema);
    const bool oneX = One(a, "useOneX") ? Boolean(*One(a, "useOneX")) : false;

    const bool wpaCipher = enc == "TKIP" || enc == "AES";
    const bool pairOk = auth == "open" ? enc == "none" || enc == "WEP"
                        : auth == "shared" ? enc == "WEP"
                                           : wpaCipher;
    if (!pairOk) Refuse(kWlanReasonMsmSecProfileInvalidAuthCipher);
    // An ad hoc network takes only open (none or WEP), shared WEP and WPA2-PSK with AES, and
    // no 802.1X.
    if (facts.ibss) {
        const bool adhocPair = (auth == "open" && (enc == "none" || enc == "WEP")) ||
                               (auth == "shared" && enc == "WEP") || (auth == "WPA2PSK" && enc == "AES");
        if (!adhocPair) Refuse(kWlanReasonMsmSecProfileInvalidAuthCipher);
        if (oneX) Refuse(kWlanReasonMsmSecProfileOneXEnabled);
    }
    const bool enterprise = auth == "WPA" || auth == "WPA2";
    const bool dynamicWep = auth == "open" && enc == "WEP";
    if (enterprise && !oneX) Refuse(kWlanReasonMsmSecProfileOneXDisabled);
    if (oneX && !enterprise && !dynamicWep) Refuse(kWlanReasonMsmSecProfileOneXEnabled);

    const Node* oneXNode = nullptr;
    for (const auto& c : security.children)
        if (c->ns == kOneXNs && c->name == "OneX") oneXNode = c.get();
    if (oneX && !oneXNode) Refuse(kWlanReasonMsmSecurityMissing);
    if (oneXNode) CheckOneX(*oneXNode);

    if (const Node* shared = One(f, "sharedKey")) {
        if (oneX || enc == "none") Refuse(kWlanReasonMsmSecProfilePskPresent);
        auto k = Sequence(*shared, kProfileNs, {{"keyType", 1, 1}, {"protected", 1, 1}, {"keyMaterial", 1, 1}, {nullptr, 0, kMany}});
        key.networkKey = Enum(*One(k, "keyType"), {"networkKey", "passPhrase"}, kWlanReasonInvalidProfileSchema) == "networkKey";
        // Protected material is sealed to the machine that made it: this one cannot open it.
        if (Boolean(*One(k, "protected"))) Refuse(kWlanReasonMsmSecProfileRawDataInvalid);
        key.material = One(k, "keyMaterial")->text;
        if (!One(k, "keyMaterial")->children.empty()) Refuse(kWlanReasonInvalidProfileSchema);
        CheckKeyMaterial(enc, key.networkKey, key.material);
        key.present = true;
    }
    if (const Node* index = One(f, "keyIndex")) key.keyIndex = static_cast<int>(Integer(*index, 0, 3, kWlanReasonMsmSecProfileInvalidKeyIndex));
    if (const Node* n = One(f, "PMKCacheMode")) Enum(*n, {"enabled", "disabled"}, kWlanReasonMsmSecProfileInvalidPmkCacheMode);
    if (const Node* n = One(f, "PMKCacheTTL")) Integer(*n, 5, 1440, kWlanReasonMsmSecProfileInvalidPmkCacheTtl);
    if (const Node* n = One(f, "PMKCacheSize")) Integer(*n, 1, 255, kWlanReasonMsmSecProfileInvalidPmkCacheSize);
    if (const Node* n = One(f, "preAuthMode")) Enum(*n, {"enabled", "disabled"}, kWlanReasonMsmSecProfileInvalidPreAuthMode);
    if (const Node* n = One(f, "preAuthThrottle")) Integer(*n, 1, 16, kWlanReasonMsmSecProfileInvalidPreAuthThrottle);

    facts.authentication = auth;
    facts.encryption = enc;
    facts.oneX = oneX;
}

void CheckProfile(const Node& root, ProfileFacts& facts, ProfileKey& key) {
    if (root.ns != kProfileNs || root.name != "WLANProfile") Refuse(kWlanReasonInvalidProfileSchema);
    auto f = Sequence(root, kProfileNs,
                      {{"name", 1, 1}, {"SSIDConfig", 1, 256}, {"connectionType", 1, 1}, {"connectionMode", 0, 1},
                       {"autoSwitch", 0, 1}, {"MSM", 0, 1}, {"IHV", 0, 1}, {nullptr, 0, kMany}});
    const Node& name = *One(f, "name");
    if (!name.children.empty()) Refuse(kWlanReasonInvalidProfileSchema);
    const size_t nameLength = Utf8Length(name.text);
    if (nameLength < 1 || nameLength > 255) Refuse(kWlanReasonInvalidProfileName);
    facts.name = name.text;

    bool first = true;
    bool nonBroadcast = false;
    for (const Node* config : f["SSIDConfig"]) {
        auto c = Sequence(*config, kProfileNs, {{"SSID", 1, 256}, {"nonBroadcast", 0, 1}, {nullptr, 0, kMany}});
        for (const Node* ssid : c["SSID"]) {
            auto s = Sequence(*ssid, kProfileNs, {{"hex", 0, 1}, {"name", 0, 1}, {nullptr, 0, kMany}});
            const Node* hex = One(s, "hex");
            const Node* text = One(s, "name");
            if (!hex && !text) Refuse(kWlanReasonProfileSsidInvalid);
            std::string bytes;
            if (text) {
                if (!text->children.empty()) Refuse(kWlanReasonInvalidProfileSchema);
                const size_t n = Utf8Length(text->text);
                if (n < 1 || n > 32) Refuse(kWlanReasonProfileSsidInvalid);
                bytes = text->text;
            }
            if (hex) {
                const std::string v = Collapse(hex->text);
                if (v.size() < 2 || v.size() > 64 || v.size() % 2 != 0 || !IsHex(v)) Refuse(kWlanReasonProfileSsidInvalid);
                bytes.clear();
                for (size_t i = 0; i < v.size(); i += 2)
                    bytes += static_cast<char>(std::strtoul(v.substr(i, 2).c_str(), nullptr, 16));
            }
            if (first) {
                facts.ssid = bytes;
                facts.hasSsid = true;
                first = false;
            }
        }
        if (const Node* nb = One(c, "nonBroadcast")) nonBroadcast = nonBroadcast || Boolean(*nb);
    }

    const std::string type = Enum(*One(f, "connectionType"), {"ESS", "IBSS"}, kWlanReasonInvalidBssType);
    facts.ibss = type == "IBSS";
    const Node* modeNode = One(f, "connectionMode");
    const bool manual = modeNode && Enum(*modeNode, {"auto", "manual"}, kWlanReasonInvalidProfileSchema) == "manual";
    const bool autoSwitch = One(f, "autoSwitch") && Boolean(*One(f, "autoSwitch"));
    // An absent mode is "auto", which an ad hoc network cannot have.
    if (facts.ibss && !manual) Refuse(kWlanReasonInvalidAdhocConnectionMode);
    if (facts.ibss && nonBroadcast) Refuse(kWlanReasonNonBroadcastSetForAdhoc);
    if (facts.ibss && autoSwitch) Refuse(kWlanReasonAutoSwitchSetForAdhoc);
    if (manual && autoSwitch) Refuse(kWlanReasonAutoSwitchSetForManualConnection);
    facts.autoConnect = !manual;

    const Node* msm = One(f, "MSM");
    if (!msm) Refuse(kWlanReasonMsmSecurityMissing);
    auto m = Sequence(*msm, kProfileNs, {{"connectivity", 0, 1}, {"security", 0, 1}, {nullptr, 0, kMany}});
    if (const Node* connectivity = One(m, "connectivity")) {
        auto p = Sequence(*connectivity, kProfileNs, {{"phyType", 0, 4}, {nullptr, 0, kMany}});
        for (const Node* phy : p["phyType"]) Enum(*phy, {"a", "b", "g", "n"}, kWlanReasonInvalidPhyType);
    }
    const Node* security = One(m, "security");
    if (!security) Refuse(kWlanReasonMsmSecurityMissing);
    CheckSecurity(*security, facts, key);
}

}  // namespace

bool CheckProfileDocument(const std::wstring& xml, ProfileFacts* facts, ProfileKey* key, DWORD* reason) {
    ProfileFacts f;
    ProfileKey k;
    try {
        const std::string text = ToUtf8(xml);
        XmlReader reader(text);
        std::unique_ptr<Node> root = reader.Document();
        CheckProfile(*root, f, k);
    } catch (const Refusal& r) {
        if (reason) *reason = r.reason;
        return false;
    }
    f.wellFormed = true;
    if (facts) *facts = f;
    if (key) *key = k;
    if (reason) *reason = kWlanReasonSuccess;
    return true;
}

namespace {

std::string HexBytes(const std::string& hex) {
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) out += static_cast<char>(std::strtoul(hex.substr(i, 2).c_str(), nullptr, 16));
    return out;
}

// The bytes a WEP key stands for: characters as they are, hex digits two to a byte.
std::string WepBytes(const std::string& key) {
    return (key.size() == 10 || key.size() == 26) && IsHex(key) ? HexBytes(key) : key;
}

// The pre-shared key a WPA key stands for on a network of that SSID.
std::string PskBytes(const std::string& key, const std::string& ssid) {
    if (key.size() == 64 && IsHex(key)) return HexBytes(key);
    uint8_t psk[kWpaPskLength] = {};
    if (!DeriveWpaPsk(key.c_str(), reinterpret_cast<const uint8_t*>(ssid.data()), ssid.size(), psk)) return {};
    return std::string(reinterpret_cast<const char*>(psk), sizeof(psk));
}

}  // namespace

DWORD KeyFailure(const ProfileKey& key, const NetworkSpec& network) {
    if (!network.hasKey) return kWlanReasonSuccess;
    switch (network.security) {
    case Security::Wep:
        if (!key.present || key.keyIndex != network.keyIndex || WepBytes(key.material) != WepBytes(network.key))
            return kWlanReasonAssociationFailure;
        return kWlanReasonSuccess;
    case Security::WpaPsk:
    case Security::Wpa2Psk:
        if (!key.present) return kWlanReasonMsmSecPskMismatchSuspected;
        {
            const std::string mine = PskBytes(key.material, network.ssid);
            if (mine.empty() || mine != PskBytes(network.key, network.ssid)) return kWlanReasonMsmSecPskMismatchSuspected;
        }
        return kWlanReasonSuccess;
    default:
        return kWlanReasonSuccess;
    }
}

}  // namespace platform::sim
