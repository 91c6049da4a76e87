#include "editor/files/SchematicFile.h"

#include "editor/circuit/ModelLines.h"
#include "editor/drawing/Surface.h"
#include "editor/elements/SubcktSymbol.h"
#include "formats/NumberText.h"
#include "formats/SideNames.h"
#include "formats/TextFile.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields(1);
    for (char ch : line) {
        if (ch == '#')
            fields.emplace_back();
        else
            fields.back() += ch;
    }
    return fields;
}

// atol of a field, saturating instead of overflowing; a missing field is 0.
long long ReadLong(const std::vector<std::string>& fields, std::size_t index)
{
    if (index >= fields.size())
        return 0;
    const std::string& text = fields[index];
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos)
        return 0;
    bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+')
        ++i;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), 1000000000000LL);
    return negative ? -value : value;
}

// A coordinate kept within one surface extent of the surface (-extent to
// 2 extent): no arithmetic on it overflows, and the grid points of a wire, its
// hit test and the picture stay small whatever a damaged file holds.
std::int32_t ReadCoordinate(const std::vector<std::string>& fields, std::size_t index, long long extent)
{
    return static_cast<std::int32_t>(std::clamp(ReadLong(fields, index), -extent, 2 * extent));
}

std::int32_t ReadOrientation(const std::vector<std::string>& fields, std::size_t index)
{
    return static_cast<std::int32_t>((ReadLong(fields, index) % 8 + 8) % 8);
}

std::string Field(const std::vector<std::string>& fields, std::size_t index)
{
    return index < fields.size() ? fields[index] : std::string();
}

double ReadDouble(const std::vector<std::string>& fields, std::size_t index)
{
    return StrToD(Field(fields, index));
}

// Everything after the third '#'.
std::string TextField(const std::string& line)
{
    std::size_t at = 0;
    for (int i = 0; i < 3; ++i) {
        at = line.find('#', at);
        if (at == std::string::npos)
            return std::string();
        ++at;
    }
    return line.substr(at);
}

bool IsKnownKind(char kind)
{
    static const std::string kinds = "RGCLVIHYEFOnKQqMXWTgvi";
    return kinds.find(kind) != std::string::npos;
}

std::string SymbolicField(const GCompo& part) { return part.Symbolic ? "0" : "1"; }

}  // namespace

std::string SchematicLine(const GCompo& part)
{
    std::string line = std::string(1, part.Kind) + "#" + std::to_string(part.X) + "#" + std::to_string(part.Y) + "#";
    switch (part.Kind) {
    case 'W':
        return line + std::to_string(part.X2) + "#" + std::to_string(part.Y2) + "#";
    case 'T':
        return line + part.Text;
    case 'X':
        return line + std::to_string(part.Orientation) + "#" + part.Name + "#" + part.Text;
    default:
        break;
    }
    line += std::to_string(part.Orientation) + "#" + part.Name + "#";
    if (IsModelKind(part.Kind)) {
        line += part.Text + "#";
        for (double p : part.Param)
            line += GcvtText(p, 9) + "#";
    } else {
        line += FloatToStr(part.Value) + "#";
    }
    return line + SymbolicField(part);
}

std::unique_ptr<GCompo> ReadSchematicLine(const std::string& line, TCanvas* canvas, const std::string& subcktFolder)
{
    if (line.empty() || !IsKnownKind(line[0]))
        return nullptr;
    std::vector<std::string> f = Fields(line);
    char kind = line[0];
    std::unique_ptr<GCompo> part;
    if (kind == 'X') {
        part = std::make_unique<GCompo>(Field(f, 5), canvas, subcktFolder);
        part->Name = Field(f, 4);
    } else {
        part = std::make_unique<GCompo>(kind, canvas, false, false, false);
    }
    part->X = ReadCoordinate(f, 1, SurfaceWidth);
    part->Y = ReadCoordinate(f, 2, SurfaceHeight);
    if (kind == 'W') {
        part->X2 = ReadCoordinate(f, 3, SurfaceWidth);
        part->Y2 = ReadCoordinate(f, 4, SurfaceHeight);
        part->StartFixed = 1;
    } else if (kind == 'T') {
        part->Text = TextField(line);
    } else if (kind != 'X') {
        part->Orientation = ReadOrientation(f, 3);
        part->Name = Field(f, 4);
        if (IsModelKind(kind)) {
            part->Text = Field(f, 5);
            for (std::size_t i = 0; i < 5; ++i)
                part->Param[i] = ReadDouble(f, 6 + i);
            part->Symbolic = Field(f, 11) == "0";
        } else {
            part->Value = ReadDouble(f, 5);
            part->Symbolic = Field(f, 6) == "0";
        }
    } else {
        part->Orientation = ReadOrientation(f, 3);
    }
    return part;
}

bool SaveSchema(Schematic& schematic, std::string& error)
{
    std::vector<std::string> lines;
    for (const auto& part : schematic.Parts)
        lines.push_back(SchematicLine(*part));
    if (!WriteTextLines(schematic.FileName, lines)) {
        error = CannotCreateText(schematic.FileName);
        return false;
    }
    schematic.Modified = false;
    return true;
}

bool SaveSchemaAs(Schematic& schematic, const std::string& path, std::string& error)
{
    std::string old = schematic.FileName;
    schematic.FileName = path;
    if (SaveSchema(schematic, error))
        return true;
    schematic.FileName = old;
    return false;
}

bool LoadSchema(Schematic& schematic, const std::string& path, TCanvas* canvas,
                const std::string& subcktFolder, std::string& error)
{
    schematic.FileName = path;
    schematic.Parts.clear();
    std::vector<std::string> lines;
    if (!ReadTextLines(path, lines)) {
        error = "Cannot open file \"" + path + "\"";
        return false;
    }
    bool text = false;  // a line other than an empty one
    try {
        for (const std::string& line : lines) {
            text = text || !line.empty();
            if (auto part = ReadSchematicLine(line, canvas, subcktFolder))
                schematic.Parts.push_back(std::move(part));
        }
    } catch (const SubcktUndefined& e) {
        schematic.Parts.clear();
        error = e.what();
        return false;
    }
    // Another program's file would open as an empty drawing, which a Save
    // would write over it.
    if (text && schematic.Parts.empty()) {
        error = "\"" + path + "\" is not a schematic file!";
        return false;
    }
    schematic.Modified = false;
    return true;
}
