#include "viewer/values/ValueListTable.h"

#include <algorithm>

#include "formats/NumberText.h"
#include "formats/Paths.h"
#include "viewer/model/FDT.h"
#include "viewer/model/Messages.h"

ListSettings NewListSettings(const std::string& start, const std::string& end, bool hz)
{
    ListSettings settings;
    settings.start = start;
    settings.stop = end;
    settings.hz = hz;
    return settings;
}

std::string ListCaption(const std::string& fdtPath) { return "List of Values - " + ExtractFileName(fdtPath); }

void ListTable::Resize(int rows, int columns)
{
    cells.resize(static_cast<std::size_t>(rows));
    for (auto& row : cells)
        row.resize(static_cast<std::size_t>(columns));
}

namespace {

// The coefficients of every curve, also while the window shows the Phasor
// view (whose evaluation computes only the phasor); false when they are not
// finite numbers.
bool EvaluateRows(FDT& f, std::string& error)
{
    const int kind = f.viewKind;
    f.viewKind = View::None;
    bool ok = f.EvaluateCoefficients(error) && f.FunctionExists(error);
    f.viewKind = kind;
    return ok;
}

}  // namespace

bool FillValueTable(FDT& f, const ListSettings& settings, ListTable& table, std::string& error)
{
    std::vector<ListField> fields;
    for (int i = 0; i < kListFields; ++i)
        if (settings.fields[i])
            fields.push_back(static_cast<ListField>(i));
    const int columns = 1 + static_cast<int>(fields.size());
    table.Resize(table.Rows(), columns);
    std::vector<double> frequencies;
    if (!ListFrequencies(StrToD(settings.start), StrToD(settings.stop), ListCount(settings.count), settings.stepping,
                         frequencies, error))
        return false;
    if (!EvaluateRows(f, error))
        return false;
    table.Resize(static_cast<int>(frequencies.size()) + 1, columns);
    table.cells[0][0] = std::string("Freq.") + (settings.hz ? " (Hz)" : " (rad/s)");
    for (std::size_t i = 0; i < fields.size(); ++i)
        table.cells[0][i + 1] = kListFieldNames[static_cast<int>(fields[i])];
    for (std::size_t row = 0; row < frequencies.size(); ++row) {
        double freq = frequencies[row];
        Complex h = f.ResponseAt(settings.hz ? freq * kTwoPi : freq);
        auto& cells = table.cells[row + 1];
        cells[0] = ListCellText(freq);
        for (std::size_t i = 0; i < fields.size(); ++i)
            cells[i + 1] = ListCellText(ListValue(fields[i], h));
    }
    table.visible = true;
    return true;
}

bool FillPoleZeroTable(FDT& f, ListTable& table, std::string& error)
{
    if (!EvaluateRows(f, error))
        return false;
    bool zerosOk = f.FindRoots(0);
    bool polesOk = f.FindRoots(1);
    if (!zerosOk || !polesOk) {
        error = Msg::Convergence;
        return false;
    }
    const int poles = f.poleCount[0], zeros = f.zeroCount[0];
    if (poles == 0 && zeros == 0) {
        error = Msg::NoPolesNoZeros;
        return false;
    }
    table.Resize(poles + zeros + 1, 3);
    table.cells[0] = {"", "Real", "Imag"};
    for (int i = 1; i <= poles + zeros; ++i) {
        bool pole = i <= poles;
        Complex root = pole ? f.Pole(i, 0) : f.Zero(i - poles, 0);
        table.cells[i] = {pole ? "Pole" : "Zero", ListCellText(root.real()), ListCellText(root.imag())};
    }
    table.visible = true;
    return true;
}

std::string ListClipboardText(const ListTable& table)
{
    std::string text;
    for (const auto& row : table.cells) {
        for (const std::string& cell : row)
            text += (cell + std::string(15, ' ')).substr(0, 15);
        text += "\r\n";
    }
    return text;
}

std::vector<PrintPage> ListPrintPages(const ListTable& table, int lineHeight, int charWidth, int pageHeight)
{
    std::vector<int> columnX(static_cast<std::size_t>(table.Columns()), 10);
    for (int c = 0; c + 1 < table.Columns(); ++c) {
        std::size_t longest = 11;
        for (const auto& row : table.cells)
            longest = std::max(longest, row[c].size());
        columnX[c + 1] = columnX[c] + static_cast<int>(longest + 1) * charWidth;
    }
    std::vector<PrintPage> pages;
    std::vector<LinePlace> places = PlaceLines(table.Rows(), 10, 2 * lineHeight, lineHeight, pageHeight);
    for (int r = 0; r < table.Rows(); ++r) {
        if (places[r].page >= static_cast<int>(pages.size()))
            pages.emplace_back();
        for (int c = 0; c < table.Columns(); ++c)
            pages.back().push_back({columnX[c], places[r].y, table.cells[r][c]});
    }
    return pages;
}
