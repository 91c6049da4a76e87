#pragma once
// Text files as lists of 8-bit lines: read split on CR LF, LF or CR;
// written with CR LF after every line.
#include <string>
#include <vector>

// False when the file cannot be opened or read.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines);

// The lines of a text; a line break at the very end starts no further line.
std::vector<std::string> SplitTextLines(const std::string& text);

// Writes a temporary file of its own beside path (named by SideStem) and renames
// it over path, so a failed write never loses the old file and writers at the
// same moment never mix their bytes; the old file's mode stays. False (old file
// untouched) on failure, also for a read-only file or a name too long.
bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

// Writes bytes the same safe way.
bool WriteFileAtomic(const std::string& path, const std::string& bytes);
