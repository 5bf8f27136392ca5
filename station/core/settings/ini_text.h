#pragma once
// The text of a private-profile file, split into sections, for the one edit the profile
// functions cannot make: removing a whole section. Also the form a value is written in so
// that the profile functions read it back unchanged.
#include <string>
#include <vector>

// One section: its header line first, then its lines. Every line keeps its own line end;
// the file's last line may have none.
using IniSection = std::vector<std::string>;
using IniSections = std::vector<IniSection>;

// A character the private-profile reader drops from the ends of lines, names and values.
bool IsIniBlank(char c);

// The section name of line when it is a header as the private-profile reader takes it:
// blanks, "[", then everything up to the line's last "]", without blanks at its ends;
// whatever follows that "]" (blanks, a comment) does not count. False for any other line.
bool IniHeaderName(const std::string& line, std::string& name);

// Splits contents into sections in file order, each starting at a line that is a header as
// the reader takes it. Lines before the first header form a leading section of their own
// (its first line is not a header), so that rewriting keeps them.
void ParseIniFile(const std::string& contents, IniSections& sections);

// True when line is a header naming exactly name (case counts).
bool IsIniHeaderOf(const std::string& line, const std::string& name);

// contents without the sections whose header names section exactly (case counts); every
// other line comes back byte for byte.
std::string RemoveIniSection(const std::string& contents, const std::string& section);

// value as it is to be written. The reader drops blanks at both ends of a value and then
// one pair of enclosing quotes ("..." or '...'), so a value that begins or ends with a blank
// or a quote goes inside double quotes; every other value is written as it is.
std::string EncodeIniValue(const std::string& value);
