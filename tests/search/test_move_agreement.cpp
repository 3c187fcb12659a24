// The move generator of the searching engine against the move check, on
// random positions: every origin and destination of both armies, promotion
// choices, and every second step of every double move.

#include <gtest/gtest.h>

#include "search/agreement.h"

namespace bexoru::search {
namespace {

// Under both rule sets: the game's own and the standard ones.
class MoveAgreement : public testing::TestWithParam<ルール> {};

TEST_P(MoveAgreement, GeneratorMatchesTheMoveCheckOnRandomPositions) {
    Random rng(20261208);
    std::uint64_t questions = 0;
    for (int i = 0; i < 300; ++i) {
        const RandomGame g = random_game(rng);
        const Agreement a = compare_with_move_check(g.board, g.log, GetParam());
        ASSERT_FALSE(a.disagreement) << "position " << i << ": " << *a.disagreement;
        questions += a.questions;
    }
    EXPECT_GT(questions, 100000u);
}

TEST_P(MoveAgreement, GeneratorMatchesTheMoveCheckInRandomGames) {
    Random rng(5);
    for (int i = 0; i < 40; ++i) {
        const PlayedGame g = played_game(rng, 20 + 10 * i, GetParam());
        const Agreement a = compare_with_move_check(g.board, g.log, GetParam());
        ASSERT_FALSE(a.disagreement) << "game " << i << ": " << *a.disagreement;
    }
}

INSTANTIATE_TEST_SUITE_P(BothRuleSets, MoveAgreement, testing::Values(ルール::本来, ルール::標準),
                         [](const testing::TestParamInfo<ルール>& info) {
                             return std::string(info.param == ルール::本来 ? "Original" : "Standard");
                         });

}  // namespace
}  // namespace bexoru::search
