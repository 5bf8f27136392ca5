#include "station/core/pending_page.h"

#include "resources/station/resource.h"

CPendingPage::CPendingPage(const char* caption) : fw::CPropertyPage(IDD_PENDING_PAGE) {
    m_psp.dwFlags |= PSP_USETITLE;
    m_psp.pszTitle = caption;
}
