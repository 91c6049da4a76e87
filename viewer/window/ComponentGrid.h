#pragma once
// The result window's component grid: one row per component that is not
// numeric ("$"), its name and its value text.
#include <string>
#include <vector>

class FDT;

struct GridRow {
    std::string name;
    std::string value;
    bool operator==(const GridRow&) const = default;
};

// The cell of a swept component while several curves are drawn.
inline constexpr const char* kParamCell = "Param.";

// A name of an independent source (V or I): in the Phasor view its cell
// reads "value P phase".
bool IsSourceName(const std::string& name);

std::vector<GridRow> ComponentGridRows(const FDT& f);

// The cells back into the components, walking the components that have a
// row; "Param." cells are skipped; numbers are read as strtod reads them
// (a text that is no number counts as 0). A cell that reads as no finite
// number ("1e999", "nan") changes nothing: false with the text to show.
bool ReadComponentGrid(FDT& f, const std::vector<GridRow>& rows, std::string& error);
