// The tuner's games: settings read from text, repeatable games between two
// settings, games ended by the move limit on material, and paired openings.

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "duel.h"

namespace bexoru::tune {
namespace {

TEST(TuneSettings, ReadOverTheDefaultsAndWriteBack) {
    const Settings s = parse_settings("mobility=5,lion=-20,check=0");
    EXPECT_EQ(s.weights.mobility, 5);
    EXPECT_EQ(s.weights.lion_contact, -20);
    EXPECT_FALSE(s.options.check_extension);
    EXPECT_EQ(s.weights.royal_guard, search::EvalWeights{}.royal_guard);
    const Settings back = parse_settings(to_text(s));
    EXPECT_EQ(to_text(back), to_text(s));
    EXPECT_EQ(to_text(parse_settings("")), to_text(Settings{}));
    for (const char* bad : {"speed=3", "mobility", "mobility=", "mobility=3x", "check=2", "guard=1e9"})
        EXPECT_THROW(parse_settings(bad), std::invalid_argument) << bad;
}

DuelRules short_games() {
    DuelRules r;
    r.nodes = 300;
    r.opening = 4;
    r.max_plies = 40;
    return r;
}

TEST(TuneDuel, TheSameArgumentsPlayTheSameGame) {
    const Settings a = parse_settings("mobility=6");
    const Settings b;
    const GameRecord g1 = play_game(a, b, short_games(), 17);
    const GameRecord g2 = play_game(a, b, short_games(), 17);
    EXPECT_EQ(g1.plies, g2.plies);
    EXPECT_EQ(g1.outcome, g2.outcome);
    EXPECT_EQ(g1.why, g2.why);
}

TEST(TuneDuel, AGameAtTheMoveLimitIsJudgedOnMaterial) {
    DuelRules r = short_games();
    r.max_plies = r.opening;  // only the random opening, which takes nothing
    const GameRecord g = play_game(Settings{}, Settings{}, r, 3);
    EXPECT_EQ(g.outcome, Outcome::draw);
    EXPECT_EQ(g.plies, r.opening);
    EXPECT_EQ(g.why, "move limit, material 0");
}

TEST(TuneDuel, EachOpeningIsPlayedWithTheColoursSwapped) {
    DuelRules r = short_games();
    r.max_plies = r.opening;
    const MatchScore m = play_match(Settings{}, Settings{}, r, 3, 1);
    EXPECT_EQ(m.wins + m.draws + m.losses, 6);
    EXPECT_EQ(m.plies, 6 * r.opening);
}

TEST(TuneDuel, ScoreAndItsError) {
    MatchScore m;
    m.wins = 3;
    m.losses = 1;
    EXPECT_DOUBLE_EQ(m.score(), 0.75);
    // Points 1, 1, 1, 0 around 0.75: variance 0.1875 a game, over four games.
    EXPECT_NEAR(m.standard_error(), std::sqrt(0.1875 / 4), 1e-12);
    EXPECT_NEAR(elo(0.75), 190.8, 0.1);
    EXPECT_DOUBLE_EQ(elo(0.5), 0.0);
}

}  // namespace
}  // namespace bexoru::tune
