#include "platform/ProgramFolder.h"

#include <filesystem>
#include <system_error>

#include "formats/Paths.h"

std::string ProgramFolder()
{
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return "./";
    return ExtractFilePath(exe.string());
}
