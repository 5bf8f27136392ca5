#pragma once
// The checks the profile editor runs when it saves, in their fixed order, each with its
// message and the page that holds the value to correct; and the checks of the security
// settings' modal twin. Window-less: messages, questions and page changes go through a
// ProfileSaveUi.
#include <string>

#include "station/profiles/editor/profile_editor_model.h"
#include "station/profiles/editor/wep_key_text.h"

// Message box styles and answers, as the system's message boxes take and give them.
constexpr unsigned kBoxOk = 0x00;
constexpr unsigned kBoxOkCancel = 0x01;
constexpr unsigned kBoxStop = 0x10;
constexpr int kAnswerOk = 1;
constexpr int kAnswerCancel = 2;

// The editor's pages, in sheet order.
constexpr int kSysConfigPageIndex = 0;
constexpr int kAuthSecuPageIndex = 1;

class ProfileSaveUi {
public:
    virtual ~ProfileSaveUi() = default;
    // Shows string textId in a message box of that style; the button pressed.
    virtual int Message(unsigned textId, unsigned style) = 0;
    virtual void ShowPage(int index) = 0;
    // Whether "_prof" already has a section of that name.
    virtual bool NameTaken(const std::string& name) const = 0;
    // Makes WEP key n (0-3), which a check refused, reachable: its edit may be disabled (keys
    // 2-4 in ad hoc) while the key still goes to the driver.
    virtual void ShowWepKey(int n) = 0;
};

// The key checks for the authentication and encryption the profile is saved with; 1 when the
// keys may be saved (the failing check has told the user). badWepKey: the WEP key refused,
// -1 for none.
int ValidateProfileKeys(const ProfileEditorModel& model, ProfileSaveUi& ui, int* badWepKey = nullptr);

// The name, SSID, key and LEAP checks and the rename question, in that order; 1 when the
// profile may be written. The name is trimmed on the way.
int CheckProfileForSave(ProfileEditorModel& model, ProfileSaveUi& ui);

// What the twin dialog checks on OK; 1 when it may close.
int CheckSecurityDialog(const AuthSecuValues& auth, ProfileSaveUi& ui);

// The four WEP keys in the 14-byte form the twin dialog hands back.
struct PackedWepKeys {
    uint8_t bytes[4][kWepKeyPackSize] = {};
    uint32_t lengths[4] = {};
};
PackedWepKeys PackWepKeys(const AuthSecuValues& auth);
// Whether the twin dialog packs the keys on OK: Shared, or Open with WEP, without an 802.1X
// method other than MD5.
bool UsesWepKeys(const AuthSecuValues& auth);
