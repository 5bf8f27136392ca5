#pragma once
// The vendor's web site, which both About pages show on their button and open.
constexpr const char* kVendorWebAddress = "http://www.norvane.com";
