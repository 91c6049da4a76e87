// The elements, nullors and nodes of the engine's circuit, their sort order,
// and the first two lines of the parameter file.
#include <algorithm>

#include "engine/Circuito.h"
#include "formats/NumberText.h"
#include "formats/SideNames.h"

namespace {

const char kInternalName[] = " ";

// Symbolic elements first, then numeric ones, each in byte order of their names.
bool BySymbol(const Componente& x, const Componente& y)
{
    if (x.symbolic != y.symbolic)
        return x.symbolic;
    return x.name < y.name;
}

Componente EdgePair(const std::string& name, int iFrom, int iTo, int vFrom, int vTo, double value,
                    bool symbolic)
{
    Componente e;
    e.name = name;
    e.iFrom = iFrom;
    e.iTo = iTo;
    e.vFrom = vFrom;
    e.vTo = vTo;
    e.value = value;
    e.symbolic = symbolic;
    return e;
}

}  // namespace

int Circuito::Node(const std::string& name)
{
    auto [it, added] = nodeIndex_.try_emplace(UpperCase(name), static_cast<int>(nodes_.size()) + 1);
    if (added)
        nodes_.push_back(name);
    return it->second;
}

int Circuito::InternalNode() { return Node("$" + std::to_string(internalCounter_++)); }

void Circuito::AddBranch(const std::string& name, int a, int b, double value, bool symbolic)
{
    Componente e = EdgePair(name, a, b, a, b, value, symbolic);
    const char kind = e.Kind();
    e.reactive = kind == 'C' || kind == 'L';
    e.impedance = kind == 'L' || kind == 'R';
    elements_.push_back(e);
}

void Circuito::AddControlled(const std::string& name, int iFrom, int iTo, int vFrom, int vTo,
                             double value, bool symbolic)
{
    Componente e = EdgePair(name, iFrom, iTo, vFrom, vTo, value, symbolic);
    e.controlled = true;
    const char kind = e.Kind();
    e.impedance = kind == 'Y' || kind == 'K';
    e.reactive = kind == 'K';
    elements_.push_back(e);
}

void Circuito::AddInternal(int iFrom, int iTo, int vFrom, int vTo, double value)
{
    AddControlled(kInternalName, iFrom, iTo, vFrom, vTo, value, false);
}

void Circuito::AddNullor(int iFrom, int iTo, int vFrom, int vTo)
{
    Componente e = EdgePair(kInternalName, iFrom, iTo, vFrom, vTo, 0.0, true);
    e.controlled = true;
    nullors_.push_back(e);
}

void Circuito::SortElements()
{
    if (approximation_) {
        SortByWeight();
        return;
    }
    std::stable_sort(elements_.begin(), elements_.end(), BySymbol);
}

bool Circuito::WriteParameterLines()
{
    std::unordered_map<std::string, int> position;
    std::string names, values;
    symbolMap_.assign(elements_.size(), 0);
    for (std::size_t i = 0; i < elements_.size(); ++i) {
        const Componente& e = elements_[i];
        auto [it, added] = position.try_emplace(UpperCase(e.name), static_cast<int>(position.size()));
        if (added) {
            names += e.symbolic ? e.name + " " : std::string("$ ");
            values += GcvtText(e.value, 9) + " ";
        }
        symbolMap_[i] = it->second;
    }
    if (position.size() > static_cast<std::size_t>(kMaxSymbols)) {
        Fail("The circuit has more than " + std::to_string(kMaxSymbols) + " distinct element names!");
        return false;
    }
    OutFile par;
    if (!files_.Create() || !par.Open(files_.Temp(kParFile), "ab")) {
        Fail(CannotCreateText(parPath));
        return false;
    }
    std::string text = names + "\r\n" + values + "\r\n";
    par.Put(text.data(), text.size());
    if (!par.Close()) {
        Fail("Cannot write file \"" + parPath + "\"");
        return false;
    }
    return true;
}
