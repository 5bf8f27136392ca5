#include "station/profiles/profile_globals.h"

CProfileSheet* g_pProfileSheet = nullptr;
int g_ProfileApplied = 0;
int g_ActivatedFromProfile = 0;
int g_ActivatedFromSiteSurvey = 0;
