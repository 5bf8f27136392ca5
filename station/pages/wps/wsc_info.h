#pragma once
// What an access point's WPS element advertises, as the "WPS Information" dialog shows it.
// Window-less: the element list comes from a scan entry, so every length in it is untrusted.
#include <cstddef>
#include <cstdint>
#include <string>

struct WscInfoTexts {
    std::string configMethods;
    std::string devicePasswordId;
    std::string selectedRegistrar;
    std::string state;
    std::string version;
    std::string apSetupLocked;
    std::string uuidE;
    std::string rfBands;
};

// Finds the first WPS element of an entry's information elements and decodes its
// attributes. The walk stops at an element or attribute that runs past its container and at
// a later element whose length byte is 0; an attribute of length 0 is stepped over unread.
// Nothing outside [ies, ies + size) is read. Returns false when no WPS element was reached.
bool DecodeWscInfo(const uint8_t* ies, size_t size, WscInfoTexts& out);
