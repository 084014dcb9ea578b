#pragma once

// What a power cut may leave on the disk, on a file system that promises no more than POSIX and
// Linux do: what was synced stays, anything else may be lost — each change on its own, in any
// combination, and a write may arrive in part.
//
//  - A file's bytes: the changes of a file's bytes before its last sync stay. Those after it stay
//    in the order they were made, up to some point, and the first one lost may have arrived in
//    part (its first half, or the file grown by the whole write with zeros in its second half).
//  - Names: a change of the names in a folder (a file made, linked, removed or renamed) stays
//    once that folder is synced after it (a rename between two folders: once both are). Any
//    other may be lost, in any combination, but for one rule every journalling file system
//    keeps and a program cannot do without: a change that needs an earlier one (a rename of a
//    file just made, a second change of the same name) does not stay without it.
//  - Nothing ties one file's bytes to another's, or to any name: syncing one file keeps nothing
//    of another, and a file's name may stay while its bytes are lost, or the other way round.

#include "FileTree.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace powercut {

struct CrashState {
    FileTree tree;
    std::string description; // what of the unsynced changes it keeps, for people
};

// Hands on, one at a time, every state a cut after the first `cut` of `changes` can leave,
// starting from `synced`, the tree as it was on the disk before the first change. Where there
// are more than `limit`, an even sample of them, with the state that keeps every change and the
// one that keeps nothing unsynced. Returns how many states there are in all.
std::size_t ForEachStateAfterCut(const FileTree& synced, const std::vector<Change>& changes,
                                 std::size_t cut, std::size_t limit,
                                 const std::function<void(CrashState&)>& check);

} // namespace powercut
