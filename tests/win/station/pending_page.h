#pragma once
// A page with nothing to set: the tests put it beside the page they try in a sheet of its own
// (pending_page.rc, linked into the tests alone).
#define IDD_PENDING_PAGE 3990
