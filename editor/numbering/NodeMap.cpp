#include "editor/numbering/NodeMap.h"

#include <unordered_set>

int NodeMap::Root(int set)
{
    int root = set;
    while (parent_[root] != root)
        root = parent_[root];
    while (parent_[set] != root) {
        int next = parent_[set];
        parent_[set] = root;
        set = next;
    }
    return root;
}

int NodeMap::SetOf(int node)
{
    auto found = rootOf_.find(node);
    if (found != rootOf_.end())
        return found->second;
    int set = static_cast<int>(parent_.size());
    parent_.push_back(set);
    node_.push_back(node);
    rootOf_[node] = set;
    return set;
}

void NodeMap::Mark(int x, int y, int n)
{
    auto cell = cells_.find({y, x});
    if (cell == cells_.end())
        cells_[{y, x}] = SetOf(n);
    else
        Replace(node_[Root(cell->second)], n);
}

void NodeMap::Replace(int oldNode, int newNode)
{
    if (oldNode == newNode)
        return;
    auto old = rootOf_.find(oldNode);
    if (old == rootOf_.end())
        return;
    int root = old->second;
    rootOf_.erase(old);
    auto target = rootOf_.find(newNode);
    if (target != rootOf_.end()) {
        parent_[root] = target->second;
    } else {
        node_[root] = newNode;
        rootOf_[newNode] = root;
    }
}

int NodeMap::At(int x, int y)
{
    auto cell = cells_.find({y, x});
    return cell == cells_.end() ? -1 : node_[Root(cell->second)];
}

std::vector<int> NodeMap::Nodes() const
{
    std::vector<int> nodes;
    for (const auto& [node, root] : rootOf_)
        nodes.push_back(node);
    return nodes;
}

void NodeMap::Renumber(const std::map<int, int>& mapping)
{
    std::unordered_map<int, int> renumbered;
    for (const auto& [node, root] : rootOf_) {
        auto to = mapping.find(node);
        int now = to == mapping.end() ? node : to->second;
        node_[root] = now;
        renumbered[now] = root;
    }
    rootOf_ = std::move(renumbered);
}

std::vector<NetPoint> NodeMap::FirstPoints()
{
    std::vector<NetPoint> points;
    std::unordered_set<int> seen;
    for (const auto& [point, set] : cells_) {
        int node = node_[Root(set)];
        if (seen.insert(node).second)
            points.push_back({point.second, point.first, node});
    }
    return points;
}
