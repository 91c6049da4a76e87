#include "editor/elements/GCompo.h"
#include "platform/ImageCanvas.h"
#include "tests/editor/RecordingCanvas.h"
#include "tests/editor/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string Kinds = "RGCLVIHYEFOnKQqMXvig";

std::unique_ptr<GCompo> MakePart(char kind, TCanvas* canvas, const TempFolder& folder)
{
    if (kind == 'X')
        return std::make_unique<GCompo>("amp", canvas, folder.Folder());
    auto part = std::make_unique<GCompo>(kind, canvas, true, true, true);
    part->Name = std::string(1, kind) + "1";
    return part;
}

// A surface that is not plain white: silver grid points and a few strokes.
void Scribble(ImageCanvas& canvas)
{
    for (int y = 0; y < canvas.Image().height(); y += 10)
        for (int x = 0; x < canvas.Image().width(); x += 10)
            canvas.SetPixel(x, y, clSilver);
    canvas.SetPen(clRed);
    canvas.MoveTo(0, 150);
    canvas.LineTo(300, 150);
    canvas.SetPen(clBlue);
    canvas.MoveTo(150, 0);
    canvas.LineTo(160, 300);
    canvas.SetPen(clBlack);
}

TEST(GhostDrawing, TwiceLeavesTheImageAsItWas)
{
    TempFolder folder;
    WriteAmpSymbol(folder);
    for (char kind : Kinds)
        for (int o = 0; o < 8; ++o)
            for (int selected = 0; selected < 2; ++selected) {
                ImageCanvas canvas(300, 300);
                Scribble(canvas);
                QImage before = canvas.Image().copy();
                auto part = MakePart(kind, &canvas, folder);
                part->Orientation = o;
                part->Selected = static_cast<std::uint8_t>(selected);
                part->SetPosition(150, 150);
                EXPECT_NE(canvas.Image(), before) << kind << o;
                part->Draw(false, false);
                EXPECT_EQ(canvas.Image(), before) << kind << " orientation " << o;
            }
}

TEST(GhostDrawing, WiresTextsAndMovesRestoreTheImage)
{
    ImageCanvas canvas(300, 300);
    Scribble(canvas);
    QImage before = canvas.Image().copy();
    GCompo loose('W', &canvas, false, false, false);
    loose.SetPosition(100, 100);
    loose.Draw(false, false);
    EXPECT_EQ(canvas.Image(), before);
    GCompo wire('W', &canvas, false, false, false);
    wire.StartFixed = 1;
    wire.X2 = 20;
    wire.Y2 = 30;
    wire.SetPosition(40, 250);
    for (int step = 1; step < 5; ++step)
        wire.MoveTo(40 + 37 * step, 250 - 41 * step);
    wire.Draw(false, false);
    EXPECT_EQ(canvas.Image(), before);
    GCompo text('T', &canvas, false, false, false);
    text.Text = "Vout";
    text.SetPosition(33, 77);
    EXPECT_NE(canvas.Image(), before);
    text.Draw(false, false);
    EXPECT_EQ(canvas.Image(), before);
}

// Draws every kind in every orientation in final mode and checks each drawing.
void ForEachFinalDrawing(bool selected, const std::function<void(const GCompo&, const ImageCanvas&)>& check)
{
    TempFolder folder;
    WriteAmpSymbol(folder);
    for (char kind : Kinds)
        for (int o = 0; o < 8; ++o) {
            SCOPED_TRACE(std::string(1, kind) + " orientation " + std::to_string(o));
            ImageCanvas canvas(300, 300);
            auto part = MakePart(kind, &canvas, folder);
            part->Orientation = o;
            part->Selected = selected;
            part->X = 150;
            part->Y = 150;
            part->Draw(true, false);
            check(*part, canvas);
        }
}

TEST(FinalDrawing, LeavesTerminalSquaresWhereTheTerminalsAre)
{
    ForEachFinalDrawing(false, [](const GCompo& part, const ImageCanvas& canvas) {
        ASSERT_GT(part.TermCount, 0);
        for (int i = 0; i < part.TermCount; ++i)
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    ASSERT_EQ(canvas.PixelAt(part.TermX[i] + dx, part.TermY[i] + dy), clBlack) << "terminal " << i;
    });
}

TEST(FinalDrawing, SelectionFrameRunsAroundTheBox)
{
    ForEachFinalDrawing(true, [](const GCompo& part, const ImageCanvas& canvas) {
        for (int x = part.Left; x <= part.Right; ++x) {
            EXPECT_EQ(canvas.PixelAt(x, part.Top), clRed);
            EXPECT_EQ(canvas.PixelAt(x, part.Bottom), clRed);
        }
        for (int y = part.Top; y <= part.Bottom; ++y) {
            EXPECT_EQ(canvas.PixelAt(part.Left, y), clRed);
            EXPECT_EQ(canvas.PixelAt(part.Right, y), clRed);
        }
    });
}

