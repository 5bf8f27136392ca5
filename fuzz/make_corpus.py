#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets: beacons of common kinds (open, WEP, WPA,
WPA2, mixed, WPS PIN and push button, 802.11n 20/40 MHz, ad hoc, hidden) as element blobs
for ie_decoder, and as scan and merge scripts for scan_list (format in scan_list_fuzz.cpp);
connection listings in the Windows XP layout for quennet_parser; block-ack session tables for
block_ack and DLS link tables for dls_table.
Deterministic: running it again rewrites the same files."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def el(eid, body):
    assert len(body) <= 255
    return bytes([eid, len(body)]) + bytes(body)


def le16(v):
    return struct.pack("<H", v)


def be16(v):
    return struct.pack(">H", v)


def wfa(t):
    return bytes([0x00, 0x50, 0xF2, t])


def ieee(t):
    return bytes([0x00, 0x0F, 0xAC, t])


def suites(lst):
    return le16(len(lst)) + b"".join(lst)


def ssid(name):
    return el(0, name.encode())


RATES_BG = el(1, [0x82, 0x84, 0x8B, 0x96, 0x0C, 0x12, 0x18, 0x24]) + el(50, [0x30, 0x48, 0x60, 0x6C])
RATES_A = el(1, [0x8C, 0x12, 0x98, 0x24, 0xB0, 0x48, 0x60, 0x6C])


def ds(ch):
    return el(3, [ch])


def tim():
    return el(5, [0x00, 0x01, 0x00, 0x00])


def erp():
    return el(42, [0x00])


def ibss():
    return el(6, [0x00, 0x00])


def wpa(group, pairwise, akm):
    return el(221, wfa(1) + le16(1) + group + suites(pairwise) + suites(akm))


def rsn(group, pairwise, akm, caps=0x000C):
    return el(48, le16(1) + group + suites(pairwise) + suites(akm) + le16(caps))


def wps_attr(t, value):
    return be16(t) + be16(len(value)) + bytes(value)


def wps(password_id=None, selected=False):
    body = wfa(4) + wps_attr(0x104A, [0x10]) + wps_attr(0x1044, [0x02])
    if selected:
        body += wps_attr(0x1041, [0x01])
    if password_id is not None:
        body += wps_attr(0x1012, be16(password_id))
        body += wps_attr(0x1053, be16(0x0188))
    body += wps_attr(0x103B, [0x03]) + wps_attr(0x1047, bytes(range(16)))
    body += wps_attr(0x1021, b"Maker") + wps_attr(0x1023, b"Router")
    return el(221, body)


def ht_cap(forty):
    info = 0x016E if forty else 0x012C
    return el(45, le16(info) + bytes([0x17]) + bytes([0xFF, 0xFF]) + bytes(14) + bytes(2) + bytes(4) + bytes(1))


def ht_op(primary, offset):
    second = offset | (0x04 if offset else 0)
    return el(61, bytes([primary, second]) + bytes(20))


def vendor_ht(forty):
    info = 0x016E if forty else 0x012C
    return el(221, bytes([0x00, 0x90, 0x4C, 0x33]) + le16(info) + bytes([0x17]) + bytes(23))


def wmm():
    return el(221, wfa(2) + bytes([0x01, 0x01, 0x80, 0x00]) + bytes([0x03, 0xA4, 0x00, 0x00, 0x27, 0xA4, 0x00, 0x00,
                                                                    0x42, 0x43, 0x5E, 0x00, 0x62, 0x32, 0x2F, 0x00]))


