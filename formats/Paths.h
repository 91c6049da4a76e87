#pragma once
// File name helpers in the framework's manner, on '/' separated paths.
#include <string>

// The path with its extension (from the last '.' of the file name) replaced.
std::string ChangeFileExt(const std::string& path, const std::string& extension);
// The file name without its folder.
std::string ExtractFileName(const std::string& path);
// The folder with its trailing '/', or "" for a bare name.
std::string ExtractFilePath(const std::string& path);
// The extension with its '.', or "".
std::string ExtractFileExt(const std::string& path);
