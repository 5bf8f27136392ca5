#pragma once
// The text of a private-profile file, split into sections, for the one edit the profile
// functions cannot make: removing a whole section.
#include <string>
#include <vector>

// One section: its header line ("[name]") first, then its lines. Every line keeps its own
// line end; the file's last line may have none.
using IniSection = std::vector<std::string>;
using IniSections = std::vector<IniSection>;

// Splits contents into sections in file order. Lines before the first header form a leading
// section of their own (its first line is not a header), so that rewriting keeps them.
void ParseIniFile(const std::string& contents, IniSections& sections);

// True when line is exactly "[" + name + "]" apart from its line end.
bool IsIniHeaderOf(const std::string& line, const std::string& name);

// contents without the sections whose header names section exactly (case counts); every
// other line comes back byte for byte.
std::string RemoveIniSection(const std::string& contents, const std::string& section);
