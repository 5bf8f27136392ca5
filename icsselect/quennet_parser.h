#pragma once
// Reads the connection listing that Quennet.bat writes to "Quennet.txt" (the layout of the
// full IP configuration listing): the connections the user may pick as the WAN side, and
// the soft access point's connection. Window-less.
#include <string>
#include <string_view>
#include <vector>

struct ConnectionRecord {
    std::string name;
    std::string description;
    std::string macAddress;
    std::string ipAddress;
};

struct QuennetListing {
    std::vector<ConnectionRecord> records;  // in listing order; record i is combo item i
    std::string softApName;                 // empty when no soft-AP card is listed
};

QuennetListing ParseQuennetListing(std::string_view text);

// The connection name of a block header: what follows "adapter " up to a final colon.
std::string ConnectionNameOf(std::string_view header);
// The value of a "Label . . . : value" line, trailing white space trimmed.
std::string LineValueOf(std::string_view line);
