#pragma once
// The rows of both utilities' Link Status pages that show a level (label, bar, word, value)
// and how the noise row moves up into the place of a receive chain the adapter lacks.
#include <windows.h>

struct LinkRow {
    int label, bar, word, value;
};

// The four controls' rectangles in the page's client coordinates.
struct LinkRowPlace {
    RECT rect[4];
};
LinkRowPlace PlaceOfRow(HWND page, const LinkRow& row);

// Shows chains 1 and 2 only when present (chain 2 only with chain 1) and puts the noise row
// into the place of the first missing chain, or back home with all three; laid out from
// scratch each time, since an adapter may gain a chain meanwhile.
void LayOutChainRows(HWND page, const LinkRow (&chains)[3], const LinkRow& noise, const LinkRowPlace& noiseHome,
                     bool chain1Present, bool chain2Present);
