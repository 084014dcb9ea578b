#include "SettingsStore.h"

#include "DurableFiles.h"
#include "RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

namespace soranika {

namespace {

QString KeyPath(const QString& section, const QString& key) {
    return section + u'/' + key;
}

QSettings OpenStore(const QString& application) {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, application);
}

// Where QSettings keeps the values of a file-based store, worked out without opening it: opening
// reads the whole file.
QString StoreFilePath(const QString& application) {
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    return OpenStore(application).fileName();
#else
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.config");
    return QDir(folder).filePath(application + QStringLiteral(".conf"));
#endif
}

[[maybe_unused]] QString TooLargeReason(qint64 size) {
    return QStringLiteral("ファイルが大きすぎます（%1 バイト。読むのは %2 バイトまでです）")
        .arg(QLocale(QLocale::Japanese).toString(size),
             QLocale(QLocale::Japanese).toString(QtSettingsStore::LargestFileSize));
}

// Why a store file is not to be read at all, or nothing when it is fine (or absent).
std::optional<QString> UnusableStoreFile(const QString& application) {
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    Q_UNUSED(application);
    return std::nullopt;
#else
    const QFileInfo info(StoreFilePath(application));
    if (!info.exists())
        return std::nullopt;
    if (!info.isFile())
        return NotARegularFileReason();
    if (info.size() > QtSettingsStore::LargestFileSize)
        return TooLargeReason(info.size());
    return std::nullopt;
#endif
}

[[maybe_unused]] bool Unparsable(const QString& application) {
    QSettings settings = OpenStore(application);
    settings.allKeys(); // Qt parses each group only when first asked for it: ask for them all
    return settings.status() == QSettings::FormatError;
}

// QSettings only says that it could not write. Retrace its steps on the file and its folder,
// without changing either, to find the system's own reason.
QString WhyNotWritten(const QString& path) {
    const QFileInfo info(path);
    if (info.exists()) {
        QFile existing(path);
        if (!existing.open(QIODevice::ReadWrite))
            return existing.errorString();
    }
    if (!QDir().mkpath(info.absolutePath())) {
        const QFileInfo folder(info.absolutePath());
        return folder.exists() && !folder.isDir()
                   ? QStringLiteral("%1 がフォルダではありません")
                         .arg(QDir::toNativeSeparators(folder.absoluteFilePath()))
                   : QStringLiteral("フォルダを作れません");
    }
    // The new content goes into a file beside the old one first: try that much, then drop it.
    QSaveFile trial(path);
    if (!trial.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return trial.errorString();
    const QByteArray sample(qMax<qint64>(info.size(), 4096), ' ');
    const bool written = trial.write(sample) == sample.size();
    const QString reason = trial.errorString();
    trial.cancelWriting();
    if (!written)
        return reason;
    return QStringLiteral("設定を書き込めません");
}

} // namespace

QString QtSettingsStore::readSetting(const QString& application, const QString& section,
                                     const QString& key, const QString& defaultText) const {
    if (UnusableStoreFile(application))
        return defaultText;
    const QSettings settings = OpenStore(application);
    const QVariant value = settings.value(KeyPath(section, key));
    // Values are always written as text; anything else came from a hand-edited file.
    return value.isValid() ? value.toString() : defaultText;
}

Result<> QtSettingsStore::writeSettings(const QString& application, const QString& section,
                                        const SettingTexts& keysAndTexts) {
    if (const auto unusable = UnusableStoreFile(application))
        return Failure{*unusable};
#if !defined(Q_OS_WIN) && !defined(Q_OS_DARWIN)
    // Qt would make a missing folder itself, but not make it last. One that cannot be made is
    // reported by the write, with its reason.
    (void)MakeFolderDurably(QFileInfo(StoreFilePath(application)).absolutePath());
#endif
    QSettings settings = OpenStore(application);
    QList<std::pair<QString, QVariant>> earlier; // not valid where a key was absent
    for (const auto& [key, text] : keysAndTexts) {
        const QString keyPath = KeyPath(section, key);
        earlier.append({keyPath, settings.value(keyPath)});
        settings.setValue(keyPath, text);
    }
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        // QSettings keeps unwritten values in its process-wide cache, where later reads would
        // find them. Put the stored ones back, so that the program goes on with what the file
        // holds.
        for (auto key = earlier.crbegin(); key != earlier.crend(); ++key) {
            if (key->second.isValid())
                settings.setValue(key->first, key->second);
            else
                settings.remove(key->first);
        }
        return Failure{WhyNotWritten(settings.fileName())};
    }
#if !defined(Q_OS_WIN) && !defined(Q_OS_DARWIN)
    // The new file is in place; its name lasts once the folder is synced.
    return SyncFolder(QFileInfo(settings.fileName()).absolutePath());
#else
    return {};
#endif
}

std::optional<SetAsideStore> QtSettingsStore::setAsideUnusableStore(const QString& application,
                                                                    const QDateTime& now) {
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    Q_UNUSED(application);
    Q_UNUSED(now);
    return std::nullopt;
#else
    const QString path = StoreFilePath(application);
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    QString reason;
    if (info.size() > LargestFileSize)
        reason = TooLargeReason(info.size());
    else if (Unparsable(application))
        reason = QStringLiteral("設定ファイルとして読めない内容です");
    else
        return std::nullopt;
    const QString stem = path + QStringLiteral(".damaged-") + now.toString(u"yyyyMMdd-HHmmss");
    QString keptAs = stem;
    for (int n = 2; QFileInfo::exists(keptAs); ++n)
        keptAs = stem + u'-' + QString::number(n);
    // A folder that takes no new name keeps the file where it is; every write then says why.
    if (!QFile::rename(path, keptAs))
        return std::nullopt;
    // Should the new name not last, the next start finds the file again and moves it again.
    (void)SyncFolder(info.absolutePath());
    return SetAsideStore{QDir::toNativeSeparators(path), QDir::toNativeSeparators(keptAs), reason};
#endif
}

QString QtSettingsStore::location(const QString& application) const {
    return QDir::toNativeSeparators(StoreFilePath(application));
}

} // namespace soranika
