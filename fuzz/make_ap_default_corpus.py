#!/usr/bin/env python3
"""Writes the seed corpus of ap_default_fuzz: stored access-point configurations as the two
utilities leave them (Havix's seeding, the station utility's, WEP, WPA2-PSK with lists) and a
few damaged ones (no terminators, lists past their limits, values of the wrong type).
Format in ap_default_fuzz.cpp. Deterministic: running it again rewrites the same files."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

NAMES = ["SSID", "WirelessMode", "TransRate", "TurboRate", "BGProtection", "ShortSlot", "CountryRegion",
         "CountryRegionABand", "Channel", "PreambleType", "TXPower", "RtsThresh", "FragThresh", "AuthenType",
         "Encryption", "WPAPSK", "WEPKey1Type", "WEPKey2Type", "WEPKey3Type", "WEPKey4Type", "WEPKeyUse", "WEPKey1",
         "WEPKey2", "WEPKey3", "WEPKey4", "RekeyInterval", "RekeyMethod", "RadiusIP", "RadiusPort", "RadiusKey",
         "AccessControlPolicy", "AccessControlList", "WdsEnable", "WdsList", "AutoChannelSelect", "NoForwarding",
         "HideSSID", "BeaconPeriod", "IdleTime", "TXBurst", "TransmitSetting", "AllowBW40Capability"]
REG_SZ, REG_DWORD, REG_MULTI_SZ = 1, 4, 7


def value(name, kind, data):
    return bytes([NAMES.index(name), kind]) + struct.pack("<H", len(data)) + data


def text(name, t, terminated=True):
    return value(name, REG_SZ, t.encode() + (b"\0" if terminated else b""))


def multi(name, entries):
    return value(name, REG_MULTI_SZ, b"".join(e.encode() + b"\0" for e in entries) + b"\0")


HAVIX_SEED = [("SSID", "DaduVE-21"), ("WirelessMode", "9"), ("TransRate", "0"), ("TurboRate", "0"),
              ("BGProtection", "0"), ("ShortSlot", "1"), ("CountryRegion", "0"), ("CountryRegionABand", "0"),
              ("Channel", "0"), ("PreambleType", "0"), ("TXPower", "0"), ("RtsThresh", "2347"),
              ("FragThresh", "2346"), ("AuthenType", "0"), ("Encryption", "1"), ("WPAPSK", ""), ("WEPKeyUse", "1"),
              ("RekeyInterval", "60"), ("RekeyMethod", "0"), ("RadiusIP", ""), ("RadiusPort", ""), ("RadiusKey", ""),
              ("AccessControlPolicy", "0"), ("WdsEnable", "0"), ("AutoChannelSelect", "0"), ("NoForwarding", "0"),
              ("HideSSID", "0"), ("BeaconPeriod", "100"), ("IdleTime", "300")]


def config(flags, pairs, extra=b""):
    return bytes([flags]) + b"".join(text(n, t) for n, t in pairs) + extra


def write(name, data):
    d = os.path.join(HERE, "corpus", "ap_default")
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, name), "wb") as f:
        f.write(data)


def main():
    write("havix_seed", config(0x03, HAVIX_SEED, multi("AccessControlList", []) + multi("WdsList", [])))
    write("station_seed", config(0x00, [("SSID", "DaduVE-07"), ("WirelessMode", "0"), ("FragThresh", "0"),
                                        ("WdsEnable", "1"), ("BeaconPeriod", "100")]))
    write("wep", config(0x02, HAVIX_SEED + [("Encryption", "0"), ("WEPKeyUse", "3"), ("WEPKey1", "0a1b2c3d4e"),
                                            ("WEPKey3", "00112233445566778899aabbcc"), ("WEPKey4", "zz")]))
    write("wpa2_lists", config(0x07, HAVIX_SEED + [("AuthenType", "7"), ("Encryption", "6"),
                                                   ("WPAPSK", "harbor lights 2008"), ("AccessControlPolicy", "1")],
                               multi("AccessControlList", ["001122334455", "00aabbccddee", "00AABBCCDDEE"]) +
                               multi("WdsList", ["0073FF123456", "020000000001"]) +
                               value("TransmitSetting", REG_DWORD, struct.pack("<I", 0x29879))))
    write("damaged", bytes([0x0F]) + text("SSID", "A" * 60, terminated=False) +
          value("WirelessMode", REG_DWORD, b"\x05\x00\x00\x00") + text("IdleTime", "99999999999999") +
          multi("AccessControlList", ["%012X" % i for i in range(40)]) +
          value("WdsList", REG_MULTI_SZ, b"0073FF1234560073FF123456") + text("WPAPSK", "g" * 64) +
          value("TransmitSetting", REG_SZ, b"\x01"))


if __name__ == "__main__":
    main()
