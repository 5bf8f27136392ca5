#pragma once
// One element's text out of a profile document the service hands back, which any program
// may have stored: no XML parser, only the first element of a name. Window-less.
#include <string>

// The text between the first <tag> (or <tag ...>) and the first </tag> after it, trimmed;
// empty when either is missing.
std::string XmlTagText(const std::string& text, const char* tag);
