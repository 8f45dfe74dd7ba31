#include "party/roster.h"

#include <array>
#include <limits>

#include "party/companions.h"

namespace party {
namespace {

constexpr int kNever = std::numeric_limits<int>::max();

// When each companion is with the hero, by story stage: from `joins` up to
// but not including `leaves`.
struct Stay {
    std::uint8_t id;
    int joins, leaves;
};

// - Sofi is the companion of a new game. Jack takes her place at stage 166,
//   and by the cliff at stage 190 the hero mourns her.
// - Jack (166), Sonia (190) and Ryu (344) join at the end of those stages'
//   scenes.
// - Chi, Bree, Myst and Darwin gather with the others at the reunion of stage
//   896; they wait in the first house, where the hero picks who comes along
//   from then on.
// - Maurice is the brother the party hunts: he never joins.
constexpr std::array<Stay, 8> kStays = {{
    {kSofi, 0, 166},
    {kJack, 166, kNever},
    {kSonia, 190, kNever},
    {kRyu, 344, kNever},
    {kChi, 896, kNever},
    {kBree, 896, kNever},
    {kMyst, 896, kNever},
    {kDarwin, 896, kNever},
}};

constexpr bool inJoiningOrder() {
    for (std::size_t i = 1; i < kStays.size(); ++i)
        if (kStays[i].joins < kStays[i - 1].joins) return false;
    return true;
}
static_assert(inJoiningOrder());

}  // namespace

std::vector<std::uint8_t> joinedCompanions(int stage) {
    std::vector<std::uint8_t> ids;
    for (const Stay& s : kStays)
        if (stage >= s.joins && stage < s.leaves) ids.push_back(s.id);
    return ids;
}

}  // namespace party
