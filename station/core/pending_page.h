#pragma once
// A page of the main sheet whose content is not part of this build yet: it shows its
// caption and says so, rather than pretending to work.
#include "framework/property_page.h"

class CPendingPage : public fw::CPropertyPage {
public:
    explicit CPendingPage(const char* caption);
};
