#pragma once
// The system certificate stores of the current user ("MY", "ROOT"), read only.
// StoredCertificate is plain data so that window-less code can describe one.
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct StoredCertificate {
    std::string subject;       // simple display name of the subject
    std::string issuer;        // the same of the issuer
    std::string friendlyName;  // empty when the certificate has none
    int expiryYear = 0;        // NotAfter, UTC
    int expiryMonth = 0;
    int expiryDay = 0;
    std::vector<uint8_t> sha1;  // the SHA-1 hash of the encoded certificate
};

class CertificateStores {
public:
    virtual ~CertificateStores() = default;
    // Every certificate of the named system store, in the store's order; empty when the
    // store cannot be opened.
    virtual std::vector<StoredCertificate> List(const char* storeName) = 0;
    // Whether the store holds a certificate with that SHA-1 hash; found receives it.
    virtual bool FindBySha1(const char* storeName, const uint8_t* hash, uint32_t length, StoredCertificate* found) = 0;
};

}  // namespace platform
