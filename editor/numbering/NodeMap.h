#pragma once
// The node map of one numbering pass: a node number per touched point, kept by
// point so that any coordinate is safe. Nets are sets of points with one number;
// renumbering a net costs nothing per point.
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

struct NetPoint {
    int x;
    int y;
    int node;
};

class NodeMap {
public:
    // The point gets node n; the net it belonged to becomes node n as a whole.
    void Mark(int x, int y, int n);
    // Every point holding oldNode gets newNode.
    void Replace(int oldNode, int newNode);
    // The node at a point, or -1 when the point was never marked.
    int At(int x, int y);
    // The node numbers in use.
    std::vector<int> Nodes() const;
    // Renumbers every net at once by the mapping (nodes missing from it stay).
    void Renumber(const std::map<int, int>& mapping);
    // The first point of every net, taking points row by row from the top left.
    std::vector<NetPoint> FirstPoints();

private:
    int Root(int set);
    int SetOf(int node);

    std::map<std::pair<int, int>, int> cells_;  // (y, x) -> set
    std::vector<int> parent_;
    std::vector<int> node_;                 // node number of a root set
    std::unordered_map<int, int> rootOf_;  // node number -> root set
};
