#pragma once
// The lines of an ini file: sections "[name]", entries "key=value", every
// other line kept as it is. Section and key names match ignoring ASCII case;
// blanks around names and values do not count.
#include <optional>
#include <string>
#include <vector>

// The value of the first matching key in the first matching section.
std::optional<std::string> FindIniValue(const std::vector<std::string>& lines, const std::string& section,
                                        const std::string& key);

// Replaces the key's line, or adds it at the end of the section (after its
// last non-blank line), or adds the section at the end of the file.
void SetIniValue(std::vector<std::string>& lines, const std::string& section, const std::string& key,
                 const std::string& value);