# name: (elements, privacy field, NDIS infrastructure mode, channel)
BEACONS = {
    "open": (ssid("Lobby") + RATES_BG + ds(1) + tim() + erp(), 0, 1, 1),
    "wep": (ssid("OldShop") + RATES_BG + ds(6) + tim(), 1, 1, 6),
    "wpa_psk_tkip": (ssid("Cafe") + RATES_BG + ds(11) + tim() + wpa(wfa(2), [wfa(2)], [wfa(2)]) + wmm(), 1, 1, 11),
    "wpa2_psk_aes_ht20": (ssid("Home") + RATES_BG + ds(6) + tim() + ht_cap(False) +
                          rsn(ieee(4), [ieee(4)], [ieee(2)]) + ht_op(6, 0) + wmm(), 1, 1, 6),
    "mixed_wps_pin_ht40": (ssid("Office") + RATES_BG + ds(3) + tim() + erp() + ht_cap(True) +
                           rsn(ieee(2), [ieee(4), ieee(2)], [ieee(2)]) + ht_op(3, 1) +
                           wpa(wfa(2), [wfa(2), wfa(4)], [wfa(2)]) + wps(0x0000, True) + vendor_ht(True) + wmm(),
                           1, 1, 3),
    "wps_pbc": (ssid("PushMe") + RATES_BG + ds(9) + tim() + rsn(ieee(4), [ieee(4)], [ieee(2)]) +
                wps(0x0004, True), 1, 1, 9),
    "wpa2_enterprise": (ssid("Corp") + RATES_BG + ds(1) + tim() + rsn(ieee(4), [ieee(4)], [ieee(1)], 0x0028), 1, 1,
                        1),
    "adhoc_wpa_none": (ssid("Party") + RATES_BG + ds(10) + ibss() + wpa(wfa(2), [wfa(2)], [wfa(2)]), 1, 0, 10),
    "a_band_ht40": (ssid("Fast5") + RATES_A + ht_cap(True) + rsn(ieee(4), [ieee(4)], [ieee(2)]) + ht_op(36, 1) +
                    wmm(), 1, 1, 36),
    "hidden": (ssid("") + RATES_BG + ds(6) + tim() + rsn(ieee(4), [ieee(4)], [ieee(2)]), 1, 1, 6),
    "foreign_oui": (ssid("Odd") + RATES_BG + ds(6) + wpa(bytes([0x00, 0x11, 0x22, 0x02]), [wfa(2)], [wfa(2)]) +
                    rsn(ieee(4), [ieee(4)], [ieee(2)]), 1, 1, 6),
}


def khz(ch):
    if ch == 14:
        return 2484000
    if ch <= 13:
        return 2412000 + 5000 * (ch - 1)
    return 5000000 + 5000 * ch


def report(mac_last, name, rssi=-55, phy=7):
    ies, privacy, mode, ch = BEACONS[name]
    text = ies[2:2 + ies[1]]
    capability = (0x0001 if mode else 0x0002) | (0x0010 if privacy else 0) | 0x0400
    return (b"R" + bytes([0x00, 0x0C, 0x43, 0x28, 0x60, mac_last]) + bytes([len(text)]) + text.ljust(32, b"\0") +
            struct.pack("<bIHBB", rssi, khz(ch), capability, phy, 1 if mode else 2) + le16(len(ies)) + ies)


def merge(delta_tenths, channels):
    return b"M" + struct.pack("<i", delta_tenths) + bytes([len(channels)]) + bytes(channels)


CH_24 = list(range(1, 12))
CH_ALL = list(range(1, 14)) + [36, 40, 44, 48, 52, 56, 60, 64, 149, 153, 157, 161, 165]

SCRIPTS = {
    "seed_then_age": report(1, "open") + report(2, "wpa2_psk_aes_ht20") + report(3, "mixed_wps_pin_ht40") + b"S" +
    report(1, "open", -60) + merge(100, CH_24) + report(1, "open", -61) + merge(60, CH_24),
    "duplicates": report(4, "wps_pbc") + report(4, "wps_pbc", -80, 6) + report(5, "wpa_psk_tkip") + merge(10, CH_ALL),
    "forbidden_channel": report(6, "a_band_ht40", -70, 4) + report(7, "wep") + merge(10, CH_ALL) +
    report(7, "wep") + merge(20, CH_24),
    "clock_back": report(8, "adhoc_wpa_none", -65, 6) + report(9, "hidden") + merge(10, CH_24) +
    report(9, "hidden") + merge(-50, CH_24) + merge(4295, CH_24),
    "damaged": report(10, "wpa2_enterprise") + report(11, "foreign_oui") + merge(10, CH_24) +
    b"C" + le16(4 + 116 + 20) + bytes([4, 0, 0, 0, 0]) + merge(10, CH_24),
    "all_kinds": b"".join(report(20 + i, n, -40 - 3 * i) for i, n in enumerate(sorted(BEACONS))) + merge(10, CH_ALL) +
    merge(10, CH_ALL),
}


