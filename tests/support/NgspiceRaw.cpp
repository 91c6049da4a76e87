#include "tests/support/NgspiceRaw.h"

#include <cstdlib>
#include <cstring>
#include <sstream>
#include <unistd.h>

#include "tests/support/TempFolder.h"

std::string OnPath(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "");
    for (std::string dir; std::getline(folders, dir, ':');)
        if (!dir.empty() && ::access((dir + "/" + name).c_str(), X_OK) == 0)
            return dir + "/" + name;
    return "";
}

std::map<std::string, std::vector<std::complex<double>>> ReadAcRaw(const std::string& path)
{
    std::string bytes = ReadBytes(path);
    const std::string mark = "Binary:\n";
    std::size_t data = bytes.find(mark);
    if (data == std::string::npos)
        return {};
    std::istringstream header(bytes.substr(0, data));
    std::vector<std::string> names;
    std::size_t points = 0;
    bool variables = false;
    for (std::string line; std::getline(header, line);) {
        if (line.rfind("No. Points:", 0) == 0)
            points = std::stoul(line.substr(11));
        else if (line == "Variables:")
            variables = true;
        else if (variables) {
            std::istringstream words(line);
            std::string index, name;
            words >> index >> name;
            names.push_back(name);
        }
    }
    data += mark.size();
    std::map<std::string, std::vector<std::complex<double>>> vectors;
    if (bytes.size() - data != points * names.size() * 2 * sizeof(double))
        return vectors;
    for (std::size_t p = 0; p < points; ++p)
        for (std::size_t v = 0; v < names.size(); ++v) {
            double pair[2];
            std::memcpy(pair, bytes.data() + data + (p * names.size() + v) * sizeof pair, sizeof pair);
            vectors[names[v]].emplace_back(pair[0], pair[1]);
        }
    return vectors;
}
