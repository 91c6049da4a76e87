#include "tests/support/NetworkFiles.h"

#include <algorithm>
#include <stdexcept>

#include "formats/BinaryFile.h"
#include "formats/ParFile.h"
#include "formats/Term.h"

namespace {

void WriteSection(OutFile& file, const std::vector<FileTerm>& terms)
{
    for (const FileTerm& term : terms) {
        TERM t;
        t.coefficient = term.coefficient;
        t.power = static_cast<std::uint8_t>(term.power);
        for (int symbol : term.symbols)
            t.symbols[t.count++] = static_cast<std::uint8_t>(symbol);
        t.Write(file);
    }
    TERM::WriteEndRecord(file);
}

}  // namespace

int DegreeOf(const std::vector<FileTerm>& terms)
{
    int degree = 0;
    for (const FileTerm& t : terms)
        degree = std::max(degree, t.power);
    return degree;
}

void WriteFdtFile(const std::string& path, const std::vector<FileTerm>& numerator,
                  const std::vector<FileTerm>& denominator)
{
    OutFile file;
    bool written = file.Open(path, "wb");
    if (written) {
        WriteSection(file, numerator);
        WriteSection(file, denominator);
        written = file.Close();
    }
    if (!written)
        throw std::runtime_error("cannot write the network function " + path);
}

std::string WriteNetwork(const std::string& folder, const std::string& base, const std::vector<std::string>& names,
                         const std::vector<double>& values, const std::vector<FileTerm>& numerator,
                         const std::vector<FileTerm>& denominator)
{
    std::string fdt = folder + base + ".fdt";
    WriteFdtFile(fdt, numerator, denominator);
    ParFile par;
    par.names = names;
    par.values = values;
    par.hasCounts = true;
    par.numeratorDegree = static_cast<unsigned>(DegreeOf(numerator));
    par.denominatorDegree = static_cast<unsigned>(DegreeOf(denominator));
    par.numeratorTerms = static_cast<unsigned>(numerator.size());
    par.denominatorTerms = static_cast<unsigned>(denominator.size());
    if (!WriteParFile(folder + base + ".par", par))
        throw std::runtime_error("cannot write the network function " + base);
    return fdt;
}

std::string WriteManyTerms(const std::string& folder, const std::string& base, int terms)
{
    constexpr int kComponents = 8;
    std::vector<std::string> names;
    std::vector<double> values;
    for (int c = 0; c < kComponents; ++c) {
        names.push_back("R" + std::to_string(c + 1));
        values.push_back(c + 1.0);
    }
    // Term i: the octal digits of i + 1 as its symbols, so no two products are equal.
    std::vector<FileTerm> section;
    for (int i = 0; i < terms; ++i) {
        FileTerm t{1.0 + i % 3, i % 4, {}};
        for (int n = i + 1; n > 0; n /= kComponents)
            t.symbols.push_back(n % kComponents);
        section.push_back(t);
    }
    return WriteNetwork(folder, base, names, values, section, section);
}
