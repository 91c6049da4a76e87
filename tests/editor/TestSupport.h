#pragma once
// Shared fixtures: a temporary folder and a subcircuit symbol file in it.
#include <filesystem>
#include <fstream>
#include <string>

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tervox-editor-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a trailing '/'.
    std::string Folder() const { return path_ + "/"; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    void Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(File(name), std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const
    {
        std::ifstream in(File(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::string path_;
};

// The subcircuit "amp": a 60 x 40 box with pins left 10, right 10, bottom 20, top 30.
inline void WriteAmpSymbol(const TempFolder& folder)
{
    folder.Write("amp.sbc", "6 4 L1 R1 B2 T3 \r\nR1 1 2 1000\r\n");
}
