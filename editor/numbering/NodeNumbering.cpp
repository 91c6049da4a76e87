#include "editor/numbering/NodeNumbering.h"

#include "editor/numbering/NodeMap.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::uint16_t NoNode = 0xFFFF;

void MarkWire(NodeMap& map, const GCompo& w, int n)
{
    if (w.X == w.X2) {
        for (long long y = std::min(w.Y, w.Y2); y <= std::max(w.Y, w.Y2); y += 10)
            map.Mark(w.X, static_cast<int>(y), n);
    } else if (w.Y == w.Y2) {
        for (long long x = std::min(w.X, w.X2); x <= std::max(w.X, w.X2); x += 10)
            map.Mark(static_cast<int>(x), w.Y, n);
    } else {
        map.Mark(w.X, w.Y, n);
        map.Mark(w.X2, w.Y2, n);
    }
}

// The nets other than ground get 1..N in the text order of their numbers.
int RenumberByText(NodeMap& map)
{
    std::vector<std::string> texts;
    for (int node : map.Nodes())
        if (node != 0)
            texts.push_back(std::to_string(node));
    std::sort(texts.begin(), texts.end());
    std::map<int, int> mapping;
    for (std::size_t i = 0; i < texts.size(); ++i)
        mapping[std::stoi(texts[i])] = static_cast<int>(i) + 1;
    map.Renumber(mapping);
    return static_cast<int>(texts.size());
}

// The voltage output markers become the ports 1..p in list order.
int NumberPorts(NodeMap& map, const Schematic& schematic, int nets)
{
    int fresh = nets + 1, port = 1;
    for (const auto& part : schematic.Parts) {
        if (part->Kind != 'v')
            continue;
        map.Replace(port, fresh++);
        int node = map.At(part->X, part->Y);
        if (node >= 0)
            map.Replace(node, port);
        ++port;
    }
    return port;
}

std::uint16_t NodeAt(NodeMap& map, int x, int y)
{
    int node = map.At(x, y);
    return node < 0 ? NoNode : static_cast<std::uint16_t>(node);
}

}  // namespace

void NumberNodes(Schematic& schematic, TCanvas* canvas)
{
    NodeMap map;
    int n = 1;
    for (const auto& part : schematic.Parts)
        if (part->Kind == 'W')
            MarkWire(map, *part, n++);
    for (const auto& part : schematic.Parts)
        for (int i = 0; i < part->TermCount; ++i)
            map.Mark(part->TermX[i], part->TermY[i], n++);
    for (const auto& part : schematic.Parts)
        if (part->Kind == 'g')
            map.Mark(part->X, part->Y, 0);
    int nets = RenumberByText(map);
    schematic.PortCount = schematic.IsSubcircuit ? NumberPorts(map, schematic, nets) : 0;
    for (const auto& part : schematic.Parts) {
        for (int i = 0; i < part->TermCount; ++i)
            part->Node[i] = NodeAt(map, part->TermX[i], part->TermY[i]);
        if (part->Kind == 'W')
            part->Node[0] = NodeAt(map, part->X, part->Y);
    }
    schematic.NodeLabels.clear();
    for (const NetPoint& net : map.FirstPoints()) {
        auto label = std::make_unique<GCompo>('t', canvas, false, false, false);
        label->X = net.x;
        label->Y = net.y;
        label->Text = std::to_string(net.node);
        if (net.node > 0 && net.node < schematic.PortCount)
            label->Symbolic = 0;
        schematic.NodeLabels.push_back(std::move(label));
    }
    schematic.NodeCount = static_cast<int>(schematic.NodeLabels.size());
}
