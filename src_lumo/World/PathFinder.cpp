#include "src_lumo/World/PathFinder.h"

#include "src_lumo/World/SafeFileWriter.h"
#include "src_lumo/World/WorldMessages.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <locale>
#include <sstream>

namespace Lumo {

const char* const kWorldGraphFile = "lumodata/worldp.txt";

namespace {

std::vector<std::string> splitAtCommas(const std::string& line) {
    std::vector<std::string> fields;
    std::string::size_type begin = 0;
    for (;;) {
        const auto comma = line.find(',', begin);
        fields.push_back(line.substr(begin, comma - begin));
        if (comma == std::string::npos)
            return fields;
        begin = comma + 1;
    }
}

// Whole-field conversions: "12abc" or "" is not a number, so such lines are skipped.
bool parseInt(const std::string& text, int& value) {
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || parsed < INT32_MIN || parsed > INT32_MAX)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

bool parseFloat(const std::string& text, float& value) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    in >> value;
    return !text.empty() && !in.fail() && in.peek() == std::char_traits<char>::eof() &&
           std::isfinite(value);
}

template <typename List>
bool contains(const List& list, const PathNode* node) {
    return std::find(list.begin(), list.end(), node) != list.end();
}

} // namespace

void PathFinder::clear() {
    resetSearch();
    connections.clear();
    nodes.clear();
    nextId = 0;
}

bool PathFinder::loadGraph(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        reportWorldError(L"Could not open the path file %p", fileName);
        return false;
    }
    clear();
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        readLine(line);
    }
    return true;
}

void PathFinder::readLine(const std::string& line) {
    const std::vector<std::string> fields = splitAtCommas(line);
    if (fields.size() == 4) {
        int id = 0;
        float x = 0.0f, z = 0.0f;
        if (parseInt(fields[0], id) && parseFloat(fields[1], x) && parseFloat(fields[2], z))
            addNode(irr::core::vector3df(x, 0.0f, z), fields[3], id);
    } else if (fields.size() == 2) {
        int id1 = 0, id2 = 0;
        if (parseInt(fields[0], id1) && parseInt(fields[1], id2))
            connect(id1, id2);
    }
}

bool PathFinder::saveGraph(const std::string& fileName) const {
    SafeFileWriter writer(fileName);
    std::ostream& out = writer.stream();
    out.imbue(std::locale::classic());
    out << "nodes\n";
    for (const auto& node : nodes)
        out << node->id << ',' << node->position.X << ',' << node->position.Z << ',' << node->name << '\n';
    out << "connections\n";
    for (const auto& connection : connections)
        out << connection->a->id << ',' << connection->b->id << '\n';
    if (!writer.commit()) {
        reportWorldError(L"Could not write the path file %p", fileName);
        return false;
    }
    return true;
}

PathNode* PathFinder::addNode(const irr::core::vector3df& position, const std::string& name, int id) {
    nodes.push_back(std::make_unique<PathNode>(position, name, id));
    if (id >= nextId)
        nextId = id == INT32_MAX ? id : id + 1;
    return nodes.back().get();
}

bool PathFinder::connect(int id1, int id2) {
    PathNode* const a = findNode(id1);
    PathNode* const b = findNode(id2);
    if (!a || !b || a == b)
        return false;
    for (const NodeConnection* existing : a->connections)
        if (existing->joins(a, b))
            return false;
    connections.push_back(std::make_unique<NodeConnection>(a, b));
    NodeConnection* const made = connections.back().get();
    a->connections.push_back(made);
    b->connections.push_back(made);
    return true;
}

void PathFinder::removeNode(int id) {
    PathNode* const node = findNode(id);
    if (!node)
        return;
    // The search scratch must not keep pointers to a node that is about to go.
    resetSearch();
    for (NodeConnection* connection : node->connections) {
        PathNode* const other = connection->otherEnd(node);
        auto& list = other->connections;
        list.erase(std::remove(list.begin(), list.end(), connection), list.end());
    }
    connections.erase(std::remove_if(connections.begin(), connections.end(),
                                     [node](const std::unique_ptr<NodeConnection>& c) { return c->touches(node); }),
                      connections.end());
    nodes.erase(std::find_if(nodes.begin(), nodes.end(),
                             [node](const std::unique_ptr<PathNode>& n) { return n.get() == node; }));
}

std::vector<PathNode*> PathFinder::findPath(const std::string& fromName, const std::string& toName) {
    const PathNode* const from = findNode(fromName);
    const PathNode* const to = findNode(toName);
    if (!from || !to)
        return {};
    return findPath(from->id, to->id);
}

void PathFinder::resetSearch() {
    for (PathNode* node : open)
        node->resetSearch();
    for (PathNode* node : closed)
        node->resetSearch();
    open.clear();
    closed.clear();
    goal = start = nullptr;
}

PathNode* PathFinder::cheapestOpen() const {
    PathNode* best = open.front();
    for (PathNode* node : open)
        if (node->f < best->f)
            best = node;
    return best;
}

void PathFinder::expand(PathNode* current) {
    for (const NodeConnection* connection : current->connections) {
        PathNode* const next = connection->otherEnd(current);
        if (contains(closed, next))
            continue;
        if (contains(open, next)) {
            const float tentative = current->g + connection->length;
            if (tentative < next->g) {
                next->g = tentative;
                next->parent = current;
                next->f = tentative + next->h;
            }
        } else {
            next->parent = current;
            next->g = current->g + connection->length;
            next->h = next->position.getDistanceFrom(goal->position);
            next->f = next->g + next->h;
            open.push_back(next);
        }
    }
}

std::vector<PathNode*> PathFinder::findPath(int startId, int goalId) {
    resetSearch();
    start = findNode(startId);
    goal = findNode(goalId);
    if (!start || !goal)
        return {};

    open.push_back(start);
    while (!open.empty()) {
        PathNode* const current = cheapestOpen();
        if (current == goal)
            break;
        open.erase(std::find(open.begin(), open.end(), current));
        closed.push_back(current);
        expand(current);
    }

    std::vector<PathNode*> path;
    for (PathNode* node = goal; node; node = node->parent)
        path.push_back(node);
    return path;
}

irr::core::vector3df PathFinder::nodePosition(const std::string& name) const {
    const PathNode* const node = findNode(name);
    return node ? node->position : irr::core::vector3df(0.0f, 0.0f, 0.0f);
}

PathNode* PathFinder::findNode(int id) const {
    for (const auto& node : nodes)
        if (node->id == id)
            return node.get();
    return nullptr;
}

PathNode* PathFinder::findNode(const std::string& name) const {
    for (const auto& node : nodes)
        if (node->name == name)
            return node.get();
    return nullptr;
}

} // namespace Lumo