def entry(mac_last, name):
    """One BSSID-list entry, laid out as the driver's NDIS list has it."""
    ies, privacy, mode, ch = BEACONS[name]
    text = ies[2:2 + ies[1]]
    fixed = (struct.pack("<I", 116 + len(ies)) + bytes([0x00, 0x0C, 0x43, 0x28, 0x60, mac_last]) + bytes(2) +
             struct.pack("<I", len(text)) + text.ljust(32, b"\0") + struct.pack("<Ii", privacy, -50) + bytes(16) +
             struct.pack("<I", khz(ch)) + bytes(16) + struct.pack("<I", mode) + bytes(16) +
             struct.pack("<I", len(ies)))
    assert len(fixed) == 116
    return fixed + ies


LABELS = {
    "Host Name ": "Host Name . . . . . . . . . . . .",
    "Media State ": "Media State . . . . . . . . . . .",
    "Connection-specific DNS Suffix  ": "Connection-specific DNS Suffix  .",
    "Description ": "Description . . . . . . . . . . .",
    "Physical Address": "Physical Address. . . . . . . . .",
    "Dhcp Enabled": "Dhcp Enabled. . . . . . . . . . .",
    "Autoconfiguration Enabled ": "Autoconfiguration Enabled . . . .",
    "IP Address": "IP Address. . . . . . . . . . . .",
    "Subnet Mask ": "Subnet Mask . . . . . . . . . . .",
}


def listing_row(label, value):
    return "        %s : %s\r\n" % (LABELS[label], value)


def listing_block(kind, name, desc, mac, ip=None, dhcp=False):
    out = "%s adapter %s:\r\n\r\n" % (kind, name)
    if ip is None:
        return out + listing_row("Media State ", "Media disconnected") + listing_row("Description ", desc) + \
            listing_row("Physical Address", mac) + "\r\n"
    out += listing_row("Connection-specific DNS Suffix  ", "") + listing_row("Description ", desc)
    out += listing_row("Physical Address", mac) + listing_row("Dhcp Enabled", "Yes" if dhcp else "No")
    if dhcp:
        out += listing_row("Autoconfiguration Enabled ", "Yes")
    return out + listing_row("IP Address", ip) + listing_row("Subnet Mask ", "255.255.255.0") + "\r\n"


LISTING_HEAD = "\r\nWindows IP Configuration\r\n\r\n" + listing_row("Host Name ", "harbor-pc") + "\r\n"
WIRED = listing_block("Ethernet", "Local Area Connection", "Fenmoor FE-100 Network Connection",
                      "00-0C-29-4A-7B-10", "192.168.1.33", dhcp=True)
SOFT_AP = listing_block("Ethernet", "Wireless Network Connection", "Norvane ZQ-4402 Wireless LAN Card",
                        "02-E1-F0-51-01-07", "192.168.0.1")
SPARE = listing_block("Ethernet", "Spare Port", "Fenmoor Fast Ethernet", "00-0C-29-4A-7B-12")
DIALUP = listing_block("PPP", "Harbor Dial-up", "WAN (PPP/SLIP) Interface", "00-53-45-00-00-00", "10.64.64.64")
FULL = LISTING_HEAD + WIRED + SOFT_AP + SPARE + DIALUP
LISTINGS = {
    "full": FULL.encode(),
    "lf_only": FULL.replace("\r\n", "\n").encode(),
    "cut_in_block": FULL[:FULL.index("IP Address")].encode(),
    "dialup_not_dialled": (LISTING_HEAD + listing_block("PPP", "Quay", "WAN (PPP/SLIP) Interface", "00-53")).encode(),
    "bare_headers": b"Ethernet adapter \nPPP adapter\nEthernet adapter :\n\n",
}


