#include "editor/subcircuits/SubcircuitList.h"

#include "editor/elements/PartNames.h"

#include <algorithm>
#include <filesystem>

std::vector<std::string> SubcircuitNames(const std::string& subcktFolder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(subcktFolder, error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::path& path = it->path();
        if (path.extension() == ".sbc" && !path.stem().empty())
            names.push_back(path.stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool CheckSubcircuitName(const std::string& name, std::string& message)
{
    if (IsFileName(name))
        return true;
    message = "The name of this subcircuit must not contain blanks, control characters or # !";
    return false;
}
