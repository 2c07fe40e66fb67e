#include "cli/pillar_letters.h"

namespace cli {

std::optional<calendar::PillarKind> PillarKindOf(std::string_view letter,
                                                 std::string_view letters) {
    if (letter.size() != 1) return std::nullopt;
    char upper = letter[0];
    if (upper >= 'a' && upper <= 'z') upper = static_cast<char>(upper - 'a' + 'A');
    const std::size_t at = letters.find(upper);
    if (at == std::string_view::npos || at >= calendar::kPillarKinds.size()) return std::nullopt;
    return calendar::kPillarKinds[at];
}

}  // namespace cli
