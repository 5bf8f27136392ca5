#include "station/profiles/editor/profile_checks.h"

#include "resources/station/resource.h"
#include "station/profiles/editor/auth_type_table.h"
#include "station/profiles/profile_list.h"

namespace {

const std::string& KeyText(const AuthSecuValues& auth, int n) {
    return auth.keyFormats[n] == kKeyFormatAscii ? auth.asciiKeys[n] : auth.hexKeys[n];
}

unsigned WepMessage(int format) { return format == kKeyFormatAscii ? IDS_BAD_WEP_ASCII : IDS_BAD_WEP_HEX; }

// The transmit key must be a key; every other one may be empty. The key refused, or -1.
int BadWepKey(const AuthSecuValues& auth) {
    const int chosen = auth.defaultKey >= 0 && auth.defaultKey < 4 ? auth.defaultKey : 0;
    if (!IsWepKeyText(KeyText(auth, chosen), auth.keyFormats[chosen])) return chosen;
    for (int n = 0; n < 4; ++n) {
        const std::string& key = KeyText(auth, n);
        if (!key.empty() && !IsWepKeyText(key, auth.keyFormats[n])) return n;
    }
    return -1;
}

bool CheckWepKeys(const AuthSecuValues& auth, ProfileSaveUi& ui, unsigned style, int* badWepKey) {
    const int bad = BadWepKey(auth);
    if (badWepKey) *badWepKey = bad;
    if (bad < 0) return true;
    ui.Message(WepMessage(auth.keyFormats[bad]), style);
    return false;
}

bool CheckPsk(const AuthSecuValues& auth, bool wpa2, ProfileSaveUi& ui, unsigned style) {
    if (IsPskText(auth.psk)) return true;
    ui.Message(wpa2 ? IDS_BAD_WPA2_PSK : IDS_BAD_WPA_PSK, style);
    return false;
}

bool Dot1xWithoutWepKeys(const AuthSecuValues& auth) { return auth.use8021X && auth.dot1x.eapMethod != kEapMd5; }

bool IsWepChoice(const AuthSecuValues& auth) {
    return auth.authType == kAuthShared || (auth.authType == kAuthOpen && auth.encryptionIndex == 1);
}

}  // namespace

int ValidateProfileKeys(const ProfileEditorModel& model, ProfileSaveUi& ui, int* badWepKey) {
    const AuthSecuValues& auth = model.auth;
    if (badWepKey) *badWepKey = -1;
    // What the save will store, not what the lists last showed: a WPA-None network switched
    // to infrastructure is stored as WPA-PSK, and needs its key.
    const SavedSecurity saved = SecurityAsSaved(auth, IsInfrastructure(model.sys.networkType));
    // The 802.1X settings are checked in their own sheet; here they always pass.
    if (saved.authMode == 4 || saved.authMode == 5 || saved.authMode == 7) {
        if (!CheckPsk(auth, saved.authMode == 7, ui, kBoxOk)) return 0;
    }
    if (Dot1xWithoutWepKeys(auth) || auth.leap) return 1;
    if ((saved.authMode == 1 || saved.cipherMode == kCipherWep) && !CheckWepKeys(auth, ui, kBoxOk, badWepKey)) return 0;
    return 1;
}

int CheckProfileForSave(ProfileEditorModel& model, ProfileSaveUi& ui) {
    SysConfigValues& sys = model.sys;
    AuthSecuValues& auth = model.auth;
    sys.profileName = TrimProfileName(sys.profileName);
    auto fail = [&](unsigned message, int page) {
        if (message) ui.Message(message, kBoxOk | kBoxStop);
        ui.ShowPage(page);
        return 0;
    };
    if (sys.profileName.empty()) return fail(IDS_ENTER_PROFILE_NAME, kSysConfigPageIndex);
    if (sys.profileName.size() > kProfileNameMax) return fail(IDS_PROFILE_NAME_TOO_LONG, kSysConfigPageIndex);
    if (sys.ssid.empty()) return fail(IDS_SSID_REQUIRED, kSysConfigPageIndex);
    int badWepKey = -1;
    if (!ValidateProfileKeys(model, ui, &badWepKey)) {
        fail(0, kAuthSecuPageIndex);
        if (badWepKey >= 0) ui.ShowWepKey(badWepKey);
        return 0;
    }
    if (IsInfrastructure(sys.networkType) && auth.authType == kAuthLeap) {
        auth.leapIdentity = TrimProfileName(auth.leapIdentity);
        if (auth.leapIdentity.empty() || auth.leapPassword.empty()) return fail(IDS_LEAP_ID_REQUIRED, kAuthSecuPageIndex);
    }
    if (!SameProfileName(sys.profileName, model.originalName) || model.newProfile) {
        if (!model.newProfile && ui.Message(IDS_CREATE_ANOTHER_PROFILE, kBoxOkCancel) != kAnswerOk)
            return fail(0, kSysConfigPageIndex);
        // Section names ignore case: "home" would overwrite "Home".
        if (ui.NameTaken(sys.profileName)) return fail(IDS_DUPLICATE_PROFILE_NAME, kSysConfigPageIndex);
    }
    return 1;
}

int CheckSecurityDialog(const AuthSecuValues& auth, ProfileSaveUi& ui) {
    if (!Dot1xWithoutWepKeys(auth)) {
        if ((auth.authType == kAuthWpaPsk || auth.authType == kAuthWpa2Psk) &&
            !CheckPsk(auth, auth.authType == kAuthWpa2Psk, ui, kBoxOk))
            return 0;
        int badWepKey = -1;
        if (IsWepChoice(auth) && !CheckWepKeys(auth, ui, kBoxOk, &badWepKey)) {
            ui.ShowWepKey(badWepKey);
            return 0;
        }
    }
    if (auth.authType == kAuthLeap && auth.infrastructure &&
        (auth.leapIdentity.empty() || auth.leapPassword.empty())) {
        ui.Message(IDS_LEAP_ID_REQUIRED, kBoxOk | kBoxStop);
        return 0;
    }
    return 1;
}

bool UsesWepKeys(const AuthSecuValues& auth) { return IsWepChoice(auth) && !Dot1xWithoutWepKeys(auth); }

PackedWepKeys PackWepKeys(const AuthSecuValues& auth) {
    PackedWepKeys packed;
    for (int n = 0; n < 4; ++n) packed.lengths[n] = PackWepKey(KeyText(auth, n), auth.keyFormats[n], packed.bytes[n]);
    return packed;
}
