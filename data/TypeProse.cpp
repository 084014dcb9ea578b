#include "TypeProse.h"

#include <array>

namespace soranika {

// Defined in the source that embed-prose writes from prose.txt.
extern const std::array<std::u16string_view, 60> kTypeProse;

std::u16string_view TypeProse(int typeIndex) {
    if (typeIndex < 1 || typeIndex > static_cast<int>(kTypeProse.size()))
        return {};
    return kTypeProse[static_cast<std::size_t>(typeIndex - 1)];
}

} // namespace soranika
