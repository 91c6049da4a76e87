#pragma once
// A fresh temporary folder, removed with its contents at the end of a test,
// and whole-file reads and writes.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tervox-test-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The path of a name inside the folder.
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }
    // The folder with a trailing '/'.
    std::string Folder() const { return (path_ / "").string(); }
    // The names of the entries in the folder, sorted.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // Writes the lines of text, each ended by CR LF, and returns the path.
    std::string Write(const std::string& name, const std::string& text) const
    {
        std::string path = *this / name;
        std::ofstream out(path, std::ios::binary);
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);)
            out << line << "\r\n";
        return path;
    }

private:
    std::filesystem::path path_;
};

// The bytes of a file, "" when it is missing.
inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}
