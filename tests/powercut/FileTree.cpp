#include "FileTree.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace powercut {

namespace {

std::vector<std::string> Names(std::string_view path) {
    std::vector<std::string> names;
    std::size_t at = 0;
    while (at < path.size()) {
        const std::size_t end = path.find('/', at);
        const std::string_view name =
            path.substr(at, end == std::string_view::npos ? end : end - at);
        if (!name.empty())
            names.emplace_back(name);
        if (end == std::string_view::npos)
            break;
        at = end + 1;
    }
    return names;
}

void Resize(std::string& data, std::int64_t size) {
    data.resize(static_cast<std::size_t>(size), '\0');
}

void WriteAt(std::string& data, std::int64_t offset, std::string_view bytes) {
    const auto end = static_cast<std::size_t>(offset) + bytes.size();
    if (data.size() < end)
        data.resize(end, '\0');
    data.replace(static_cast<std::size_t>(offset), bytes.size(), bytes);
}

std::string Problem(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

std::string MaterialiseFolder(const FileTree& tree, const Node& folder, const std::string& at) {
    const timespec anHourBack[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
    for (const auto& [name, id] : folder.entries) {
        const auto found = tree.nodes.find(id);
        if (found == tree.nodes.end())
            continue;
        const Node& node = found->second;
        const std::string path = at + "/" + name;
        switch (node.kind) {
        case Node::Kind::Folder: {
            if (::mkdir(path.c_str(), node.mode & 07777) != 0)
                return Problem("mkdir", path);
            if (std::string problem = MaterialiseFolder(tree, node, path); !problem.empty())
                return problem;
            break;
        }
        case Node::Kind::File: {
            const int fd =
                ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, node.mode & 07777);
            if (fd < 0)
                return Problem("create", path);
            const bool whole = ::write(fd, node.data.data(), node.data.size()) ==
                               static_cast<ssize_t>(node.data.size());
            ::close(fd);
            if (!whole)
                return Problem("write", path);
            break;
        }
        case Node::Kind::Link:
            if (::symlink(node.target.c_str(), path.c_str()) != 0)
                return Problem("symlink", path);
            break;
        }
        ::utimensat(AT_FDCWD, path.c_str(), anHourBack, AT_SYMLINK_NOFOLLOW);
    }
    return {};
}

void Mix(std::uint64_t& hash, std::string_view bytes) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL; // FNV-1a
    }
    hash ^= bytes.size();
    hash *= 1099511628211ULL;
}

void MixFolder(std::uint64_t& hash, const FileTree& tree, const Node& folder) {
    for (const auto& [name, id] : folder.entries) {
        const auto found = tree.nodes.find(id);
        if (found == tree.nodes.end())
            continue;
        const Node& node = found->second;
        Mix(hash, name);
        Mix(hash, std::string(1, static_cast<char>(node.kind)));
        if (node.kind == Node::Kind::Folder)
            MixFolder(hash, tree, node);
        else
            Mix(hash, node.kind == Node::Kind::File ? node.data : node.target);
        Mix(hash, "/");
    }
}

} // namespace

std::uint64_t Fingerprint(const FileTree& tree) {
    std::uint64_t hash = 14695981039346656037ULL;
    MixFolder(hash, tree, tree.nodes.at(RootNode));
    return hash;
}

NodeId FileTree::find(std::string_view path) const {
    NodeId at = RootNode;
    for (const std::string& name : Names(path)) {
        const Node& folder = nodes.at(at);
        if (folder.kind != Node::Kind::Folder)
            return 0;
        const auto entry = folder.entries.find(name);
        if (entry == folder.entries.end())
            return 0;
        at = entry->second;
    }
    return at;
}

std::pair<NodeId, std::string> FileTree::parentOf(std::string_view path) const {
    std::vector<std::string> names = Names(path);
    if (names.empty())
        return {0, {}};
    std::string last = names.back();
    names.pop_back();
    std::string folder;
    for (const std::string& name : names)
        folder += "/" + name;
    const NodeId parent = find(folder);
    if (parent == 0 || nodes.at(parent).kind != Node::Kind::Folder)
        return {0, last};
    return {parent, last};
}

std::string Change::describe() const {
    switch (kind) {
    case Kind::Make:
        return "make " + path;
    case Kind::HardLink:
        return "link " + path;
    case Kind::Remove:
        return "remove " + path;
    case Kind::Rename:
        return "rename " + path;
    case Kind::Write:
        return "write " + std::to_string(bytes.size()) + " bytes at " + std::to_string(offset) +
               " of " + path;
    case Kind::Truncate:
        return "cut " + path + " to " + std::to_string(size) + " bytes";
    case Kind::SyncFile:
        return "sync " + path;
    case Kind::SyncFolder:
        return "sync folder " + path;
    }
    return {};
}

void Apply(FileTree& tree, const Change& change) {
    const auto folder = [&](NodeId id) -> std::map<std::string, NodeId>& {
        return tree.nodes[id].entries;
    };
    switch (change.kind) {
    case Change::Kind::Make:
        tree.nodes.try_emplace(change.node, change.made);
        folder(change.folder)[change.name] = change.node;
        break;
    case Change::Kind::HardLink:
        folder(change.folder)[change.name] = change.node;
        break;
    case Change::Kind::Remove:
        folder(change.folder).erase(change.name);
        break;
    case Change::Kind::Rename: {
        auto& from = folder(change.folder);
        const auto entry = from.find(change.name);
        if (entry == from.end())
            break;
        const NodeId moved = entry->second;
        from.erase(entry);
        folder(change.folder2)[change.name2] = moved;
        break;
    }
    case Change::Kind::Write:
        WriteAt(tree.nodes[change.node].data, change.offset, change.bytes);
        break;
    case Change::Kind::Truncate:
        Resize(tree.nodes[change.node].data, change.size);
        break;
    case Change::Kind::SyncFile:
    case Change::Kind::SyncFolder:
        break;
    }
}

void ApplyTorn(FileTree& tree, const Change& write, Tear tear) {
    const std::size_t half = write.bytes.size() / 2;
    std::string& data = tree.nodes[write.node].data;
    switch (tear) {
    case Tear::None:
        Apply(tree, write);
        break;
    case Tear::FirstHalf:
        WriteAt(data, write.offset, std::string_view(write.bytes).substr(0, half));
        break;
    case Tear::ZerosInSecondHalf:
        WriteAt(data, write.offset,
                write.bytes.substr(0, half) + std::string(write.bytes.size() - half, '\0'));
        break;
    }
}

std::string Materialise(const FileTree& tree, const std::string& root) {
    return MaterialiseFolder(tree, tree.nodes.at(RootNode), root);
}

} // namespace powercut
