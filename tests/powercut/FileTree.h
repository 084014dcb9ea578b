#pragma once

// A file system as the power-cut test keeps it in memory: folders, files and links, each a node
// with a number, and the changes a program makes to them, one by one, as the kernel hands them
// on. What a change does to the names (made, linked, removed, renamed) and what it does to a
// file's bytes (written, cut) are kept apart, because a file system makes them last apart.

#include <cstdint>
#include <ctime>
#include <map>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <utility>

namespace powercut {

using NodeId = int;
inline constexpr NodeId RootNode = 1;

struct Node {
    enum class Kind { File, Folder, Link };
    Kind kind = Kind::File;
    std::string data;                      // a file's bytes
    std::map<std::string, NodeId> entries; // a folder's names
    std::string target;                    // a link's target
    mode_t mode = 0644;
    timespec modified{};
};

struct FileTree {
    std::map<NodeId, Node> nodes{{RootNode, Node{Node::Kind::Folder, {}, {}, {}, 0755, {}}}};
    NodeId next = RootNode + 1;

    // The node a path names, from the root, links not followed; 0 when there is none.
    NodeId find(std::string_view path) const;
    // The folder that holds the last name of a path, and that name; 0 when the folder is missing.
    std::pair<NodeId, std::string> parentOf(std::string_view path) const;
};

// One change, as the file system saw it.
struct Change {
    enum class Kind {
        Make,       // `made` is linked into `folder` as `name`
        HardLink,   // `node` is linked into `folder` as `name` once more
        Remove,     // `name` leaves `folder`
        Rename,     // `name` of `folder` becomes `name2` of `folder2`, replacing what was there
        Write,      // `bytes` go into `node` at `offset`
        Truncate,   // `node` is cut (or grown with zeros) to `size`
        SyncFile,   // fsync or fdatasync of `node`
        SyncFolder, // fsync of the folder `folder`
    };
    Kind kind = Kind::Write;
    NodeId folder = 0;
    std::string name{};
    NodeId folder2 = 0;
    std::string name2{};
    NodeId node = 0;
    Node made{};
    std::int64_t offset = 0;
    std::string bytes{};
    std::int64_t size = 0;
    std::string path{}; // where it happened, for people

    bool changesNames() const {
        return kind == Kind::Make || kind == Kind::HardLink || kind == Kind::Remove ||
               kind == Kind::Rename;
    }
    bool changesData() const { return kind == Kind::Write || kind == Kind::Truncate; }
    std::string describe() const;
};

// Carries out a change of names or of data on a tree; syncs change nothing. A node that a change
// of data names but the tree lacks (its name was lost) is kept all the same, nameless.
void Apply(FileTree& tree, const Change& change);

// A write cut short at a power cut: only its first half arrived, or the file grew by the whole
// write but the second half of it reads as zeros.
enum class Tear { None, FirstHalf, ZerosInSecondHalf };
void ApplyTorn(FileTree& tree, const Change& write, Tear tear);

// A number for everything that can be reached from the root (names, kinds, bytes, targets), equal
// for trees that look the same.
std::uint64_t Fingerprint(const FileTree& tree);

// Writes the tree out as real folders, files and links under `root` (an empty folder), every
// file dated an hour back, as a machine that was started again after a cut finds them.
// Returns the problem, or an empty text.
std::string Materialise(const FileTree& tree, const std::string& root);

} // namespace powercut
