#pragma once
// A recording canvas that also logs moves, every stroke with the pen it was
// drawn with, and rectangles and ellipses; text is 6 pixels a character.
#include <string>
#include <vector>

#include "tests/editor/RecordingCanvas.h"

class DrawLog : public RecordingCanvas {
public:
    using Text = TextCall;
    struct Stroke {
        int x1, y1, x2, y2;
        TColor pen;
        int width;
        PenMode mode;
    };
    struct Point {
        int x, y;
    };
    struct Box {
        int x1, y1, x2, y2;
        TColor pen, brush;
        bool ellipse;
    };

    void MoveTo(int x, int y) override
    {
        x_ = x;
        y_ = y;
        moves.push_back({x, y});
    }
    void LineTo(int x, int y) override
    {
        strokes.push_back({x_, y_, x, y, pen, penWidth, mode});
        x_ = x;
        y_ = y;
    }
    void Rectangle(int x1, int y1, int x2, int y2) override { boxes.push_back({x1, y1, x2, y2, pen, brush, false}); }
    void Ellipse(int x1, int y1, int x2, int y2) override { boxes.push_back({x1, y1, x2, y2, pen, brush, true}); }

    // The texts drawn at y, in drawing order.
    std::vector<std::string> TextsAt(int y) const
    {
        std::vector<std::string> found;
        for (const Text& t : texts)
            if (t.y == y)
                found.push_back(t.text);
        return found;
    }
    // The texts drawn at x, in drawing order.
    std::vector<std::string> TextsInColumn(int x) const
    {
        std::vector<std::string> found;
        for (const Text& t : texts)
            if (t.x == x)
                found.push_back(t.text);
        return found;
    }
    const Text* Find(const std::string& text) const
    {
        for (const Text& t : texts)
            if (t.text == text)
                return &t;
        return nullptr;
    }

    std::vector<Stroke> strokes;
    std::vector<Point> moves;
    std::vector<Box> boxes;

private:
    int x_ = 0, y_ = 0;
};
