#include "station/profiles/profile_keys.h"

const char* const kProfileKeys[kProfileKeyCount + 1] = {
    "ACPowerCam",     "AuthenProtocol",     "AuthMode",       "Channel",           "ClientCertData",
    "ClientCertLen",  "CipherMode",         "FragThresh",     "ID",                "IntermediateCert",
    "LeapEnabled",    "LeapEncryType",      "LeapPassword",   "LeapUserName",      "NameRule",
    "NetworkType",    "PACFilePath",        "Password",       "PasswordMode",      "PreambleType",
    "ProvisioningTunnel", "ProvisionMode",  "PSMode",         "RtsThresh",         "ServerCertData",
    "ServerCertLen",  "ServerName",         "SessionResumption", "SSID",           "TunnelID",
    "TunnelPassword", "TunnelProtocol",     "TXPower",        "Use8021X",          "UseClientCert",
    "UseFrag",        "UsePAC",             "UseRts",         "UseServerCert",     "WEPKey1",
    "WEPKey1Type",    "WEPKey2",            "WEPKey2Type",    "WEPKey3",           "WEPKey3Type",
    "WEPKey4",        "WEPKey4Type",        "WEPKeyUse",      "WPAPSK",
    "ActiveTime",
};
