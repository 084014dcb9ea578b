#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

class QFile;

namespace soranika {

// What a power cut cannot take back. A file system keeps what a program writes in memory for a
// while, and a cut may lose any of it, in any combination, unless it was synced: a file's bytes
// last once the file is synced, a name (a file made, renamed into or removed from a folder) once
// its folder is. No file system promises that syncing one file keeps another's bytes. These are
// the program's only ways of making a change last; each says so when the system refuses.
//
// On Windows a folder has no sync of its own: a rename is made with MOVEFILE_WRITE_THROUGH, which
// returns once the new name is on the disk, and NTFS commits a new file's name with its log when
// the file is flushed.

// Makes the bytes and the size of an open file last (fdatasync, FlushFileBuffers).
Result<> SyncFileData(QFile& file);

// Makes the names in a folder last: the files just made, renamed into it or removed from it.
Result<> SyncFolder(const QString& folder);

// Makes a folder and each missing one above it, each name made to last.
Result<> MakeFolderDurably(const QString& folder);

// Writes `bytes` as the whole content of the file at `path`, made or emptied first, and syncs
// them; the file takes the permissions of `permissionsOf` when that file exists. Its name lasts
// once its folder is synced. After a failure the file is removed again.
Result<> WriteFileDurably(const QString& path, const QByteArray& bytes,
                          const QString& permissionsOf = {});

// Puts the file `from` in the place of `to`, in one step: `to` is the old file or the new one,
// never a mixture, also across a cut. Lasting when it returns. A link at `to` is replaced like a
// file, so callers pass the file the link leads to.
Result<> ReplaceFileDurably(const QString& from, const QString& to);

// Removes a file; lasting when it returns. A file that is not there is no failure.
Result<> RemoveFileDurably(const QString& path);

} // namespace soranika
