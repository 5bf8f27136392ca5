#pragma once
// One Havix page in a sheet of its own, with a second page to switch to, against the
// simulated adapter world.
#include <windows.h>

#include "tests/win/softap/pending_page.h"
#include "havix_fixture.h"
#include "resources/softap/resource.h"
#include "tests/win/common/sheet_page_test.h"
#include "tests/win/layout_check.h"

template <class Page>
class HavixSheetPageTest : public SheetPageTest<HavixTest, Page, softap::CPendingPage, IDS_CONFIG> {};
