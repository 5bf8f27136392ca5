#include "softap/core/help_path.h"

namespace softap {

std::string HelpFilePath(const std::string& modulePath, unsigned systemLangId)
{
    const size_t slash = modulePath.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? std::string() : modulePath.substr(0, slash + 1);
    // Only the file name's ".HLP" takes the language: a folder may have one of its own.
    return folder + (systemLangId == kLangChineseTaiwan ? "SorvelCHN.HLP" : "SorvelENG.HLP");
}

}  // namespace softap
