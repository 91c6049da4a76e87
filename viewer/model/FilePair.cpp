#include "viewer/model/FilePair.h"

#include <cstdio>
#include <unistd.h>

#include "formats/SideNames.h"
#include "formats/TextFile.h"

namespace {

std::string StagedName(const std::string& path) { return SideStem(path) + ".new" + std::to_string(getpid()) + "~"; }

}  // namespace

bool WriteFilePair(const std::string& pathA, const std::string& bytesA, const std::string& pathB,
                   const std::string& bytesB, std::string& failed)
{
    const std::string stageA = StagedName(pathA), stageB = StagedName(pathB);
    auto fail = [&](const std::string& path) {
        std::remove(stageA.c_str());
        std::remove(stageB.c_str());
        failed = path;
        return false;
    };
    if (!WriteFileAtomic(stageA, bytesA))
        return fail(pathA);
    if (!WriteFileAtomic(stageB, bytesB))
        return fail(pathB);
    if (std::rename(stageA.c_str(), pathA.c_str()) != 0)
        return fail(pathA);
    if (std::rename(stageB.c_str(), pathB.c_str()) != 0) {
        std::remove(pathA.c_str());
        return fail(pathB);
    }
    return true;
}
