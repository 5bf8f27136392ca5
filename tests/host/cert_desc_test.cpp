// A store's certificate described for the 802.1X pages, and when two descriptions are the
// same certificate for the selection dialog.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/cert_stores.h"
#include "station/profiles/dot1x/cert_desc.h"

namespace {

platform::StoredCertificate Stored() {
    platform::StoredCertificate c;
    c.subject = "crew laptop";
    c.issuer = "Harbor CA";
    c.friendlyName = "Laptop";
    c.expiryYear = 2031;
    c.expiryMonth = 5;
    c.expiryDay = 6;
    for (uint8_t i = 0; i < 20; ++i) c.sha1.push_back(static_cast<uint8_t>(i + 1));
    return c;
}

}  // namespace

TEST(CertDesc, DescribesWithinItsFields) {
    CertDesc d = DescribeCertificate(Stored());
    EXPECT_STREQ(d.IssuedTo, "crew laptop");
    EXPECT_STREQ(d.IssuedBy, "Harbor CA");
    EXPECT_STREQ(d.ExpiredOn, "2031/05/06");
    EXPECT_STREQ(d.FriendlyName, "Laptop");
    EXPECT_EQ(d.FriendlyNameLength, 6u);
    ASSERT_EQ(d.ThumbprintLength, 20u);
    EXPECT_EQ(d.Thumbprint[19], 20);

    platform::StoredCertificate odd = Stored();
    odd.subject = std::string(300, 's');
    odd.sha1.resize(32, 0xEE);  // a longer hash than a thumbprint holds
    odd.expiryYear = 0;          // no date could be read
    d = DescribeCertificate(odd);
    EXPECT_EQ(std::strlen(d.IssuedTo), 255u);
    EXPECT_EQ(d.ThumbprintLength, 20u);
    EXPECT_STREQ(d.ExpiredOn, "");
}

TEST(CertDesc, SameWhenTextsFriendlyNameAndThumbprintAgree) {
    const CertDesc base = DescribeCertificate(Stored());
    struct Case {
        const char* what;
        void (*change)(CertDesc&);
        bool same;
    } const cases[] = {
        {"itself", [](CertDesc&) {}, true},
        {"another subject", [](CertDesc& d) { d.IssuedTo[0] = 'C'; }, false},
        {"another issuer", [](CertDesc& d) { d.IssuedBy[0] = 'h'; }, false},
        {"another expiry", [](CertDesc& d) { d.ExpiredOn[9] = '7'; }, false},
        {"another friendly name", [](CertDesc& d) { d.FriendlyName[0] = 'l'; }, false},
        {"a shorter thumbprint", [](CertDesc& d) { d.ThumbprintLength = 19; }, false},
        {"another thumbprint byte", [](CertDesc& d) { d.Thumbprint[4] ^= 1; }, false},
        {"bytes past the thumbprint", [](CertDesc& d) { d.Reserved = 7; }, true},
        {"a length beyond the field", [](CertDesc& d) { d.FriendlyNameLength = 5000; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CertDesc other = base;
        c.change(other);
        EXPECT_EQ(SameCertDesc(base, other), c.same);
    }
}
