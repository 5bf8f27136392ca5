#include "daduve/pending_page.h"

#include "resources/daduve/resource.h"

namespace daduve {

CPendingPage::CPendingPage(UINT captionId) : fw::CPropertyPage(IDD_PENDING_PAGE, captionId) {}

}  // namespace daduve
