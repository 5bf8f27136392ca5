#pragma once
// A trackbar tied to a CSmartEdit: moving either one moves the other.
#include <windows.h>

#include <climits>

#include "framework/wnd.h"

class CSmartEdit;

class CLinkSlider : public fw::CWnd {
public:
    CLinkSlider() = default;
    ~CLinkSlider() override;

    // A vertical trackbar has its minimum at the top: it shows the edit's values mirrored,
    // so that larger values stand higher.
    void SetBuddy(CSmartEdit* edit);
    CSmartEdit* GetBuddy() const { return m_pBuddy; }
    bool IsMirrored() const { return m_bMirrored != 0; }

    void SetRange(int min, int max);
    int GetRangeMin() const { return m_nMin; }
    int GetRangeMax() const { return m_nMax; }
    // A value of the edit: mirrored on a vertical slider.
    void SetPosition(int value);
    // A raw trackbar position.
    void SetPos(int pos);
    int GetPos() const;
    int GetLastPos() const { return m_nLastPos; }

protected:
    void OnHScroll(UINT code, UINT pos, HWND bar);
    FW_DECLARE_MESSAGE_MAP()

private:
    friend class CSmartEdit;
    CSmartEdit* m_pBuddy = nullptr;
    int m_nMin = 0;
    int m_nMax = 100;  // the trackbar's own default range
    int m_nLastPos = INT_MAX;
    BYTE m_bMirrored = 0;
};
