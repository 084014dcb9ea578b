#define FUSE_USE_VERSION 31

#include "RecordingFileSystem.h"

#include <cerrno>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <fuse.h>
#include <fuse_log.h>
#include <map>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace powercut {

namespace {

RecordingFileSystem* g_system = nullptr; // one at a time: FUSE's callbacks carry no object
std::map<std::uint64_t, RecordingFileSystem::Open> g_open;
std::uint64_t g_nextHandle = 1;
std::map<NodeId, std::string> g_paths;
bool g_unmounting = false;

// libfuse's own messages, but for the one its loop gives when the unmount takes its device away.
void Log(fuse_log_level, const char* format, va_list arguments) {
    if (!g_unmounting)
        std::vfprintf(stderr, format, arguments);
} // where each node was last seen, for the descriptions

using Lock = std::lock_guard<std::mutex>;

FileTree& Tree() {
    return g_system->live();
}

timespec Now() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
}

std::string PathOf(NodeId node, const char* path) {
    if (path != nullptr)
        return path;
    const auto known = g_paths.find(node);
    return known == g_paths.end() ? std::string("(a file no longer named)") : known->second;
}

// The node of an open file where the kernel gives one, else the node the path names.
NodeId NodeOf(const char* path, const fuse_file_info* info) {
    if (info != nullptr && info->fh != 0) {
        const auto open = g_open.find(info->fh);
        if (open != g_open.end())
            return open->second.node;
    }
    return path == nullptr ? 0 : Tree().find(path);
}

std::uint64_t Opened(NodeId node, bool append, const char* path) {
    g_paths[node] = path;
    g_open[g_nextHandle] = {node, append};
    return g_nextHandle++;
}

// Makes the change on the live tree and records it.
int Carry(Change change) {
    Apply(Tree(), change);
    if (change.changesData())
        Tree().nodes.at(change.node).modified = Now();
    g_system->record(std::move(change));
    return 0;
}

int Make(const char* path, Node made, NodeId* madeId = nullptr) {
    FileTree& tree = Tree();
    const auto [folder, name] = tree.parentOf(path);
    if (folder == 0)
        return -ENOENT;
    if (tree.nodes[folder].entries.contains(name))
        return -EEXIST;
    made.modified = Now();
    const NodeId node = tree.next++;
    if (madeId != nullptr)
        *madeId = node;
    g_paths[node] = path;
    return Carry({.kind = Change::Kind::Make,
                  .folder = folder,
                  .name = name,
                  .node = node,
                  .made = made,
                  .path = path});
}

void* Init(fuse_conn_info*, fuse_config* config) {
    // Nothing cached in the kernel: every call comes here, in the program's order.
    config->use_ino = 1;
    config->hard_remove = 1;
    config->nullpath_ok = 1;
    config->entry_timeout = 0;
    config->negative_timeout = 0;
    config->attr_timeout = 0;
    config->kernel_cache = 0;
    return nullptr;
}

int GetAttributes(const char* path, struct stat* status, fuse_file_info* info) {
    Lock lock(g_system->lock());
    const NodeId id = NodeOf(path, info);
    if (id == 0)
        return -ENOENT;
    const Node& node = Tree().nodes.at(id);
    *status = {};
    status->st_ino = static_cast<ino_t>(id);
    status->st_uid = getuid();
    status->st_gid = getgid();
    status->st_blksize = 4096;
    status->st_mtim = status->st_ctim = status->st_atim = node.modified;
    switch (node.kind) {
    case Node::Kind::Folder:
        status->st_mode = S_IFDIR | node.mode;
        status->st_nlink = 2;
        break;
    case Node::Kind::File:
        status->st_mode = S_IFREG | node.mode;
        status->st_nlink = 1;
        status->st_size = static_cast<off_t>(node.data.size());
        break;
    case Node::Kind::Link:
        status->st_mode = S_IFLNK | 0777;
        status->st_nlink = 1;
        status->st_size = static_cast<off_t>(node.target.size());
        break;
    }
    status->st_blocks = (status->st_size + 511) / 512;
    return 0;
}

