#include "station/core/qel_config_app.h"

FW_IMPLEMENT_APP(CQelConfigApp)
