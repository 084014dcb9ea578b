#pragma once

#include <QString>

namespace soranika {

// The folder that holds the program file, which becomes the working folder at start-up: the
// history file, the help text and the pictures are found there by their bare names.
class ProgramFolder {
public:
    virtual ~ProgramFolder() = default;
    virtual QString path() const = 0;
    // Makes path() the working folder; false when that is not possible.
    virtual bool makeWorkingFolder() = 0;
    // A file of the program folder by its bare name.
    QString filePath(const QString& name) const;
};

class ExecutableFolder final : public ProgramFolder {
public:
    QString path() const override;
    bool makeWorkingFolder() override;
};

} // namespace soranika
