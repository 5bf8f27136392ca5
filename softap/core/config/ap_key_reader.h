#pragma once
// Reading the stored configuration: the values of the driver key or of `ApDefault`, seen
// through a narrow reader so that the same rules serve the registry, the tests and the
// fuzzer. Every length a value comes with is untrusted.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace softap {

// Registry value types, as the registry numbers them.
constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;
constexpr uint32_t kRegMultiSz = 7;

struct RegValueData {
    uint32_t type = 0;
    std::vector<uint8_t> bytes;
};

class ApKeyReader {
public:
    virtual ~ApKeyReader() = default;
    // The value's type and bytes. False when it is missing, or longer than maxBytes (a
    // value that does not fit the reader's buffer is unreadable, never cut).
    virtual bool Read(const char* name, size_t maxBytes, RegValueData* out) const = 0;
};

// Buffer sizes of the readers: the Config page's and the start-up push's.
constexpr size_t kPageBufferBytes = 128;
constexpr size_t kStartupBufferBytes = 1024;
// A buffer sized from the value itself, however long it is.
constexpr size_t kWholeValue = SIZE_MAX;

// A REG_SZ value read into a buffer of bufferBytes, which keeps room for the terminator
// the stored value may lack. The text ends at its first zero byte. False when missing,
// of another type or too long.
bool ReadRegText(const ApKeyReader& key, const char* name, size_t bufferBytes, std::string* text);
// The same, through the decimal conversion.
bool ReadRegNumber(const ApKeyReader& key, const char* name, size_t bufferBytes, int* value);
bool ReadRegNumberU32(const ApKeyReader& key, const char* name, size_t bufferBytes, uint32_t* value);
// The first 4 bytes of a value of any type (fewer bytes read as zeros), as TransmitSetting
// is read.
bool ReadRegFirstDword(const ApKeyReader& key, const char* name, size_t bufferBytes, uint32_t* value);
// A REG_MULTI_SZ (or REG_SZ) list of addresses in a bufferBytes buffer: at most maxEntries
// valid, distinct 12-digit entries. Empty when missing or unreadable.
std::vector<std::string> ReadRegMacList(const ApKeyReader& key, const char* name, size_t bufferBytes,
                                        size_t maxEntries);
// The stored AccessControlList, read whole whatever its length: its first 32 valid,
// distinct entries. A list written by other means may be far longer than a buffer, and
// one left unread would turn a filter into no filtering.
std::vector<std::string> ReadAccessControlList(const ApKeyReader& key);
// The stored WdsList read the same way: its first 3 valid, distinct peers, so that a long
// list keeps its peers in the driver and on the page, and the page's Apply keeps them.
std::vector<std::string> ReadWdsList(const ApKeyReader& key);

// The readers above with one buffer size, each value that cannot be read traced by name.
class TracedValues {
public:
    TracedValues(const ApKeyReader& key, size_t bufferBytes) : m_Key(key), m_nBufferBytes(bufferBytes) {}

    bool Text(const char* name, std::string& text) const;
    bool Number(const char* name, int& value) const;
    bool NumberU32(const char* name, uint32_t& value) const;
    bool FirstDword(const char* name, uint32_t& value) const;

private:
    const ApKeyReader& m_Key;
    size_t m_nBufferBytes;
};

}  // namespace softap
