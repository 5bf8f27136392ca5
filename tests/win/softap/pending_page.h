#pragma once
// A page with nothing on it for the tests' sheets: it carries a caption of the program's and
// says it is not available, so a page under test has a neighbour to change to.
#define IDD_PENDING_PAGE 3990

#ifndef RC_INVOKED
#include "framework/property_page.h"

namespace softap {

class CPendingPage : public fw::CPropertyPage {
public:
    explicit CPendingPage(UINT captionId);
};

}  // namespace softap
#endif
