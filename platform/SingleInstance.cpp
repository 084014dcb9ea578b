#include "SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace soranika {

LockFileInstance::LockFileInstance(QString lockPath)
    : lockPath_(std::move(lockPath)) {}

LockFileInstance::~LockFileInstance() = default;

QString LockFileInstance::DefaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("soranika.lock"));
}

bool LockFileInstance::claim() {
    if (lock_ && lock_->isLocked())
        return true;
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // A lock whose process is gone is stale; tryLock removes it and takes over. A living holder
    // keeps it however old it is.
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

} // namespace soranika
