#include "editor/circuit/SubcktExpansion.h"

#include "editor/circuit/CircuitFields.h"
#include "editor/circuit/IntText.h"
#include "formats/TextFile.h"
#include "formats/Tokens.h"

#include <algorithm>

namespace {

class Rewriter {
public:
    Rewriter(const GCompo& instance, int counter) : instance_(instance), counter_(counter) {}

    // The line renamed and renumbered; empty for a line without tokens.
    std::string Rewrite(const std::string& line)
    {
        std::vector<std::string> tokens = SplitBlanks(line);
        if (tokens.empty())
            return std::string();
        std::size_t count = static_cast<std::size_t>(SubcktNodeCount(tokens[0][0]));
        std::string nodes;
        for (std::size_t i = 1; i <= count; ++i)
            nodes += MapNode(Token(tokens, i));
        return tokens[0] + "_" + instance_.Name + " " + nodes + " " + Token(tokens, count + 1) + " " +
               Token(tokens, count + 2);
    }
    int InternalCount() const { return static_cast<int>(internals_.size()); }

private:
    static std::string Token(const std::vector<std::string>& tokens, std::size_t i)
    {
        return i < tokens.size() ? tokens[i] : std::string();
    }

    std::string MapNode(const std::string& token)
    {
        if (token == "0")
            return " 0";
        int port = StrToIntDef(token, 0);
        if (port >= 1 && port <= instance_.TermCount)
            return NodeField(instance_, port - 1);
        auto at = std::find(internals_.begin(), internals_.end(), token);
        if (at == internals_.end())
            at = internals_.insert(internals_.end(), token);
        return " _" + std::to_string(counter_ + (at - internals_.begin()));
    }

    const GCompo& instance_;
    int counter_;
    std::vector<std::string> internals_;
};

}  // namespace

int SubcktNodeCount(char first)
{
    switch (first) {
    case 'C': case 'G': case 'L': case 'R': return 2;
    case 'M': case 'Q': case 'q': return 3;
    default: return 4;
    }
}

bool ExpandSubcircuit(const GCompo& instance, int& counter, const std::string& folder,
                      std::vector<std::string>& lines, std::string& error)
{
    std::string path = folder + instance.Text + ".sbc";
    std::vector<std::string> file;
    if (!ReadTextLines(path, file)) {
        error = "Cannot open file \"" + path + "\"";
        return false;
    }
    Rewriter rewriter(instance, counter);
    for (std::size_t i = 1; i < file.size(); ++i) {
        std::string line = rewriter.Rewrite(file[i]);
        if (!line.empty())
            lines.push_back(line);
    }
    counter += rewriter.InternalCount();
    return true;
}
