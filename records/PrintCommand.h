#pragma once

#include "Result.h"

#include <QString>

#include <functional>

class QWidget;

namespace soranika {

struct Platform;

// Fills the detail window; the reason when the type's picture could not be loaded.
using FillDetailPage = std::function<Result<>()>;

// The name of the print job, as printer queues list it: the program and the type's title.
QString PrintJobName(const QString& typeTitle);

// "印　刷": asks for a printer, then fills the detail window through `fill` and prints `page`, that
// window, on one sheet, as the job `jobName`. Returns whether the page went to the printer. A
// cancelled dialog ends quietly; a picture that cannot be read or a printer that refuses is
// reported, and nothing is printed. The caller has checked that a reading is present.
[[nodiscard]] bool PrintReading(QWidget& page, const FillDetailPage& fill, const QString& jobName,
                                Platform& platform, QWidget* parent);

} // namespace soranika