int ReadLink(const char* path, char* buffer, size_t size) {
    Lock lock(g_system->lock());
    const NodeId id = Tree().find(path);
    if (id == 0 || Tree().nodes.at(id).kind != Node::Kind::Link)
        return -EINVAL;
    const std::string& target = Tree().nodes.at(id).target;
    const size_t length = std::min(size - 1, target.size());
    std::memcpy(buffer, target.data(), length);
    buffer[length] = '\0';
    return 0;
}

int MakeFolder(const char* path, mode_t mode) {
    Lock lock(g_system->lock());
    return Make(path, Node{Node::Kind::Folder, {}, {}, {}, mode & 07777, {}});
}

int MakeLink(const char* target, const char* path) {
    Lock lock(g_system->lock());
    return Make(path, Node{Node::Kind::Link, {}, {}, target, 0777, {}});
}

int RemoveName(const char* path, bool folder) {
    Lock lock(g_system->lock());
    FileTree& tree = Tree();
    const auto [parent, name] = tree.parentOf(path);
    if (parent == 0 || !tree.nodes[parent].entries.contains(name))
        return -ENOENT;
    const Node& node = tree.nodes.at(tree.nodes[parent].entries.at(name));
    if (folder && node.kind != Node::Kind::Folder)
        return -ENOTDIR;
    if (!folder && node.kind == Node::Kind::Folder)
        return -EISDIR;
    if (folder && !node.entries.empty())
        return -ENOTEMPTY;
    return Carry({.kind = Change::Kind::Remove, .folder = parent, .name = name, .path = path});
}

int Unlink(const char* path) {
    return RemoveName(path, false);
}

int RemoveFolder(const char* path) {
    return RemoveName(path, true);
}

int Rename(const char* from, const char* to, unsigned int flags) {
    Lock lock(g_system->lock());
    FileTree& tree = Tree();
    if (flags & RENAME_EXCHANGE)
        return -EINVAL;
    const auto [fromFolder, fromName] = tree.parentOf(from);
    const auto [toFolder, toName] = tree.parentOf(to);
    if (fromFolder == 0 || toFolder == 0 || !tree.nodes[fromFolder].entries.contains(fromName))
        return -ENOENT;
    const Node& moved = tree.nodes.at(tree.nodes[fromFolder].entries.at(fromName));
    if (const auto there = tree.nodes[toFolder].entries.find(toName);
        there != tree.nodes[toFolder].entries.end()) {
        if (flags & RENAME_NOREPLACE)
            return -EEXIST;
        const Node& replaced = tree.nodes.at(there->second);
        if (replaced.kind == Node::Kind::Folder && moved.kind != Node::Kind::Folder)
            return -EISDIR;
        if (replaced.kind != Node::Kind::Folder && moved.kind == Node::Kind::Folder)
            return -ENOTDIR;
        if (replaced.kind == Node::Kind::Folder && !replaced.entries.empty())
            return -ENOTEMPTY;
    }
    g_paths[tree.nodes[fromFolder].entries.at(fromName)] = to;
    return Carry({.kind = Change::Kind::Rename,
                  .folder = fromFolder,
                  .name = fromName,
                  .folder2 = toFolder,
                  .name2 = toName,
                  .path = std::string(from) + " -> " + to});
}

int HardLink(const char* from, const char* to) {
    Lock lock(g_system->lock());
    FileTree& tree = Tree();
    const NodeId node = tree.find(from);
    const auto [folder, name] = tree.parentOf(to);
    if (node == 0 || folder == 0)
        return -ENOENT;
    if (tree.nodes[folder].entries.contains(name))
        return -EEXIST;
    return Carry(
        {.kind = Change::Kind::HardLink, .folder = folder, .name = name, .node = node, .path = to});
}

int ChangeMode(const char* path, mode_t mode, fuse_file_info* info) {
    Lock lock(g_system->lock());
    const NodeId id = NodeOf(path, info);
    if (id == 0)
        return -ENOENT;
    Tree().nodes.at(id).mode = mode & 07777;
    return 0;
}

int ChangeOwner(const char*, uid_t, gid_t, fuse_file_info*) {
    return 0;
}

int Cut(NodeId id, std::int64_t size, const char* path) {
    if (id == 0)
        return -ENOENT;
    return Carry(
        {.kind = Change::Kind::Truncate, .node = id, .size = size, .path = PathOf(id, path)});
}

int Truncate(const char* path, off_t size, fuse_file_info* info) {
    Lock lock(g_system->lock());
    return Cut(NodeOf(path, info), size, path);
}

