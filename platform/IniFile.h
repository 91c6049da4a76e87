#pragma once
// The settings file shared by both programs. Every call reads the file
// again (no cache); every write changes one key under a lock file and
// replaces the file atomically, so a crash or another program writing at
// the same moment never loses or corrupts it. Lines it does not know stay.
#include <optional>
#include <string>

class IniFile {
public:
    static constexpr const char* kFileName = "tervox.ini";

    explicit IniFile(std::string path) : path_(std::move(path)) {}
    // tervox.ini in the program's own folder.
    static IniFile BesideProgram();

    const std::string& Path() const { return path_; }

    // The key's value; nothing when the file, section or key is missing, so
    // that an empty value stays apart from an absent key.
    std::optional<std::string> ReadValue(const std::string& section, const std::string& key) const;
    // A missing file, section or key gives the default.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    // A value that is not a decimal integer gives the default.
    int ReadInteger(const std::string& section, const std::string& key, int def) const;

    // False when the file could not be written (it is then unchanged) or
    // the value holds a line break.
    bool WriteString(const std::string& section, const std::string& key, const std::string& value);
    bool WriteInteger(const std::string& section, const std::string& key, int value);

private:
    std::string path_;
};
