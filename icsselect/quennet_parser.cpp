#include "icsselect/quennet_parser.h"

#include "icsselect/adapter_descriptions.h"

namespace {

bool Contains(std::string_view line, std::string_view what) { return line.find(what) != std::string_view::npos; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view TrimRight(std::string_view s) {
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// One line at a time, as a text-mode file reads: "\r\n" and "\n" end a line, and a last
// line without an end still counts. Past the end every read fails with an empty line, so a
// listing cut inside a block is read with what it holds and never beyond it.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_text(text) {}

    bool Read(std::string& line) {
        if (m_pos >= m_text.size()) {
            line.clear();
            return false;
        }
        std::size_t end = m_text.find('\n', m_pos);
        std::size_t next = end == std::string_view::npos ? m_text.size() : end + 1;
        if (end == std::string_view::npos) end = m_text.size();
        std::string_view l = m_text.substr(m_pos, end - m_pos);
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        line.assign(l);
        m_pos = next;
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

void ReadEthernetBlock(LineReader& in, const std::string& header, QuennetListing& out) {
    std::string line;
    const std::string name = ConnectionNameOf(header);
    in.Read(line);  // the blank line after the header
    in.Read(line);
    // A disconnected card has "Media State" here and no address lines.
    const bool hasIpLines = Contains(line, "Connection-specific");
    std::string description;
    in.Read(description);
    if (FindAdapterDescription(description) >= 0) {
        out.softApName = name;  // a later soft-AP block replaces an earlier one
        return;
    }
    ConnectionRecord r;
    r.name = name;
    r.description = LineValueOf(description);
    in.Read(line);
    r.macAddress = LineValueOf(line);
    if (hasIpLines) {
        in.Read(line);  // DHCP; with DHCP on, "Autoconfiguration Enabled" follows
        if (Contains(line, "Yes")) in.Read(line);
        in.Read(line);
        r.ipAddress = LineValueOf(line);
    }
    out.records.push_back(std::move(r));
}

void ReadPppBlock(LineReader& in, const std::string& header, QuennetListing& out) {
    std::string line;
    const std::string name = ConnectionNameOf(header);
    in.Read(line);
    in.Read(line);
    if (!Contains(line, "Connection-specific")) return;  // not dialled in: not listed
    ConnectionRecord r;
    r.name = name;
    in.Read(line);
    r.description = LineValueOf(line);
    in.Read(line);
    r.macAddress = LineValueOf(line);
    in.Read(line);
    if (Contains(line, "Yes")) in.Read(line);
    in.Read(line);
    r.ipAddress = LineValueOf(line);
    out.records.push_back(std::move(r));
}

}  // namespace

std::string ConnectionNameOf(std::string_view header) {
    header = TrimRight(header);
    std::size_t at = header.find("adapter");
    if (at == std::string_view::npos) return {};
    at += 8;  // the word and one blank
    if (at >= header.size()) return {};
    std::string_view name = header.substr(at);
    if (name.back() == ':') name.remove_suffix(1);
    return std::string(name);
}

std::string LineValueOf(std::string_view line) {
    line = TrimRight(line);
    std::size_t colon = line.find(':');
    // Without a colon the value is the line less its first character.
    std::size_t start = colon == std::string_view::npos ? 1 : colon + 2;
    if (start >= line.size()) return {};
    return std::string(line.substr(start));
}

QuennetListing ParseQuennetListing(std::string_view text) {
    QuennetListing out;
    LineReader in(text);
    std::string line;
    if (!in.Read(line)) return out;
    do {
        if (Contains(line, "Ethernet adapter")) ReadEthernetBlock(in, line, out);
        else if (Contains(line, "PPP adapter")) ReadPppBlock(in, line, out);
    } while (in.Read(line));
    return out;
}
