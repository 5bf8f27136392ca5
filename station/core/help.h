#pragma once
// Opens the station utility's help file on a worker thread of its own.
void StartHelpThread();
