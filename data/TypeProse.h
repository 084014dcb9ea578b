#pragma once

#include <string_view>

namespace soranika {

// The prose of personality type 1 to 60, as written in prose.txt: one paragraph that begins with
// an ideographic space. Any other number gives an empty text.
std::u16string_view TypeProse(int typeIndex);

} // namespace soranika