int OpenFile(const char* path, fuse_file_info* info) {
    Lock lock(g_system->lock());
    const NodeId id = Tree().find(path);
    if (id == 0)
        return -ENOENT;
    if (Tree().nodes.at(id).kind == Node::Kind::Folder)
        return -EISDIR;
    if (info->flags & O_TRUNC) // the kernel hands O_TRUNC on (atomic_o_trunc)
        Cut(id, 0, path);
    info->fh = Opened(id, info->flags & O_APPEND, path);
    return 0;
}

int Create(const char* path, mode_t mode, fuse_file_info* info) {
    Lock lock(g_system->lock());
    NodeId made = 0;
    if (const int error = Make(path, Node{Node::Kind::File, {}, {}, {}, mode & 07777, {}}, &made))
        return error;
    info->fh = Opened(made, info->flags & O_APPEND, path);
    return 0;
}

int Read(const char* path, char* buffer, size_t size, off_t offset, fuse_file_info* info) {
    Lock lock(g_system->lock());
    const NodeId id = NodeOf(path, info);
    if (id == 0)
        return -ENOENT;
    const std::string& data = Tree().nodes.at(id).data;
    if (offset >= static_cast<off_t>(data.size()))
        return 0;
    const size_t length = std::min(size, data.size() - static_cast<size_t>(offset));
    std::memcpy(buffer, data.data() + offset, length);
    return static_cast<int>(length);
}

int Write(const char* path, const char* bytes, size_t size, off_t offset, fuse_file_info* info) {
    Lock lock(g_system->lock());
    const NodeId id = NodeOf(path, info);
    if (id == 0)
        return -ENOENT;
    const auto open = g_open.find(info->fh);
    const bool append = open != g_open.end() && open->second.append;
    Carry({.kind = Change::Kind::Write,
           .node = id,
           .offset = append ? static_cast<std::int64_t>(Tree().nodes.at(id).data.size()) : offset,
           .bytes = std::string(bytes, size),
           .path = PathOf(id, path)});
    return static_cast<int>(size);
}

int Statistics(const char*, struct statvfs* status) {
    *status = {};
    status->f_bsize = status->f_frsize = 4096;
    status->f_blocks = status->f_bfree = status->f_bavail = 1 << 20;
    status->f_files = status->f_ffree = status->f_favail = 1 << 20;
    status->f_namemax = 255;
    return 0;
}

int Sync(const char* path, int, fuse_file_info* info, Change::Kind kind) {
    Lock lock(g_system->lock());
    const NodeId id = NodeOf(path, info);
    if (id == 0)
        return -ENOENT;
    Change change;
    change.kind = kind;
    (kind == Change::Kind::SyncFolder ? change.folder : change.node) = id;
    change.path = PathOf(id, path);
    g_system->record(std::move(change));
    return 0;
}

int SyncFile(const char* path, int dataOnly, fuse_file_info* info) {
    return Sync(path, dataOnly, info, Change::Kind::SyncFile);
}

int SyncFolder(const char* path, int dataOnly, fuse_file_info* info) {
    return Sync(path, dataOnly, info, Change::Kind::SyncFolder);
}

int Release(const char*, fuse_file_info* info) {
    Lock lock(g_system->lock());
    g_open.erase(info->fh);
    return 0;
}

int OpenFolder(const char* path, fuse_file_info* info) {
    Lock lock(g_system->lock());
    const NodeId id = Tree().find(path);
    if (id == 0)
        return -ENOENT;
    if (Tree().nodes.at(id).kind != Node::Kind::Folder)
        return -ENOTDIR;
    info->fh = Opened(id, false, path);
    return 0;
}

int ReadFolder(const char* path, void* buffer, fuse_fill_dir_t fill, off_t, fuse_file_info* info,
               fuse_readdir_flags) {
    Lock lock(g_system->lock());
    const NodeId id = NodeOf(path, info);
    if (id == 0)
        return -ENOENT;
    fill(buffer, ".", nullptr, 0, fuse_fill_dir_flags{});
    fill(buffer, "..", nullptr, 0, fuse_fill_dir_flags{});
    for (const auto& [name, node] : Tree().nodes.at(id).entries)
        fill(buffer, name.c_str(), nullptr, 0, fuse_fill_dir_flags{});
    return 0;
}

