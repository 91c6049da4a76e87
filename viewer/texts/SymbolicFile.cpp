#include "viewer/texts/SymbolicFile.h"

#include <cstdio>

#include "formats/BinaryFile.h"
#include "formats/Paths.h"
#include "formats/SideNames.h"

namespace {

void AppendPowers(std::string& bytes, const std::vector<SOP>& sums)
{
    for (std::size_t k = 0; k < sums.size(); ++k) {
        std::string t = sums[k].Text();
        if (t.empty())
            continue;
        bytes.append("( ").append(t).append(")");
        if (k == 1)
            bytes.append(" s");
        else if (k >= 2)
            bytes.append(" s^").append(std::to_string(k));
        bytes.append("\r\n\r\n");
    }
}

}  // namespace

std::string SymbolicFileBytes(const std::vector<SOP>& numerator, const std::vector<SOP>& denominator)
{
    std::string bytes;
    AppendPowers(bytes, numerator);
    bytes.append(78, '-').append("\r\n\r\n");
    AppendPowers(bytes, denominator);
    return bytes;
}

bool WriteSymbolicFile(const std::string& outPath, const std::string& bytes, std::string& error)
{
    std::string temp = ExtractFilePath(outPath) + "out.tmp";
    // A stale temporary (or a link in its place) goes first; the new one is
    // created afresh, never written through.
    std::remove(temp.c_str());
    OutFile file;
    if (!file.Open(temp, "wbx")) {
        error = CannotWriteText(temp);
        return false;
    }
    file.Put(bytes.data(), bytes.size());
    bool ok = file.Close() && std::rename(temp.c_str(), outPath.c_str()) == 0;
    if (!ok) {
        std::remove(temp.c_str());
        error = CannotWriteText(outPath);
    }
    return ok;
}
