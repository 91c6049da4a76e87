#pragma once
// Names of the files a writer keeps beside a file for a while (its temporary,
// the old file's second name, a lock): the file's path followed by a suffix of
// at most kSideSuffixRoom bytes. A name that leaves no room for one within its
// folder's limit is shortened first, to its start and a hash of the whole, so
// that every run on the same file finds the same side names.
#include <cstddef>
#include <string>

constexpr std::size_t kSideSuffixRoom = 32;

// Whether the file name is within the limit of its folder's file system.
bool NameFits(const std::string& path);

// The path that a side file's suffix is appended to.
std::string SideStem(const std::string& path);

// "Cannot create file \"<path>\"", telling also when its name is too long.
std::string CannotCreateText(const std::string& path);

// The result window's "The file <path> cannot be written!", likewise.
std::string CannotWriteText(const std::string& path);
