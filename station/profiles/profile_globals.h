#pragma once
// What the profile code shares with the main window, the Site Survey and the WPS work.
class CProfileSheet;

// The open profile editor; null when none.
extern CProfileSheet* g_pProfileSheet;
// 1 after a stored profile (not a WPS credential) was applied.
extern int g_ProfileApplied;
// Where the last activation came from: the Profile page or the Site Survey's Connect.
extern int g_ActivatedFromProfile;
extern int g_ActivatedFromSiteSurvey;
