#pragma once

// The file system the program runs on in the power-cut test: a FileTree in memory, served to the
// kernel through FUSE (libfuse 3) from a thread of this process, that records every change made
// after its checkpoint — each write, cut, sync, and change of names — in the order the program
// made them. It keeps everything, synced or not; CrashStates works out afterwards what a cut
// could have left. Single-threaded, so the order is the program's own. Files opened with
// O_TMPFILE are not offered (as on many file systems), so Qt names its temporary files.

#include "FileTree.h"

#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct fuse;

namespace powercut {

class RecordingFileSystem {
public:
    // Mounts on an empty folder. Needs /dev/fuse, and root or fusermount3; problem() says why
    // it could not.
    explicit RecordingFileSystem(const std::string& mountPoint);
    ~RecordingFileSystem();
    RecordingFileSystem(const RecordingFileSystem&) = delete;
    RecordingFileSystem& operator=(const RecordingFileSystem&) = delete;

    const std::string& problem() const { return problem_; }

    // Everything up to now counts as on the disk; every change from now on is recorded.
    void checkpoint();
    FileTree atCheckpoint() const;
    FileTree now() const;
    std::vector<Change> changes() const;
    void unmount();

    // What the FUSE callbacks reach, under the lock.
    struct Open {
        NodeId node = 0;
        bool append = false;
    };
    FileTree& live() { return live_; }
    void record(Change change);
    std::mutex& lock() { return lock_; }

private:
    std::string mountPoint_;
    std::string problem_;
    struct fuse* fuse_ = nullptr;
    std::thread loop_;
    std::future<void> loopEnded_;
    mutable std::mutex lock_;
    FileTree live_;
    FileTree checkpoint_;
    bool recording_ = false;
    std::vector<Change> changes_;
};

} // namespace powercut
