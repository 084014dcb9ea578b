#pragma once

#include "Desktop.h"

namespace soranika {

// On Windows "notepad.exe <file>" in the folder; elsewhere the desktop's default application for
// the file.
class SystemTextViewer final : public TextViewer {
public:
    Result<> openTextFile(const QString& folder, const QString& fileName) override;
};

class SystemAddressOpener final : public AddressOpener {
public:
    void openAddress(const QString& address) override;
};

} // namespace soranika
