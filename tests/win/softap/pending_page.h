#pragma once
// A page of the main sheet whose content is not part of this build yet: it carries the
// page's caption and says so, rather than pretending to work.
#include "framework/property_page.h"

namespace daduve {

class CPendingPage : public fw::CPropertyPage {
public:
    explicit CPendingPage(UINT captionId);
};

}  // namespace daduve
