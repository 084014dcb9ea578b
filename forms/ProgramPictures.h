#pragma once

class QCursor;
class QIcon;

namespace soranika {

// The program's own pictures, drawn by tools/picture-generator and compiled in, so that they load
// without an image decoder.

// The 32 x 32 program icon of every window.
QIcon ProgramIcon();

// A 32 x 32 pointing hand whose fingertip, the hot spot, is at (13, 9).
QCursor HandCursor();

} // namespace soranika
