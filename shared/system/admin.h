#pragma once
// Whether the user runs with the BUILTIN\Administrators group in the process token.

// Sets g_IsAdmin (1 or 0) and returns it.
int IsAdministrator();
