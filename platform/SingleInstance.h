#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace soranika {

// Tells whether another copy of the program runs for this user. The first copy holds the claim
// until it ends; the claim dies with its process however that ends, so a crash or a power loss
// never locks the user out.
class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // False only when another living copy holds the claim. True when this copy is the only one
    // (it then holds the claim for the rest of its life), and also when the check cannot be made
    // at all: the program is better started twice than not at all.
    [[nodiscard]] virtual bool claim() = 0;
};

// A lock file in the user's runtime folder. On Unix the claim is the kernel's lock on that file,
// not the file's content: a file left empty, half written or naming a process long gone claims
// nothing. The file itself stays; removing it would let a copy that opened it a moment earlier
// and a copy that makes it anew both believe they are alone.
class LockFileInstance final : public SingleInstance {
public:
    explicit LockFileInstance(QString lockPath = DefaultLockPath());
    ~LockFileInstance() override;
    bool claim() override;

    static QString DefaultLockPath();

private:
    QString lockPath_;
#ifdef Q_OS_UNIX
    int lockDescriptor_ = -1;
    bool unchecked_ = false;
#else
    std::unique_ptr<QLockFile> lock_;
#endif
};

} // namespace soranika
