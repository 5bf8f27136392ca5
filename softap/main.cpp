#include "daduve/havix_app.h"

FW_IMPLEMENT_APP(daduve::CHavixApp)
