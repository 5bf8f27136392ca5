#pragma once
// The checks of the 802.1X settings sheet, in their order: the first that fails names its
// message and the page that holds the value. Window-less.
#include <string>

#include "station/profiles/dot1x/dot1x_settings.h"

struct Dot1xProblem {
    unsigned message = 0;  // string id; 0: the settings are complete
    int page = 0;          // 0 authentication, 1 CA server
};

// clientCertChosen: the authentication page shows a chosen client certificate.
Dot1xProblem CheckDot1xSettings(const Dot1xSettings& settings, bool clientCertChosen);

// The domain rule: the name's first "." is neither its first nor its last character.
bool IsValidDomainName(const std::string& name);

// The inner-method lists of the authentication page. PEAP and method 5: EAP-MSCHAP v2,
// EAP-TLS, Generic Token Card; TTLS: CHAP, MS-CHAP, MS-CHAP-V2, PAP, EAP-MD5.
int InnerTypeIndex(int innerType);
int InnerTypeOfIndex(int index);
int TtlsProtocolIndex(int protocol);
int TtlsProtocolOfIndex(int index);
