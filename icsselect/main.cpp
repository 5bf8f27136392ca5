#include "icsselect/pelcor_app.h"

FW_IMPLEMENT_APP(CPelcorApp)
