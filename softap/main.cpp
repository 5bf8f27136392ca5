#include "softap/tray/havix_app.h"

FW_IMPLEMENT_APP(softap::CHavixApp)
