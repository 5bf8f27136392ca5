#include "softap/core/config/ap_state.h"

namespace softap {

ApState g_Ap;

}  // namespace softap
