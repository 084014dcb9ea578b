#pragma once

#include "Result.h"

class QPrinter;
class QWidget;

namespace soranika {

// Prints the client area of a window as one page at its own physical size (15 twips to a
// pixel), from the top left of the printable area, also when the window is hidden. The page is
// drawn as vector graphics, so its text stays sharp at any printer resolution. Fails when the
// printer refuses the job.
Result<> PrintWindowPage(QWidget& window, QPrinter& printer);

} // namespace soranika