int SetTimes(const char* path, const timespec times[2], fuse_file_info* info) {
    Lock lock(g_system->lock());
    const NodeId id = NodeOf(path, info);
    if (id == 0)
        return -ENOENT;
    Tree().nodes.at(id).modified = times[1].tv_nsec == UTIME_NOW ? Now() : times[1];
    return 0;
}

int Access(const char*, int) {
    return 0;
}

fuse_operations Operations() {
    fuse_operations operations{};
    operations.init = Init;
    operations.getattr = GetAttributes;
    operations.readlink = ReadLink;
    operations.mkdir = MakeFolder;
    operations.unlink = Unlink;
    operations.rmdir = RemoveFolder;
    operations.symlink = MakeLink;
    operations.rename = Rename;
    operations.link = HardLink;
    operations.chmod = ChangeMode;
    operations.chown = ChangeOwner;
    operations.truncate = Truncate;
    operations.open = OpenFile;
    operations.read = Read;
    operations.write = Write;
    operations.statfs = Statistics;
    operations.release = Release;
    operations.fsync = SyncFile;
    operations.opendir = OpenFolder;
    operations.readdir = ReadFolder;
    operations.releasedir = Release;
    operations.fsyncdir = SyncFolder;
    operations.access = Access;
    operations.create = Create;
    operations.utimens = SetTimes;
    return operations;
}

} // namespace

RecordingFileSystem::RecordingFileSystem(const std::string& mountPoint)
    : mountPoint_(mountPoint) {
    if (g_system != nullptr) {
        problem_ = "another recording file system is mounted";
        return;
    }
    if (::access("/dev/fuse", R_OK | W_OK) != 0) {
        problem_ = std::string("/dev/fuse cannot be opened: ") + std::strerror(errno);
        return;
    }
    g_system = this;
    g_unmounting = false;
    fuse_set_log_func(Log);
    static const fuse_operations operations = Operations();
    char name[] = "powercut";
    char* argv[] = {name, nullptr};
    fuse_args args = FUSE_ARGS_INIT(1, argv);
    fuse_ = fuse_new(&args, &operations, sizeof operations, nullptr);
    fuse_opt_free_args(&args);
    if (fuse_ == nullptr || fuse_mount(fuse_, mountPoint_.c_str()) != 0) {
        problem_ = "FUSE could not mount " + mountPoint_ + " (it needs root or fusermount3)";
        if (fuse_ != nullptr)
            fuse_destroy(fuse_);
        fuse_ = nullptr;
        g_system = nullptr;
        return;
    }
    std::promise<void> ended;
    loopEnded_ = ended.get_future();
    loop_ = std::thread([fuse = fuse_, ended = std::move(ended)]() mutable {
        fuse_loop(fuse);
        ended.set_value();
    });
}

RecordingFileSystem::~RecordingFileSystem() {
    unmount();
}

void RecordingFileSystem::unmount() {
    if (fuse_ == nullptr)
        return;
    // Unmounting ends the connection, and with it the loop's wait for the next call. (Asking
    // the loop to exit would not do: it drops the call that wakes it, unanswered, and whoever
    // made that call waits for ever.)
    g_unmounting = true;
    fuse_unmount(fuse_);
    if (loopEnded_.wait_for(std::chrono::seconds(10)) == std::future_status::ready) {
        loop_.join();
        fuse_destroy(fuse_);
    } else {
        loop_.detach(); // something still holds the mount; the process ends it
        problem_ = "the file system's loop did not end after unmounting";
    }
    fuse_ = nullptr;
    g_open.clear();
    g_paths.clear();
    g_system = nullptr;
}

void RecordingFileSystem::checkpoint() {
    Lock lock(lock_);
    checkpoint_ = live_;
    changes_.clear();
    recording_ = true;
}

FileTree RecordingFileSystem::atCheckpoint() const {
    Lock lock(lock_);
    return checkpoint_;
}

FileTree RecordingFileSystem::now() const {
    Lock lock(lock_);
    return live_;
}

std::vector<Change> RecordingFileSystem::changes() const {
    Lock lock(lock_);
    return changes_;
}

void RecordingFileSystem::record(Change change) {
    if (recording_)
        changes_.push_back(std::move(change));
}

} // namespace powercut
