#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace soranika {

// Tells whether another copy of the program runs for this user. The first copy holds the claim
// until it ends; a copy that crashed or was killed leaves a stale claim that the next start takes
// over.
class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // True when this copy is the only one; it then holds the claim for the rest of its life.
    virtual bool claim() = 0;
};

// A lock file in the user's runtime folder; the kernel lock under it dies with its process.
class LockFileInstance final : public SingleInstance {
public:
    explicit LockFileInstance(QString lockPath = DefaultLockPath());
    ~LockFileInstance() override;
    bool claim() override;

    static QString DefaultLockPath();

private:
    QString lockPath_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace soranika