struct LabelCase {
    char kind;
    int orientation;
    bool numeric;
    std::string text;
    int x, y;
    unsigned align;
    int escapement;
};

// Origin (100, 100); the recording canvas makes text 6 pixels a character, 12 high.
const LabelCase LabelCases[] = {
    {'R', 0, false, "R1", 90, 124, TextAlign::Right | TextAlign::Top, 0},
    {'R', 2, false, "R1", 110, 64, TextAlign::Left | TextAlign::Top, 0},
    {'R', 1, false, "R1", 70, 90, TextAlign::Center | TextAlign::Bottom, 0},
    {'R', 3, false, "R1", 130, 110, TextAlign::Center | TextAlign::Top, 0},
    {'R', 4, false, "R1", 90, 64, TextAlign::Right | TextAlign::Top, 0},
    {'R', 5, false, "R1", 130, 90, TextAlign::Center | TextAlign::Bottom, 0},
    {'R', 0, true, "1 ohm", 90, 124, TextAlign::Right | TextAlign::Top, 0},
    {'F', 0, false, "F1", 123, 124, TextAlign::Left | TextAlign::Top, 0},
    {'Q', 0, false, "Q1", 150, 94, TextAlign::Left | TextAlign::Top, 0},
    {'Q', 6, false, "Q1", 50, 94, TextAlign::Right | TextAlign::Top, 0},
    {'n', 0, true, "1 : 1 ", 97, 84, TextAlign::Left | TextAlign::Top, 0},
    {'n', 1, false, "1 : n1", 104, 133, TextAlign::Left | TextAlign::Top, 900},
    {'K', 2, false, "K1", 79, 104, TextAlign::Left | TextAlign::Top, 0},
};

TEST(Labels, PlacedByOrientationAndSide)
{
    for (const LabelCase& c : LabelCases) {
        RecordingCanvas canvas;
        GCompo part(c.kind, &canvas, false, false, false);
        part.Name = std::string(1, c.kind) + "1";
        part.Symbolic = c.numeric ? 0 : 1;
        part.X = 100;
        part.Y = 100;
        part.Orientation = c.orientation;
        part.Draw(true, false);
        ASSERT_EQ(canvas.texts.size(), 1u) << c.kind << c.orientation;
        const TextCall& t = canvas.texts[0];
        EXPECT_EQ(t.text, c.text);
        EXPECT_EQ(t.x, c.x) << c.kind << c.orientation;
        EXPECT_EQ(t.y, c.y) << c.kind << c.orientation;
        EXPECT_EQ(t.align, c.align) << c.kind << c.orientation;
        EXPECT_EQ(t.font.Escapement, c.escapement);
        EXPECT_EQ(t.font.Name, "Arial");
        EXPECT_EQ(t.font.Height, -10);
        EXPECT_EQ(t.font.Weight, 400);
        EXPECT_EQ(t.font.Color, clBlue);
        EXPECT_TRUE(canvas.transparent);
        EXPECT_EQ(canvas.align, 0u) << "alignment is restored";
        EXPECT_EQ(canvas.font.Color, clBlack) << "font is restored";
    }
}

TEST(Labels, MarkersAndOpAmpShowNoName)
{
    for (char kind : std::string("Ovig")) {
        RecordingCanvas canvas;
        GCompo part(kind, &canvas, false, false, false);
        part.Name = "Z9";
        part.X = part.Y = 100;
        part.Draw(true, false);
        EXPECT_TRUE(canvas.texts.empty()) << kind;
    }
}

TEST(Labels, GhostsShowNoText)
{
    RecordingCanvas canvas;
    GCompo part('R', &canvas, false, false, false);
    part.Name = "R1";
    part.SetPosition(100, 100);
    EXPECT_TRUE(canvas.texts.empty());
}

TEST(Labels, SubcircuitShowsNameAndPinNumbers)
{
    TempFolder folder;
    WriteAmpSymbol(folder);
    RecordingCanvas canvas;
    GCompo part("amp", &canvas, folder.Folder());
    part.Name = "X1";
    part.X = part.Y = 100;
    part.Draw(true, false);
    std::vector<std::string> texts;
    for (const TextCall& t : canvas.texts)
        texts.push_back(t.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"1", "2", "3", "4", "X1 amp"}));
    // Pin 1 on the left at offset 10: its number sits at (5, 10), centred.
    EXPECT_EQ(canvas.texts[0].x, 105 - 3);
    EXPECT_EQ(canvas.texts[0].y, 110 - 6);
}

