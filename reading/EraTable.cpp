#include "EraTable.h"

namespace soranika {

QStringView EraPrefix(QStringView eraText) {
    for (const Era& era : EraTable) {
        if (eraText == era.name)
            return era.prefix;
    }
    return EraTable.front().prefix;
}

std::optional<int> EraFirstYear(QChar letter) {
    for (const Era& era : EraTable) {
        if (era.prefix.size() == 1 && era.prefix.front() == letter)
            return era.firstYear;
    }
    return std::nullopt;
}

} // namespace soranika
