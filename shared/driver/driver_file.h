#pragma once
// Which file in the system directory holds the adapter's driver, for the About pages: one of
// the five names of the chip's row, chosen by OS code. Window-less.
#include <string>

struct DriverFileChoice {
    std::string relativePath;     // "\drivers\<name>" or "\<name>", appended to the system directory
    bool redirectionOff = false;  // a 32-bit process on 64-bit Windows must read the real drivers folder
};

// False when this system or chip has no driver file name (OS code 2 and below, a chip index
// outside the table, an empty name).
bool ChooseDriverFile(int osCode, int isWow64, int chipIndex, DriverFileChoice* choice);

// The soft-AP utility's choice, by its own OS codes: "\drivers\" with the Windows XP name
// from code 8 on (its later systems included) or the Windows 2000 name on code 7, the root
// of the system directory with the 9x name on codes 3 to 6; redirection off for a 32-bit
// process from code 10 on. False where it has no name, as above.
bool ChooseSoftApDriverFile(int osCode, int isWow64, int chipIndex, DriverFileChoice* choice);
