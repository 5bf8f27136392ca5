#include "tests/win/softap/pending_page.h"

namespace softap {

CPendingPage::CPendingPage(UINT captionId) : fw::CPropertyPage(IDD_PENDING_PAGE, captionId) {}

}  // namespace softap
