#include "shared/controls/link_slider.h"

#include <commctrl.h>

#include "shared/controls/smart_edit.h"

FW_BEGIN_MESSAGE_MAP(CLinkSlider, fw::CWnd)
    FW_ON_WM_HSCROLL_REFLECT(OnHScroll)
FW_END_MESSAGE_MAP()

CLinkSlider::~CLinkSlider()
{
    if (m_pBuddy != nullptr && m_pBuddy->m_pSlider == this)
        m_pBuddy->m_pSlider = nullptr;
    m_pBuddy = nullptr;
}

void CLinkSlider::SetBuddy(CSmartEdit* edit)
{
    m_pBuddy = edit;
    if (m_hWnd != nullptr && (GetWindowLongA(m_hWnd, GWL_STYLE) & TBS_VERT))
        m_bMirrored = 1;
}

void CLinkSlider::SetRange(int min, int max)
{
    m_nMin = min;
    m_nMax = max;
    // The packed TBM_SETRANGE holds only 16-bit bounds.
    SendMessage(TBM_SETRANGEMIN, FALSE, min);
    SendMessage(TBM_SETRANGEMAX, TRUE, max);
}

void CLinkSlider::SetPosition(int value)
{
    // In 64 bits: extreme ranges must not overflow.
    long long pos = m_bMirrored ? static_cast<long long>(m_nMax) + m_nMin - value : value;
    SetPos(static_cast<int>(pos));
}

void CLinkSlider::SetPos(int pos) { SendMessage(TBM_SETPOS, TRUE, pos); }

int CLinkSlider::GetPos() const { return static_cast<int>(::SendMessageA(m_hWnd, TBM_GETPOS, 0, 0)); }

void CLinkSlider::OnHScroll(UINT code, UINT pos, HWND)
{
    Default();
    if (m_pBuddy == nullptr)
        return;
    int value = 0;
    switch (code) {
    case TB_LINEUP:
    case TB_LINEDOWN:
    case TB_PAGEUP:
    case TB_PAGEDOWN:
    // Home and End move the thumb as far as it goes: the edit must follow there too.
    case TB_TOP:
    case TB_BOTTOM:
        value = GetPos();
        break;
    case TB_THUMBTRACK:
        // The message carries 16 bits; below zero they are the low half of the position.
        value = m_nMin < 0 ? static_cast<short>(pos) : static_cast<int>(pos);
        break;
    default:
        return;
    }
    m_nLastPos = value;
    m_pBuddy->SetValue(value);
}
