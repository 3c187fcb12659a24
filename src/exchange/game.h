#pragma once
// A game as the exchange formats carry it: a starting position and the moves
// from it, each one whole turn. Replaying it puts every move to the game's
// rules (rule_check below, the one place where they are asked) and builds the
// move log the game itself would have kept: one entry for a single move, two
// for a double move.

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "board/board.h"
#include "board/game_state.h"
#include "board/move_log.h"
#include "exchange/notation.h"
#include "records/record_file.h"

namespace bexoru::exchange {

// One turn. A double move (Lion, Soaring Eagle, Horned Falcon) has a second
// step from `to` to `then`; `then` may be the origin (a capture without
// moving, or a pass when `to` is empty). Double movers never promote.
struct Move {
    桝位置 from{};
    桝位置 to{};
    std::optional<桝位置> then;
    bool promote = false;
    friend bool operator==(const Move&, const Move&) = default;
};

struct Game {
    Diagram start = start_diagram();
    std::vector<Move> moves;
};

// A position being played through, with the move log the game keeps, under
// one rule set.
class Replay {
public:
    explicit Replay(const Diagram& start, ルール rules = ルール::本来);
    Replay(const Replay& other);
    Replay& operator=(const Replay& other);
    ~Replay();

    // Why the rules refuse the move here (one line, no place in it); nothing
    // when they allow it. The position is the same afterwards.
    std::optional<std::string> refusal(const Move& m);
    // Checks the move and makes it; on a refusal nothing changes.
    std::optional<std::string> play(const Move& m);

    // The rule set the moves are checked by (the game's own by default).
    void set_rules(ルール rules) { rules_ = rules; }
    ルール rules() const { return rules_; }

    const 盤面型& board() const { return board_; }
    const 棋譜記録& log() const { return *log_; }
    int side() const { return side_; }
    int moves_played() const { return moves_; }
    // The position now, with the move number counted on from the start.
    Diagram diagram() const;
    // The army that has lost its last royal piece (King and Crown Prince), or 0.
    int army_without_royal() const;

private:
    void make(const Move& m);

    盤面型 board_{};
    std::unique_ptr<棋譜記録> log_;
    int side_ = lower_army;
    int first_number_ = 1;
    int moves_ = 0;
    std::array<int, 2> start_royals_{};  // lower, upper
    ルール rules_ = ルール::本来;
};

// The rules' verdict on one move of the army `side` in the position of
// board and log: the one place where the exchange formats ask the move check,
// promotion rules and double-move rules. Nothing when the move is allowed.
std::optional<std::string> rule_check(盤面型& board, const 棋譜記録& log, int side, const Move& m,
                                      ルール rules = ルール::本来);

// The Lion-capture rules as the person meets them (rules/lion_capture_rules.h),
// stricter than the move check: among others, a Lion may not take a defended
// Lion with a second step after a step onto an empty square, a Pawn or a
// Go-between. Their explanation when they refuse a move the rules allow;
// nothing otherwise. The engines keep their own moves within them, as other
// Chu Shogi programs (XBoard, HaChu) refuse those captures.
std::optional<std::string> lion_rule_refusal(盤面型& board, const 棋譜記録& log, int side, const Move& m,
                                             ルール rules = ルール::本来);

// Where a reader stopped: the move (1-based, counted from the first move of
// the text) and the line of the text.
struct GameError {
    std::string message;  // names the place: "line 3, move 12 (7g7f): ..."
    int line = 0;
    int move = 0;
};

struct GameResult {
    Game game;
    std::optional<GameError> error;
    bool ok() const { return !error.has_value(); }
};

// --- the game record (.棋譜) ---

// The moves of a record already read and checked (棋譜解析 and 棋譜照合):
// a double move's two entries become one move. Entries the exchange formats
// cannot carry are counted in `dropped`: blank lines, and the repeated entry
// the game logs when a second step is declined.
struct FromRecord {
    GameResult result;
    int blank_entries = 0;
    int declined_second_steps = 0;
};
FromRecord game_of_record(const std::vector<指し手>& entries, ルール rules = ルール::本来);

// The record text (.棋譜) of a game: refused, with the reason, when the game
// does not start from the starting position (a record holds no other) or
// when a move is refused by the rules. A game under the standard rules is
// written with their marker (records/record_file.h).
struct RecordText {
    std::string text;
    std::optional<std::string> error;
};
RecordText record_of_game(const Game& game, ルール rules = ルール::本来);

}  // namespace bexoru::exchange
