#include "formats/Paths.h"

namespace {

std::size_t NameStart(const std::string& path)
{
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

std::size_t ExtStart(const std::string& path)
{
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < NameStart(path))
        return path.size();
    return dot;
}

}  // namespace

std::string ChangeFileExt(const std::string& path, const std::string& extension)
{
    return path.substr(0, ExtStart(path)) + extension;
}

std::string ExtractFileName(const std::string& path) { return path.substr(NameStart(path)); }

std::string ExtractFilePath(const std::string& path) { return path.substr(0, NameStart(path)); }

std::string ExtractFileExt(const std::string& path) { return path.substr(ExtStart(path)); }
