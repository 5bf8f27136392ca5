#!/usr/bin/env python3
"""Writes the seed corpora of profile_tag, service_lists, scenario and hardware_ids into fuzz/corpus/."""
import os
import shutil
import struct

here = os.path.dirname(os.path.abspath(__file__))


def put(target, name, data):
    folder = os.path.join(here, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode())


PROFILE = """<?xml version="1.0"?>
<WLANProfile xmlns="http://www.microsoft.com/networking/WLAN/profile/v1">
  <name>Lantern Home</name>
  <SSIDConfig><SSID><hex>4C616E7465726E20486F6D65</hex><name>Lantern Home</name></SSID></SSIDConfig>
  <connectionType>ESS</connectionType>
  <connectionMode>manual</connectionMode>
  <MSM><security>
    <authEncryption><authentication>WPA2PSK</authentication><encryption>AES</encryption><useOneX>false</useOneX></authEncryption>
    <sharedKey><keyType>passPhrase</keyType><protected>false</protected><keyMaterial>harbor lights</keyMaterial></sharedKey>
  </security></MSM>
</WLANProfile>
"""
put("profile_tag", "wpa2_psk", PROFILE)
put("profile_tag", "open_ibss", PROFILE.replace("ESS", "IBSS").replace("WPA2PSK", "open").replace("AES", "none"))
put("profile_tag", "cut", PROFILE[:300])
put("profile_tag", "attributes", '<name id="1"> A </name><SSID x="y"><name>B</name></SSID><MSM/>')


def entry(ssid, bssid, ies, ie_offset=360):
    e = bytearray(360)
    struct.pack_into("<I", e, 0, len(ssid))
    e[4:4 + len(ssid)] = ssid
    e[40:46] = bssid
    struct.pack_into("<I", e, 48, 1)           # infrastructure
    struct.pack_into("<i", e, 56, -48)
    struct.pack_into("<H", e, 88, 0x0411)      # ESS, privacy, short slot
    struct.pack_into("<I", e, 92, 2437000)
    struct.pack_into("<II", e, 352, ie_offset, len(ies))
    return bytes(e)


def bss_list(entries, blobs, count=None):
    body = b"".join(entries) + b"".join(blobs)
    total = 8 + len(body)
    return struct.pack("<II", total, len(entries) if count is None else count) + body


ies = bytes([0, 12]) + b"Lantern Home" + bytes([1, 4, 0x82, 0x84, 0x8B, 0x96, 3, 1, 6])
rsn = bytes([48, 20, 1, 0, 0, 0x0F, 0xAC, 4, 1, 0, 0, 0x0F, 0xAC, 4, 1, 0, 0, 0x0F, 0xAC, 2, 0, 0])
one = entry(b"Lantern Home", bytes([2, 0x11, 0x22, 0x33, 0x44, 0x55]), ies + rsn)
put("service_lists", "one_bss", bss_list([one], [ies + rsn]))
# Two entries; each one's elements lie after both entries, so the offsets differ.
a = entry(b"Lantern Home", bytes([2, 0x11, 0x22, 0x33, 0x44, 0x55]), ies, 720)
b = entry(b"Harbor", bytes([2, 0x11, 0x22, 0x33, 0x44, 0x66]), ies, 360 + len(ies))
put("service_lists", "two_bss", bss_list([a, b], [ies]))
put("service_lists", "count_beyond", bss_list([one], [ies + rsn], count=7))
put("service_lists", "blob_beyond", bss_list([entry(b"X", bytes(6), ies, 4000)], [ies]))
put("service_lists", "empty", struct.pack("<II", 8, 0))

os.makedirs(os.path.join(here, "corpus", "scenario"), exist_ok=True)
for name in ("default", "soft-ap", "two-adapters", "no-adapter", "ht-link"):
    shutil.copy(os.path.join(here, "..", "scenarios", name + ".scn"), os.path.join(here, "corpus", "scenario", name))

# Device property buffers: terminated multi-strings, one cut without its zero, a short one.
put("hardware_ids", "usb", b"USB\\VID_F0E1&PID_1101&REV_0101\0USB\\VID_F0E1&PID_1101\0\0")
put("hardware_ids", "pci", b"PCI\\VEN_F0E1&DEV_7001&SUBSYS_70011A3B&REV_00\0\0")
put("hardware_ids", "unterminated", b"USB\\VID_F0E1&PID_1101&REV")
put("hardware_ids", "short", b"PCI\\")
