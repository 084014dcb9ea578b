#pragma once

// Real faults of the file system, made for a test and undone after it: a small disk that fills
// up, a read-only folder, an unchangeable file, a named pipe. Most need root (as CI runs), and all
// need Linux; where one cannot be made, its failure says why and the test skips with that reason.

#include "Result.h"

#include <QString>
#include <QTemporaryDir>

namespace soranika::testing {

// A tmpfs of a few pages mounted on a temporary folder, or on a folder the test names (which then
// shows the small disk until the end of the test).
class SmallDisk {
public:
    explicit SmallDisk(qint64 bytes, const QString& mountOn = {});
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // Fails, saying why, when the disk could not be mounted.
    Result<> ready() const { return ready_; }
    QString path() const { return mountPoint_; }
    QString filePath(const QString& name) const { return mountPoint_ + u'/' + name; }
    // Takes every byte still free, with a file of its own; false when that did not work.
    bool fill();
    qint64 freeBytes() const;

private:
    QTemporaryDir dir_;
    QString mountPoint_;
    bool mounted_ = false;
    Result<> ready_;
};

// A temporary folder that can be made read-only by binding it read-only onto itself.
class ReadOnlyFolder {
public:
    ReadOnlyFolder();
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    // From now on nothing in it can be changed, not even by root.
    Result<> makeReadOnly();

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

// Sets or clears the immutable attribute (chattr +i): not even root may change, rename or
// remove the file then.
Result<> SetImmutable(const QString& path, bool immutable);

// Makes a named pipe.
Result<> MakeNamedPipe(const QString& path);

// Whether QFile::link makes a link here that opening a file follows, and if not, why not.
Result<> CanFollowSymbolicLinks();

// Whether a link to an endless device (/dev/zero) can be made here, and if not, why not.
Result<> CanLinkEndlessDevice();

// The system's text for "No space left on device" and the like, as the program shows it. On
// Windows, the text of the Windows error that stands for the same thing.
QString SystemReason(int error);

} // namespace soranika::testing
