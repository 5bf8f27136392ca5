#pragma once
// The security controls that the profile editor's Authentication and Security page and its
// modal twin dialog share: the authentication and encryption lists, the pre-shared key, the
// four WEP keys with their formats and the default key, the 802.1X switch and the LEAP rows.
// The owner's DoDataExchange calls Exchange; its handlers call the steps below.
#include <windows.h>

#include <array>
#include <string>

#include "framework/dialog.h"
#include "shared/controls/link_slider.h"  // CSmartEdit members are built here
#include "shared/controls/smart_edit.h"
#include "station/profiles/editor/profile_editor_model.h"

class AuthSecuForm {
public:
    AuthSecuForm(fw::CDialog& owner, AuthSecuValues& values, bool twin);

    AuthSecuValues& Values() { return m_Values; }

    void Exchange(fw::CDataExchange* dx);
    // Dialog start: the hex filters, the format lists and the label texts.
    void InitControls();
    // The authentication and encryption lists for the network type and the current type.
    void FillLists();
    // What an activation does: the lists, the values into the controls, the rows' states.
    void Activate();
    // The network type changed on the other page while this one has a window: the values as
    // the controls hold them follow it, and the controls show them again.
    void FollowNetworkType(bool infrastructure);
    // Enables WEP key n's format and edits (an ad hoc network disables keys 2-4) and puts the
    // caret in its edit.
    void ShowWepKey(int n);

    // Reads every control, then lays the rows out for the type chosen.
    void ControlsToValues();
    void ValuesToControls();

    void OnAuthenticationChange();
    void UpdateControlState();
    void OnKeyChange();
    void OnShowPassword();
    void OnUse8021X(bool toggle);
    void On8021XSettings();

private:
    void FillEncryptions(int type, bool leapChange);
    // The type the values show: their mode as the network type stores it.
    int ShownType() const;
    void LayOut();
    void EnableWepControls(bool enable);
    void Show(int id, bool show);
    void Enable(int id, bool enable);
    std::string SelectedText(int id) const;
    int TypeOfName(const std::string& name) const;
    std::string NameOfType(int type) const;

    fw::CDialog& m_Owner;
    AuthSecuValues& m_Values;
    bool m_bTwin;
    std::array<CSmartEdit, 4> m_HexEdits;
    std::array<CSmartEdit, 4> m_AsciiEdits;
    // Texts of the labels 1203, 1204, 1205.
    std::string m_strLabels[3];
};

// The handlers of an owner that holds its form as m_Form, and its message map's entries for
// them (the control ids come from resources/station/resource.h).
#define AUTH_SECU_FORM_HANDLERS                                                  \
    void OnAuthenticationChange() { m_Form.OnAuthenticationChange(); }           \
    void OnControlState() { m_Form.UpdateControlState(); }                       \
    void OnKeyChange() { m_Form.OnKeyChange(); }                                 \
    void On8021XSettings() { m_Form.On8021XSettings(); }                         \
    void On8021XToggle() { m_Form.OnUse8021X(true); }                            \
    void On8021XCheck() { m_Form.OnUse8021X(false); }                            \
    void OnShowPassword() { m_Form.OnShowPassword(); }

#define AUTH_SECU_FORM_MESSAGES                                                  \
    FW_ON_CBN_SELCHANGE(IDC_AUTH_TYPE, OnAuthenticationChange)                   \
    FW_ON_CBN_SELCHANGE(IDC_AUTH_ENCRYPTION, OnControlState)                     \
    FW_ON_CBN_SELCHANGE(IDC_AUTH_FORMAT1, OnKeyChange)                           \
    FW_ON_CBN_SELCHANGE(IDC_AUTH_FORMAT2, OnKeyChange)                           \
    FW_ON_CBN_SELCHANGE(IDC_AUTH_FORMAT3, OnKeyChange)                           \
    FW_ON_CBN_SELCHANGE(IDC_AUTH_FORMAT4, OnKeyChange)                           \
    FW_ON_BN_CLICKED(IDC_AUTH_8021X_SETTINGS, On8021XSettings)                   \
    FW_ON_BN_CLICKED(IDC_AUTH_8021X_TOGGLE, On8021XToggle)                       \
    FW_ON_BN_CLICKED(IDC_AUTH_USE_8021X, On8021XCheck)                           \
    FW_ON_BN_CLICKED(IDC_AUTH_KEY1, OnKeyChange)                                 \
    FW_ON_BN_CLICKED(IDC_AUTH_KEY2, OnKeyChange)                                 \
    FW_ON_BN_CLICKED(IDC_AUTH_KEY3, OnKeyChange)                                 \
    FW_ON_BN_CLICKED(IDC_AUTH_KEY4, OnKeyChange)                                 \
    FW_ON_BN_CLICKED(IDC_AUTH_SHOW_PASSWORD, OnShowPassword)
