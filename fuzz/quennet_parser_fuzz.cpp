// The connection listing of "Quennet.txt" as it may come: any bytes, cut anywhere.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "icsselect/quennet_parser.h"

namespace {

// Every text the parser returns is a piece of one line of the input.
void CheckPiece(const std::string& piece, std::string_view input) {
    if (piece.find('\n') != std::string::npos) std::abort();
    if (!piece.empty() && input.find(piece) == std::string_view::npos) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact-size copy, so that a read one byte past the end is caught.
    std::string text(reinterpret_cast<const char*>(data), size);
    QuennetListing listing = ParseQuennetListing(text);
    for (const ConnectionRecord& r : listing.records) {
        CheckPiece(r.name, text);
        CheckPiece(r.description, text);
        CheckPiece(r.macAddress, text);
        CheckPiece(r.ipAddress, text);
    }
    CheckPiece(listing.softApName, text);
    if (listing.records.size() > size) std::abort();
    return 0;
}