def ba_entry(mac_last, bitmap):
    """One 48-byte block-ack session entry: peer, TID bitmap, windows, then the TID words."""
    return (bytes([0x02, 0x11, 0x22, 0x33, 0x44, mac_last, bitmap, 0]) + bytes(range(8, 16)) +
            b"".join(struct.pack("<HH", 0x100 + t, 0) for t in range(8)))


def ba_table(originators, recipients, counts):
    """A 3076-byte session table; each direction a list of (slot, mac_last, bitmap)."""
    half = []
    for entries in (originators, recipients):
        slots = [bytes(48)] * 32
        for slot, mac_last, bitmap in entries:
            slots[slot] = ba_entry(mac_last, bitmap)
        half.append(b"".join(slots))
    return half[0] + half[1] + bytes(counts) + bytes(2)


def dls_table(entries):
    """48 bytes: four DLS links (timeout, reserved, peer, status, valid)."""
    out = b""
    for timeout, mac_last, status, valid in entries + [(0, 0, 0, 0)] * (4 - len(entries)):
        out += struct.pack("<HH", timeout, 0) + bytes([0x02, 0x11, 0x22, 0x33, 0x44, mac_last, status, valid])
    return out


BA_TABLES = {
    "empty": ba_table([], [], [0, 0]),
    "two_of_three": ba_table([(0, 0x55, 0x01), (5, 0x66, 0x81), (9, 0x77, 0x02)], [(3, 0x88, 0xFF)], [2, 1]),
    "full": ba_table([(i, i, 0x01) for i in range(32)], [(i, i, 0x80) for i in range(32)], [32, 32]),
    "count_beyond": ba_table([(1, 0x55, 0x01)], [], [200, 0]),
    "short_answer": ba_table([(0, 0x55, 0x01), (1, 0x56, 0x03)], [], [2, 0])[:100],
}

DLS_TABLES = {
    "empty": dls_table([]),
    "two_links": dls_table([(300, 0x66, 2, 1), (0, 0x67, 1, 1)]),
    "full": dls_table([(65535, i, 2, 1) for i in range(4)]),
    "short_answer": dls_table([(300, 0x66, 2, 1)])[:20],
}


def wps_credential(ssid, auth, encry, key_index, key, mac=bytes(6), key_length=None, reserved=bytes(2)):
    """One 124-byte credential: SSID length and 32 bytes, types, key index and length, 64-byte key, MAC."""
    length = len(key) if key_length is None else key_length
    return (struct.pack("<I", len(ssid)) + ssid.ljust(32, b"\0")[:32] + struct.pack("<IIII", auth, encry, key_index, length)
            + key.ljust(64, b"\0")[:64] + mac + reserved)


def wps_table(count, entries):
    """996 bytes: the count and eight credentials."""
    body = b"".join(entries) + bytes(124 * (8 - len(entries)))
    return struct.pack("<I", count) + body


WPS_TABLES = {
    "empty": wps_table(0, []),
    "wpa2_psk": wps_table(1, [wps_credential(b"Lantern Home", 0x20, 0x08, 0, b"lantern-harbour-42",
                                             bytes([0x02, 0x11, 0x22, 0x33, 0x44, 0x77]))]),
    "three": wps_table(3, [wps_credential(b"Quay WEP", 1, 2, 0x80000001, b"1122334455"),
                           wps_credential(b"Harbor", 1, 1, 0, b""),
                           wps_credential(b"Office", 0x10, 0x08, 0, b"A" * 64)]),
    "count_beyond": wps_table(200, [wps_credential(b"x" * 32, 2, 4, 9, b"k" * 64)]),
    "short_answer": wps_table(2, [wps_credential(b"Harbor", 1, 1, 0, b"")])[:140],
    # The last WEP key's field full of hex digits with no zero after it, up to the table's end.
    "full_last_wep_key": wps_table(8, [wps_credential(b"Harbor", 1, 1, 0, b"")] * 7 +
                                   [wps_credential(b"Quay WEP", 1, 2, 1, b"A" * 64, b"\x5a" * 6, 10, b"\x5a\x5a")]),
}


