#include "shared/controls/smart_edit.h"

#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "framework/resources.h"
#include "shared/controls/link_slider.h"

FW_BEGIN_MESSAGE_MAP(CSmartEdit, fw::CWnd)
    FW_ON_WM_CHAR(OnChar)
    FW_ON_CONTROL_REFLECT(EN_KILLFOCUS, OnKillFocus)
FW_END_MESSAGE_MAP()

CSmartEdit::~CSmartEdit()
{
    if (m_pSlider != nullptr && m_pSlider->m_pBuddy == this)
        m_pSlider->m_pBuddy = nullptr;
    m_pSlider = nullptr;
}

BOOL CSmartEdit::SubclassEdit(int id, fw::CWnd* parent, WORD mask)
{
    SetParseType(mask);
    return SubclassDlgItem(id, parent);
}

BOOL CSmartEdit::SetRange(int min, int max, int lineSize, int pageSize)
{
    m_nMin = min;
    m_nMax = max;
    UpdateSlider(lineSize, pageSize);
    SetParseType(min < 0 ? kParseSigned : kParseUnsigned);
    return TRUE;
}

BOOL CSmartEdit::LinkSlider(fw::CWnd* parent, int sliderId)
{
    if (parent == nullptr)
        return FALSE;
    HWND item = parent->GetDlgItem(sliderId);
    if (item == nullptr)
        return FALSE;
    CLinkSlider* slider = nullptr;
    if (fw::CWnd* bound = fw::CWnd::FromHandle(item)) {
        // Only a slider object can be linked; anything else would be misused.
        slider = dynamic_cast<CLinkSlider*>(bound);
        if (slider == nullptr)
            return FALSE;
    } else {
        auto owned = std::make_unique<CLinkSlider>();
        if (!owned->SubclassWindow(item))
            return FALSE;
        slider = owned.get();
        m_pOwnedSlider = std::move(owned);
    }
    if (m_pSlider != nullptr && m_pSlider != slider && m_pSlider->m_pBuddy == this)
        m_pSlider->m_pBuddy = nullptr;
    m_pSlider = slider;
    slider->SetBuddy(this);
    return TRUE;
}

int CSmartEdit::UpdateSlider(int lineSize, int pageSize)
{
    if (m_pSlider == nullptr)
        return 0;
    m_pSlider->SetBuddy(this);
    m_pSlider->SetRange(m_nMin, m_nMax);
    m_pSlider->SendMessage(TBM_SETLINESIZE, 0, lineSize);
    m_pSlider->SendMessage(TBM_SETPAGESIZE, 0, pageSize);
    return 1;
}

void CSmartEdit::WriteNumber(int value) { SetWindowText(fw::FormatStr("%d", value)); }

BOOL CSmartEdit::SetIntValue(int value)
{
    if (value < m_nMin || value > m_nMax)
        return FALSE;
    WriteNumber(value);
    return TRUE;
}

int CSmartEdit::SetValue(int value)
{
    if (value == m_nLastValue)
        return 0;
    m_nLastValue = value;
    WriteNumber(value);
    return 1;
}

WORD CSmartEdit::CharClass(WCHAR ch)
{
    if (ch < 0x20)
        return 0xFFFF;
    if (IsCharAlphaNumericW(ch) && !IsCharAlphaW(ch)) {
        // Other scripts' digits and superscripts are numeric too, but no number parser
        // or hex decoder downstream reads them.
        return ch >= L'0' && ch <= L'9' ? 0x55 : 0x08;
    }
    if (IsCharAlphaW(ch)) {
        WCHAR up[2] = {ch, 0};
        CharUpperBuffW(up, 1);
        if (up[0] == L'E')
            return 0x46;
        if (up[0] >= L'A' && up[0] <= L'F')
            return 0x42;
        return 0x02;
    }
    switch (ch) {
    case L'-':
        return 0x14;
    case L'.':
        return 0x04;
    case L'_':
        return 0x28;
    default:
        return 0x08;
    }
}

void CSmartEdit::OnChar(UINT ch, UINT, UINT)
{
    WCHAR wide = 0;
    if (IsWindowUnicode(m_hWnd)) {
        wide = static_cast<WCHAR>(ch);
    } else {
        // A byte of the system code page.
        char byte = static_cast<char>(ch);
        if (MultiByteToWideChar(CP_ACP, 0, &byte, 1, &wide, 1) != 1)
            wide = static_cast<WCHAR>(ch & 0xFF);
    }
    if ((CharClass(wide) & m_wParseMask) == 0) {
        OnBadInput();
        return;
    }
    Default();
}

void CSmartEdit::OnKillFocus()
{
    if (m_pSlider == nullptr)
        return;
    std::string text = GetWindowText();
    if (text.size() > 512)
        text.resize(512);
    // Saturates instead of overflowing: a huge number is clamped like any other.
    long long value = std::strtoll(text.c_str(), nullptr, 10);
    bool clamped = false;
    if (value < m_nMin) {
        value = m_nMin;
        OnBadInput();
        clamped = true;
    } else if (value > m_nMax) {
        value = m_nMax;
        OnBadInput();
        clamped = true;
    }
    int v = static_cast<int>(value);
    m_pSlider->SetPosition(v);
    if (clamped) {
        m_nLastValue = kNoValue;
        SetValue(v);
    }
}

void CSmartEdit::OnBadInput() { MessageBeep(0xFFFFFFFF); }
