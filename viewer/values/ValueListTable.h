#pragma once
// The value list window without Qt: its settings, the value and pole/zero
// tables it fills, the clipboard text and the printed pages.
#include <array>
#include <string>
#include <vector>

#include "viewer/values/ValueList.h"
#include "viewer/window/PrintLayout.h"

class FDT;

inline constexpr int kListFields = 6;
inline constexpr const char* kListFieldNames[kListFields] = {"Amplitude", "Amplitude (dB)", "Phase (deg)",
                                                             "Phase (rad)", "Real Part",      "Imag. Part"};

struct ListSettings {
    std::array<bool, kListFields> fields{};  // Campi, in list order
    std::string start, stop;                 // StartF, StopF
    std::string count = "1";                 // NumP
    bool hz = true;                          // HzB; RadB the opposite
    Stepping stepping = Stepping::Oct;       // Oct, Dec, Lin
};

// A new list window: the result window's unit, Start and End.
ListSettings NewListSettings(const std::string& start, const std::string& end, bool hz);
std::string ListCaption(const std::string& fdtPath);

// The grid: cells[row][column], row 0 and column 0 fixed.
struct ListTable {
    std::vector<std::vector<std::string>> cells = std::vector<std::vector<std::string>>(5, std::vector<std::string>(7));
    bool visible = false;

    int Rows() const { return static_cast<int>(cells.size()); }
    int Columns() const { return cells.empty() ? 0 : static_cast<int>(cells[0].size()); }
    void Resize(int rows, int columns);
};

// OK: one row per frequency of the first curve. False with the text for a
// plain message box; the column count is set even then.
bool FillValueTable(FDT& f, const ListSettings& settings, ListTable& table, std::string& error);

// Poles/Zeros: the roots of the first curve. False with the text for a box
// with the caption "Error"; the table is left as it was.
bool FillPoleZeroTable(FDT& f, ListTable& table, std::string& error);

// Every cell padded or cut to 15 characters, CR LF after each row.
std::string ListClipboardText(const ListTable& table);

// Rows from y 10 two line heights apart, continued on new pages; columns
// from x 10, each 12 character widths wide, or one more than its longest
// text ("Amplitude (dB)") so that no text runs into the next.
std::vector<PrintPage> ListPrintPages(const ListTable& table, int lineHeight, int charWidth, int pageHeight);
