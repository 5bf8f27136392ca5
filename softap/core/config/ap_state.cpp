#include "daduve/ap_state.h"

namespace daduve {

ApState g_Ap;

}  // namespace daduve
