#pragma once
// Data exchange steps the profile editor's windows share.
#include <string>

#include "framework/ddx.h"

namespace editor_exchange {

// A choice list or radio group whose stored value it cannot show (a network type 2, a
// transmit power beyond the list) keeps that value instead of turning it into "none".
inline void Choice(fw::CDataExchange* dx, int id, int& value, bool radio = false) {
    int shown = value;
    if (radio) fw::DDX_Radio(dx, id, shown);
    else fw::DDX_CBIndex(dx, id, shown);
    if (dx->m_bSaveAndValidate && shown >= 0) value = shown;
}

// Text of at most max characters. A longer value the control was given and still shows
// unchanged (a stored profile name beyond what the edit takes) is kept whole.
inline void Text(fw::CDataExchange* dx, int id, std::string& value, size_t max) {
    const std::string given = value;
    fw::DDX_Text(dx, id, value);
    if (dx->m_bSaveAndValidate && value.size() > max && value != given) value.resize(max);
}

}  // namespace editor_exchange
