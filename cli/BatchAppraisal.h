#pragma once

#include "Result.h"

#include <QDate>

#include <iosfwd>

namespace soranika {

// Appraises tab-separated lines (era, year, month, day; UTF-8; any field may be empty) and writes
// one tab-separated line for each:
//     BirthDateText  MaskedBirthDate  TypeIndex  DaysLived  Age  TypeTitle   (accepted)
//     BirthDateText  MaskedBirthDate  refused                                (refused)
//     error  <reason>                                   (a line without exactly four fields)
// A CR before the LF that ends a line belongs to the line ending. Processing goes on to the end of
// the input, unless the input cannot be read (every line read until then is answered; a line cut
// off by the error is not) or the output cannot be written (reading stops at the first failed
// write, so that a reader that has gone does not leave it reading endless input).
// Fails when the input cannot be read, with the system's reason; a failed write is left in out's
// state, which the caller checks after its own last write.
Result<> RunBatch(std::istream& in, std::ostream& out, QDate today);

} // namespace soranika
