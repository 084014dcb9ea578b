#pragma once

#include <QString>

namespace soranika {

// Where the program finds the files it ships (the help text, the pictures) and where it keeps
// the history file. The folder of the shipped files becomes the working folder at start-up.
class ProgramFolder {
public:
    virtual ~ProgramFolder() = default;
    // The folder of the files the program ships.
    virtual QString path() const = 0;
    // The folder of the history file; beside the program unless an install says otherwise.
    virtual QString historyFolder() const { return path(); }
    // Makes path() the working folder; false when that is not possible.
    [[nodiscard]] virtual bool makeWorkingFolder() = 0;
    // A shipped file by its bare name.
    QString filePath(const QString& name) const;
    // The history file of that name, in the history folder.
    QString historyFilePath(const QString& name) const;
    // Makes the history folder and the folders above it when they are missing, so that they
    // last. What cannot be made is left for the write that follows to report, with its reason.
    void makeHistoryFolder() const;
};

// How an installed program's files are laid out, fixed when it is built.
enum class InstallLayout {
    // Everything in the program's own folder, the history too: the build tree, the per-user
    // install and the Windows program.
    OneFolder,
    // A system-wide install shared by every account: the shipped files in ../share/soranika
    // beside the program's bin folder, each user's history in their own data folder
    // ($XDG_DATA_HOME/soranika, ~/.local/share/soranika by default).
    SystemWide,
};

// The layout this program was built for.
InstallLayout BuiltInstallLayout();

class ExecutableFolder final : public ProgramFolder {
public:
    explicit ExecutableFolder(InstallLayout layout = BuiltInstallLayout())
        : layout_(layout) {}
    QString path() const override;
    QString historyFolder() const override;
    bool makeWorkingFolder() override;

private:
    InstallLayout layout_;
};

} // namespace soranika