# Station files ([Config]) and "_wsc" files for settings_readers.
SETTINGS = {
    "wpa2_psk": ("[Config]\nCurProfile=Home\nWSC=0\nSSID=Lantern Home\nNetworkType=1\nAuthMode=7\nCipherMode=6\n"
                 "WPAPSK=lantern-harbour-42\nPSMode=1\nActiveTime=2024, 3, 9, 14, 5, 59\n", ""),
    "wep_shared": ("[Config]\nSSID=Quay WEP\nAuthMode=1\nCipherMode=0\nWEPKeyUse=3\nWEPKey1=1122334455\n"
                   "WEPKey3=00112233445566778899AABBCC\nWEPKey4=7\n", ""),
    "wpa_none_adhoc": ("[Config]\nSSID=IEEE\nNetworkType=0\nChannel=6\nAuthMode=5\nCipherMode=4\nWPAPSK=password\n", ""),
    "eap": ("[Config]\nSSID=Office\nAuthMode=6\nCipherMode=6\nUse8021X=1\nAuthenProtocol=25\nTunnelProtocol=26\n"
            "ID=alice\nUseClientCert=1\nClientCertLen=20\nClientCertData=00112233445566778899aabbccddeeff00112233\n"
            "PACFilePath=C:\\pac\\file.pac\n", ""),
    "editor_profile": ("[Config]\nSSID=Raft\nChannel=212\nNetworkType=0\nPreambleType=0\nPSMode=2\nUseRts=1\n"
                       "RtsThresh=3000\nUseFrag=1\nFragThresh=100\nTXPower=6\nAuthMode=0\nCipherMode=0\nWEPKeyUse=2\n"
                       "WEPKey1Type=1\nWEPKey1=436f766521\nWEPKey2Type=0\nWEPKey2=0123456789\nLeapEnabled=1\n"
                       "LeapEncryType=2\nLeapUserName=crew\nLeapPassword=deck\nServerCertLen=2\nServerCertData=abcd\n", ""),
    "wsc": ("[Config]\nWSC=1\n", "[Common]\nConfigMode=0\nPinCode=12345670\nNumber=2\n[Profile0]\nSSID=Lantern Home\n"
            "AuthType=32\nEncryType=8\nKeyIndex=0\nKeyLength=18\nKey=lantern-harbour-42\nMacAddress=021122334477\n"
            "[Profile1]\nSSID=Quay WEP\nAuthType=1\nEncryType=2\nKeyIndex=1\nKeyLength=10\nKey=1122334455\n"),
}


def write(target, name, data):
    d = os.path.join(HERE, "corpus", target)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, name), "wb") as f:
        f.write(data)


def main():
    for name, (ies, privacy, mode, _) in BEACONS.items():
        write("ie_decoder", name, bytes([privacy, mode]) + ies)
    names = ["open", "mixed_wps_pin_ht40", "adhoc_wpa_none"]
    write("ie_decoder", "bssid_list", struct.pack("<I", len(names)) + b"".join(entry(i, n) for i, n in enumerate(names)))
    for name, data in SCRIPTS.items():
        write("scan_list", name, data)
    for name, data in LISTINGS.items():
        write("quennet_parser", name, data)
    for name, data in BA_TABLES.items():
        write("block_ack", name, data)
    write("block_ack", "bssids", struct.pack("<I", 3) + b"".join(bytes([0x02, 0x11, 0x22, 0x33, 0x44, i]) + bytes(4)
                                                               for i in range(3)))
    for name, data in DLS_TABLES.items():
        write("dls_table", name, data)
    for name, data in WPS_TABLES.items():
        write("wps_credentials", name, data)
    for name, (station, wsc) in SETTINGS.items():
        write("settings_readers", name, station.encode() + b"\0" + wsc.encode())


if __name__ == "__main__":
    main()
