#pragma once

#include <QDate>

#include <iosfwd>

namespace soranika {

// Appraises tab-separated lines (era, year, month, day; UTF-8; any field may be empty) and writes
// one tab-separated line for each:
//     BirthDateText  MaskedBirthDate  TypeIndex  DaysLived  Age  TypeTitle   (accepted)
//     BirthDateText  MaskedBirthDate  refused                                (refused)
//     error  <reason>                                   (a line without exactly four fields)
// A CR before the LF that ends a line belongs to the line ending. Processing always goes on to
// the end of the input. Returns the number of lines read.
qint64 RunBatch(std::istream& in, std::ostream& out, QDate today);

} // namespace soranika
