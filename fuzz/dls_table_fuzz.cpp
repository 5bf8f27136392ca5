// The DLS link table as the driver returned it, of any length: entries wholly inside the
// answer are read, and each one written back must give its own bytes again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "station/core/driver/dls_link.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const size_t n = size < kDlsTableSize ? size : kDlsTableSize;
    std::vector<uint8_t> answer(data, data + n);
    const DlsTable table = ReadDlsTable(answer.data(), answer.size());
    for (size_t i = 0; i < kDlsLinkCount; ++i) {
        uint8_t bytes[sizeof(DlsLinkEntry)];
        WriteDlsEntry(table[i], bytes);
        if ((i + 1) * sizeof(DlsLinkEntry) <= n) {
            if (std::memcmp(bytes, answer.data() + i * sizeof(DlsLinkEntry), sizeof(bytes)) != 0) std::abort();
        } else if (table[i].Valid != 0) {
            std::abort();
        }
    }
    return 0;
}
