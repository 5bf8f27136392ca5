#pragma once
// Queues a connect with a stored profile: (0, name, 1) activates a profile from the
// Profile page; (1, "", 0) re-applies the active one at device initialisation.
int ApplyProfile(int atStart, const char* profileName, int activate);
