#include "softap/pages/refresh_page.h"

namespace softap {

FW_BEGIN_MESSAGE_MAP(CRefreshPage, fw::CPropertyPage)
    FW_ON_WM_TIMER(OnTimer)
FW_END_MESSAGE_MAP()

BOOL CRefreshPage::OnSetActive()
{
    SetTimer(kRefreshTimerId, kRefreshMs);
    return fw::CPropertyPage::OnSetActive();
}

BOOL CRefreshPage::OnKillActive()
{
    KillTimer(kRefreshTimerId);
    return fw::CPropertyPage::OnKillActive();
}

void CRefreshPage::OnTimer(UINT_PTR) { Refresh(); }

}  // namespace softap
