#pragma once
// Puts a profile on the adapter: (0, name, 1) when the Profile page activates one, (1, "", 0)
// at device initialisation to re-apply the station's current configuration with the
// driver's own radio settings. The record goes to the main window's action queue.
void ApplyProfile(int withDriverSettings, const char* profileName, int connectRequested);
