#pragma once

#include <QString>

#include <optional>

class QPrinter;
class QWidget;

namespace soranika {

// Prints the client area of a window as one page at its own physical size (15 twips to a
// pixel), from the top left of the printable area, also when the window is hidden. The page is
// drawn as vector graphics, so its text stays sharp at any printer resolution. Returns the reason
// when the printer refuses the job.
std::optional<QString> PrintWindowPage(QWidget& window, QPrinter& printer);

} // namespace soranika
