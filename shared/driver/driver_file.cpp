#include "shared/driver/driver_file.h"

#include "shared/adapter/chip_table.h"

bool ChooseDriverFile(int osCode, int isWow64, int chipIndex, DriverFileChoice* choice)
{
    if (choice == nullptr || chipIndex < 0 || chipIndex >= kChipCount || osCode <= 2) return false;
    const char* const* names = SupportedChipTable[chipIndex].driverFiles;
    int column = 0;
    bool inDrivers = true;
    bool redirect = false;
    switch (osCode) {
        case 11:
            column = isWow64 ? 4 : 3;
            redirect = isWow64 != 0;
            break;
        case 10:
            column = 2;
            redirect = isWow64 != 0;
            break;
        case 8: column = 2; break;
        case 7: column = 1; break;
        default:
            column = 0;
            inDrivers = false;
            break;
    }
    const char* name = names[column];
    if (name == nullptr || *name == '\0') return false;
    choice->relativePath = std::string(inDrivers ? "\\drivers\\" : "\\") + name;
    choice->redirectionOff = redirect;
    return true;
}

bool ChooseSoftApDriverFile(int osCode, int isWow64, int chipIndex, DriverFileChoice* choice)
{
    if (choice == nullptr || chipIndex < 0 || chipIndex >= kChipCount || osCode <= 2) return false;
    const char* const* names = SupportedChipTable[chipIndex].driverFiles;
    const int column = osCode >= 8 ? 2 : osCode == 7 ? 1 : 0;
    const char* name = names[column];
    if (name == nullptr || *name == '\0') return false;
    choice->relativePath = std::string(osCode >= 7 ? "\\drivers\\" : "\\") + name;
    choice->redirectionOff = osCode >= 10 && isWow64 != 0;
    return true;
}
