#pragma once

#include <QString>
#include <QStringView>

namespace soranika {

// The sixty personality types, numbered 1 to 60. The titles run through the twelve animals rat,
// ox, tiger, rabbit, dragon, snake, horse, sheep, monkey, bird, dog and boar five times over; the
// prose of each type sketches the creature of its title.
namespace TypeTable {

inline constexpr int FirstType = 1;
inline constexpr int LastType = 60;

// Title of a type, e.g. "聖火を持った虎" for type 3. Only 1 to 60 are types.
QStringView Title(int typeIndex);

// The type's paragraph of prose, beginning with an ideographic space.
QStringView Prose(int typeIndex);

// The text as a reading hands it on: two carriage returns, then the prose. The carriage returns
// leave room for the title above the prose wherever the text is shown or written.
QString TypeText(int typeIndex);

} // namespace TypeTable

} // namespace soranika
