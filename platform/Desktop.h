#pragma once

#include "Result.h"

#include <QString>

namespace soranika {

// Starts the system's plain-text editor on a file of a folder, without waiting for it. Fails
// when no program could be started, with the desktop's reason.
class TextViewer {
public:
    virtual ~TextViewer() = default;
    virtual Result<> openTextFile(const QString& folder, const QString& fileName) = 0;
};

// Hands a web address to the system's browser, without waiting; nothing is reported back.
class AddressOpener {
public:
    virtual ~AddressOpener() = default;
    virtual void openAddress(const QString& address) = 0;
};

} // namespace soranika
