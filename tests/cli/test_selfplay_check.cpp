// The checks of bexoru-cli selfplay --check: a sound game passes them move
// after move, also across the board's turning round, and each kind of fault
// they exist for is caught at the move it happens.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "board/starting_position.h"
#include "rules/move_logging.h"
#include "selfplay_check.h"

namespace bexoru::cli {
namespace {

// A game as selfplay plays it: the mover is the positive army, and the board
// and log are turned round after every move.
class CheckedGame : public testing::Test {
protected:
    void start(const 盤面型& position) {
        board = position;
        log = 棋譜記録{};
        turned = false;
        check.emplace(position);
        check->before_move(board, log);
    }
    void start_with_standard_position() {
        盤面型 p;
        初期配置(p);
        start(p);
    }
    // One logged step, the way the game logs it.
    void step(int X1, int Y1, int X2, int Y2, std::optional<駒コード> after = std::nullopt) {
        const 駒コード code = board(X1, Y1);
        ASSERT_TRUE(手順保存(board, log, X1, Y1, X2, Y2, code, after.value_or(code)));
        board(X1, Y1) = 空;
        board(X2, Y2) = after.value_or(code);
    }
    std::optional<std::string> end_move() { return check->after_move(board, log, turned); }
    // Checks the move, then hands the turn over as selfplay does.
    void next_move() {
        const auto fault = end_move();
        ASSERT_EQ(fault, std::nullopt) << *fault;
        turn_round(board, log);
        turned = !turned;
        check->before_move(board, log);
    }

    盤面型 board{};
    棋譜記録 log{};
    bool turned = false;
    std::optional<GameCheck> check;
};

TEST_F(CheckedGame, ASoundGamePassesEveryMoveOnBothSidesOfTheBoard) {
    start_with_standard_position();
    step(6, 4, 6, 5);  // an upper Pawn forward
    next_move();
    step(7, 4, 7, 5);  // the lower army's Pawn, on the turned board
    next_move();
    step(6, 5, 6, 6);
    next_move();
    step(7, 5, 7, 6);
    next_move();
    step(6, 6, 6, 7);  // an upper Pawn takes a lower one
    next_move();
    step(7, 3, 7, 4);  // the lower Lion's double move: one step, then a second
    step(7, 4, 7, 3);
    next_move();
    EXPECT_EQ(log.記録数, 7);
}

TEST_F(CheckedGame, CatchesAPieceThatVanishesOrAppears) {
    start_with_standard_position();
    step(6, 4, 6, 5);
    board(1, 1) = 空;  // an upper Lance gone, though no entry took it
    const auto fault = end_move();
    ASSERT_TRUE(fault);
    EXPECT_EQ(*fault, "replaying the log does not give the board: square 1 1 holds 0, not 3");
}

TEST_F(CheckedGame, CatchesAnEntryThatDoesNotMatchTheBoard) {
    start_with_standard_position();
    step(6, 4, 6, 5);
    log.手[1].取駒 = -1;  // says it took a Pawn from an empty square
    auto fault = end_move();
    ASSERT_TRUE(fault);
    EXPECT_NE(fault->find("log entry 1 (6 4 to 6 5) took -1, but its destination holds 0"), std::string::npos)
        << *fault;

    start_with_standard_position();
    step(6, 4, 6, 5);
    log.手[1].移動駒 = 13;  // a Gold that does not stand on the origin
    fault = end_move();
    ASSERT_TRUE(fault);
    EXPECT_NE(fault->find("moves 13, but its origin holds 1"), std::string::npos) << *fault;

    start_with_standard_position();
    step(6, 4, 6, 5);
    log.手[1].移動先X = 0;  // a square off the board
    fault = end_move();
    ASSERT_TRUE(fault);
    EXPECT_NE(fault->find("names a square off the board"), std::string::npos) << *fault;
}

TEST_F(CheckedGame, CatchesCodesThatAreNoPieces) {
    start_with_standard_position();
    step(6, 4, 6, 5, 181);  // a second step's pseudo code left on the board
    auto fault = end_move();
    ASSERT_TRUE(fault);
    EXPECT_EQ(*fault, "square 6 5 holds 181, not a piece code");

    start_with_standard_position();
    board(0, 5) = 1;  // the unused column 0
    fault = end_move();
    ASSERT_TRUE(fault);
    EXPECT_EQ(*fault, "square 0 5 off the board holds 1");
}

TEST_F(CheckedGame, AllowsNoSecondRoyalPieceUnlessTheStartHadOne) {
    盤面型 p{};
    p(1, 1) = 駒::王;
    p(2, 1) = 駒::象;  // may promote to a Crown Prince
    p(12, 12) = -駒::王;
    p(11, 12) = -駒::王;  // two lower Kings from the start
    start(p);
    step(2, 1, 2, 2, 駒::太子);
    next_move();
    step(1, 1, 1, 2);  // the lower army's second King moves: allowed
    next_move();

    step(2, 2, 3, 3, 駒::王);  // the Crown Prince turns into a second upper King
    auto fault = end_move();
    ASSERT_TRUE(fault);
    EXPECT_EQ(*fault, "the upper army has 2 Kings");

    start(p);
    board(5, 5) = 駒::太子;  // a Crown Prince from nowhere beside the promoted Elephant
    board(2, 1) = 駒::太子;
    fault = end_move();
    ASSERT_TRUE(fault);
    EXPECT_EQ(*fault, "the upper army has 2 Crown Princes");
}

TEST_F(CheckedGame, CatchesALogOutOfStep) {
    start_with_standard_position();
    step(6, 4, 6, 5);
    log.記録終端 = 3;  // the end past the count
    auto fault = end_move();
    ASSERT_TRUE(fault);
    EXPECT_EQ(*fault, "the log's end 3 is not its count 1");

    start_with_standard_position();
    log.記録数 = log.記録終端 = 記録最大 + 1;
    fault = end_move();
    ASSERT_TRUE(fault);
    EXPECT_EQ(*fault, "the log's count " + std::to_string(記録最大 + 1) + " is outside 0.." + std::to_string(記録最大));

    start_with_standard_position();
    step(6, 4, 6, 5);
    step(7, 4, 7, 5);
    step(8, 4, 8, 5);
    fault = end_move();
    ASSERT_TRUE(fault);
    EXPECT_EQ(*fault, "one move wrote 3 log entries");
}

TEST_F(CheckedGame, CatchesASearchThatLeavesTheBoardOrLogChanged) {
    start_with_standard_position();
    step(6, 4, 6, 5);
    next_move();
    EXPECT_EQ(check->after_search(board, log), std::nullopt);

    board(7, 8) = 空;  // a trial move not taken back: the upper Pawn, seen on the turned board
    auto fault = check->after_search(board, log);
    ASSERT_TRUE(fault);
    EXPECT_EQ(*fault, "the search changed the board: square 7 8 holds 0, not -1");
    board(7, 8) = -1;

    log.手[1].成駒 = -2;
    fault = check->after_search(board, log);
    ASSERT_TRUE(fault);
    EXPECT_EQ(*fault, "the search changed entry 1 of the log");
    log.手[1].成駒 = -1;

    log.記録数 = 2;
    fault = check->after_search(board, log);
    ASSERT_TRUE(fault);
    EXPECT_EQ(*fault, "the search changed the log's count or end: 1/1 became 2/1");
}

}  // namespace
}  // namespace bexoru::cli
