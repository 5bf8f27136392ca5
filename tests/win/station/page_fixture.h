#pragma once
// One page of the station in a sheet of its own, against a simulated world.
#include <windows.h>

#include "driver_key_util.h"
#include "pending_page.h"
#include "framework/property_page.h"
#include "resources/station/resource.h"
#include "station_fixture.h"
#include "tests/win/common/sheet_page_test.h"
#include "tests/win/layout_check.h"

template <class Page>
class PageInSheetTest : public SheetPageTest<StationTest, Page, fw::CPropertyPage, IDD_PENDING_PAGE> {};
