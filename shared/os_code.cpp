#include "shared/os_code.h"
