#pragma once
// The authentication types of the profile editor's security settings: the rows of its
// authentication list, how each maps to the stored NDIS authentication mode and back, and
// which types and encryptions the lists offer. Window-less.
#include <vector>

enum AuthType {
    kAuthOpen = 0,
    kAuthShared = 1,
    kAuthLeap = 2,
    kAuthWpaNone = 3,
    kAuthWpa = 4,
    kAuthWpaPsk = 5,
    kAuthWpa2 = 6,
    kAuthWpa2Psk = 7,
};
constexpr int kAuthTypeCount = 8;

// NDIS encryption status values, as the profile keys store them.
constexpr int kCipherWep = 0;
constexpr int kCipherNone = 1;
constexpr int kCipherTkip = 4;
constexpr int kCipherAes = 6;

// The OS codes that know the WPA2 modes: 2000, XP, XP x64, 6.x and later workstations.
bool OsKnowsWpa2(int osCode);

// The NDIS mode a type is saved as. LEAP and WPA-None in infrastructure are open (0): the
// LEAP flag carries them.
int AuthModeOfType(int type, bool infrastructure, int osCode);
// The type shown for a stored mode; a mode without a row leaves current.
int AuthTypeOfMode(int mode, bool leap, int osCode, int current);
// The mode a save stores for a mode on a network type: ad hoc turns WPA-PSK into WPA-None and
// WPA into open, infrastructure turns WPA-None into WPA-PSK.
int AuthModeForNetwork(int mode, bool infrastructure);

// What the activated list offers. The twin dialog always lists Shared and offers WPA-None
// in ad hoc where the page offers WPA2-PSK. storedType (-1: none), the type of the profile
// being edited, is listed in its place too, so that a profile the lists would not offer
// (LEAP, ad hoc WPA-None) shows as it is.
std::vector<int> OfferedAuthTypes(bool infrastructure, bool wpaSupported, int cipherCapability, int osCode,
                                  bool twin, int storedType = -1);
// The encryption list of a type (NDIS values). leapChange: the list that choosing LEAP in
// infrastructure gets (WEP, TKIP); an activation lists nothing for it.
std::vector<int> OfferedEncryptions(int type, bool infrastructure, int cipherCapability, bool leapChange = false);