TEST(NodeLabel, ColoursTellPortsFromOtherNodes)
{
    for (int port = 0; port < 2; ++port) {
        RecordingCanvas canvas;
        GCompo label('t', &canvas, false, false, false);
        label.Text = "12";
        label.Symbolic = port ? 0 : 1;
        label.X = 100;
        label.Y = 200;
        label.Draw(true, false);
        ASSERT_EQ(canvas.rectangles.size(), 1u);
        const auto& r = canvas.rectangles[0];
        EXPECT_EQ(r.brush, port ? clLime : clYellow);
        EXPECT_EQ(r.x1, 88);
        EXPECT_EQ(r.y1, 185);
        EXPECT_EQ(r.x2, 105);
        EXPECT_EQ(r.y2, 197);
        ASSERT_EQ(canvas.texts.size(), 1u);
        EXPECT_EQ(canvas.texts[0].x, 90);
        EXPECT_EQ(canvas.texts[0].y, 185);
        EXPECT_EQ(canvas.texts[0].font.Color, port ? clBlack : clBlue);
        EXPECT_EQ(canvas.font.Color, clBlack);
        EXPECT_EQ(canvas.brush, clWhite);
    }
}

struct RichCase {
    std::string text;
    std::vector<std::string> parts;
    std::vector<int> xs;
    std::vector<int> ys;
};

TEST(RichText, SymbolsSuperscriptsAndSubscripts)
{
    const RichCase cases[] = {
        {"plain", {"plain"}, {10}, {50}},
        {"a$61b", {"a", "a", "b"}, {10, 16, 22}, {50, 50, 50}},
        {"$zzq", {"", "#", "q"}, {10, 10, 16}, {50, 50, 50}},
        {"V\xE7out\xE7x", {"V", "out", "x"}, {10, 16, 34}, {50, 46, 50}},
        {"V\xA3" "1\xA3" "b", {"V", "1", "b"}, {10, 16, 22}, {50, 54, 50}},
        {"end$6", {"end", "\x06", ""}, {10, 28, 34}, {50, 50, 50}},
    };
    for (const RichCase& c : cases) {
        RecordingCanvas canvas;
        GCompo text('T', &canvas, false, false, false);
        text.Text = c.text;
        text.X = 10;
        text.Y = 50;
        text.Draw(true, false);
        ASSERT_EQ(canvas.texts.size(), c.parts.size()) << c.text;
        for (std::size_t i = 0; i < c.parts.size(); ++i) {
            EXPECT_EQ(canvas.texts[i].text, c.parts[i]) << c.text;
            EXPECT_EQ(canvas.texts[i].x, c.xs[i]) << c.text << " part " << i;
            EXPECT_EQ(canvas.texts[i].y, c.ys[i]) << c.text << " part " << i;
        }
        EXPECT_EQ(canvas.font.Name, "Arial");
    }
}

TEST(RichText, SymbolCharacterUsesTheSymbolFont)
{
    RecordingCanvas canvas;
    GCompo text('T', &canvas, false, false, false);
    text.Text = "$61";
    text.X = text.Y = 10;
    text.Draw(true, false);
    ASSERT_EQ(canvas.texts.size(), 3u);
    EXPECT_EQ(canvas.texts[1].text, "a");
    EXPECT_EQ(canvas.texts[1].font.Name, "Symbol");
    EXPECT_EQ(canvas.texts[2].font.Name, "Arial");
}

TEST(WireColours, NodeColoursOnlyWhenAsked)
{
    RecordingCanvas canvas;
    GCompo wire('W', &canvas, false, false, false);
    wire.StartFixed = 1;
    wire.X2 = 10;
    wire.Y2 = 10;
    wire.X = 100;
    wire.Y = 10;
    wire.Node[0] = 13;
    wire.Selected = 1;
    wire.Draw(true, true);
    ASSERT_EQ(canvas.lines.size(), 1u);
    EXPECT_EQ(canvas.lines[0].pen, clFuchsia);
    EXPECT_EQ(canvas.lines[0].width, 3);
    wire.Draw(true, false);
    EXPECT_EQ(canvas.lines[1].pen, clRed);
    EXPECT_EQ(canvas.lines[1].width, 2);
    wire.Selected = 0;
    wire.Draw(true, false);
    EXPECT_EQ(canvas.lines[2].pen, clBlack);
    EXPECT_EQ(canvas.lines[2].width, 1);
    EXPECT_EQ(canvas.pen, clBlack);
    EXPECT_EQ(canvas.penWidth, 1);
}

}  // namespace
