#pragma once
// The searching engine's own position: a 16×16 mailbox (the 12×12 board with
// a border two squares wide, so a Lion's two-square jump never leaves the
// array), the side to move, what the Lion look-back needs from the move log,
// an incremental Zobrist hash, and make/unmake of whole moves.
//
// A move is one turn: a single step, or a Lion's, Horned Falcon's or Soaring
// Eagle's double move as one compound move (first step, then second step;
// the second may return to the origin: a capture without moving, or a pass).
// The log look-back of the Lion rules reads only two things: what the last
// logged step captured and the code that moved in the step before it. A
// double move logs two steps, a single move one, so the position keeps the
// last two moved codes and the last capture and updates them the same way.
//
// The position also carries the rule set its moves follow (the game's own
// rules or the standard ones); under the standard rules the counter-strike
// asks whether the last logged step was made by a Lion before any promotion
// (a Kirin that promotes as it takes is not a Lion yet), which the position
// keeps as well.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "board/board.h"
#include "board/game_state.h"
#include "board/move_log.h"

namespace bexoru::search {

inline constexpr int kWidth = 16;
inline constexpr int kSquares = kWidth * kWidth;
inline constexpr std::int8_t kOff = 64;  // a border square
inline constexpr int kUpper = +1;        // the positive army
inline constexpr int kLower = -1;        // the negative army
inline constexpr int kMaxArmy = 144;     // the most pieces an army can have

constexpr int square_of(int X, int Y) {
    return (Y + 1) * kWidth + (X + 1);
}
constexpr int column_of(int sq) {
    return sq % kWidth - 1;
}
constexpr int row_of(int sq) {
    return sq / kWidth - 1;
}
constexpr bool is_lion(int code) {
    return code == 33 || code == 34 || code == -33 || code == -34;
}

// One turn. to2 is 0 for a single step (square 0 is in the border, so it
// never names a real square).
// Left uninitialised when default-constructed, so move lists cost nothing to
// set up; write Move{} for the null move.
struct Move {
    std::uint8_t from;
    std::uint8_t to;
    std::uint8_t to2;
    std::uint8_t promote;

    constexpr bool is_double() const { return to2 != 0; }
    constexpr bool is_null() const { return from == 0; }
    constexpr std::uint32_t packed() const {
        return from | (std::uint32_t{to} << 8) | (std::uint32_t{to2} << 16) | (std::uint32_t{promote} << 24);
    }
    static constexpr Move unpack(std::uint32_t v) {
        return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
                static_cast<std::uint8_t>(v >> 24)};
    }
    friend constexpr bool operator==(const Move&, const Move&) = default;
};

// "X1 Y1 X2 Y2", then " X3 Y3" for a second step, then " +" for a promotion.
std::string to_text(const Move& m);

// What make() changed, for unmake().
struct Undo {
    std::int8_t captured1 = 0;
    std::int8_t captured2 = 0;
    std::int8_t last_captured = 0;
    std::int8_t last_moved = 0;
    std::int8_t prev_moved = 0;
    std::int16_t pending_code = 0;
    std::uint8_t pending_at = 0;
    std::uint8_t pending_from = 0;
    std::uint8_t slot1 = 0;  // where the captured pieces stood in their army's list
    std::uint8_t slot2 = 0;
    bool last_by_lion = false;
    std::uint64_t hash = 0;
};

class Position {
public:
    // An empty board, the upper army to move.
    Position();

    // The position of a game: the board, the side to move (kUpper or kLower)
    // and the look-back read from the log's last entries. With a second step
    // pending (state.二手目状態 is 二手目, the log's last entry being its first
    // step), step_code is the code the second step is asked with (a pseudo
    // code, 35 for the Falcon as the mouse handler asks it, or the Lion's code).
    static Position from_game(const 盤面型& board, const 棋譜記録& log, int side, int step_code = 0,
                              ルール rules = ルール::本来);
    // A board with nothing to look back on.
    static Position from_board(const 盤面型& board, int side, ルール rules = ルール::本来);

    ルール rules() const { return rules_; }
    bool standard() const { return rules_ == ルール::標準; }
    void set_rules(ルール rules);

    int side() const { return side_; }
    std::int8_t at(int sq) const { return board_[static_cast<std::size_t>(sq)]; }
    std::int8_t at(int X, int Y) const { return at(square_of(X, Y)); }
    std::uint64_t hash() const { return hash_; }
    std::int8_t last_captured() const { return last_captured_; }
    std::int8_t last_moved() const { return last_moved_; }
    std::int8_t prev_moved() const { return prev_moved_; }
    // Whether the last logged step was made by a Lion (as it stood before the step).
    bool last_by_lion() const { return last_by_lion_; }
    // A pending second step: the square the piece stands on after its first
    // step (0 when none), its origin, and the code the second step is asked with.
    int pending_at() const { return pending_at_; }
    int pending_from() const { return pending_from_; }
    int pending_code() const { return pending_code_; }
    // What the pending double move's first step took.
    int pending_taken() const { return pending_taken_; }
    // Pieces and royal pieces (King and Crown Prince) of an army.
    int pieces(int side) const { return pieces_[index(side)]; }
    int royals(int side) const { return royals_[index(side)]; }
    // The sum of the piece values of an army, from the piece table.
    int material(int side) const { return material_[index(side)]; }
    // The squares of an army's pieces, pieces(side) of them, in no set order
    // (the order is the same whenever the same moves were made and unmade).
    const std::uint8_t* squares(int side) const { return list_[index(side)].data(); }

    void set(int sq, int code);
    void set_side(int side);
    void set_lookback(int last_captured, int last_moved, int prev_moved, bool last_by_lion = false);

    Undo make(const Move& m);
    void unmake(const Move& m, const Undo& u);
    // Passes the turn without moving (for null-move pruning).
    Undo make_null();
    void unmake_null(const Undo& u);

    // The board as the rules see it.
    盤面型 to_board() const;
    // The hash computed from scratch (the incremental one must equal it).
    std::uint64_t compute_hash() const;

private:
    static constexpr std::size_t index(int side) { return side > 0 ? 0 : 1; }
    void put(int sq, int code);
    // Takes the piece off `sq`; returns where it stood in its army's list.
    int remove(int sq);
    // Puts a piece taken by remove() back, in the same place in the list.
    void restore(int sq, int code, int slot);
    // Moves the piece on `from` onto the empty square `to`, as `code`.
    void shift(int from, int to, int code);
    std::uint64_t lookback_key() const;

    std::array<std::int8_t, kSquares> board_{};
    int side_ = kUpper;
    std::int8_t last_captured_ = 0;
    std::int8_t last_moved_ = 0;
    std::int8_t prev_moved_ = 0;
    bool last_by_lion_ = false;
    ルール rules_ = ルール::本来;
    std::int16_t pending_code_ = 0;
    std::uint8_t pending_at_ = 0;
    std::uint8_t pending_from_ = 0;
    std::int8_t pending_taken_ = 0;
    std::array<std::array<std::uint8_t, kMaxArmy>, 2> list_{};
    std::array<std::uint8_t, kSquares> slot_{};
    std::array<int, 2> pieces_{};
    std::array<int, 2> royals_{};
    std::array<int, 2> material_{};
    std::uint64_t hash_ = 0;
};

// The game's positions before the one on the board, keyed as the search keys
// a position with nothing to look back on (the board and the side to move),
// one for each time each occurred: what Limits::history takes for the
// standard rules' repetition. `side` is the army to move now.
std::vector<std::uint64_t> earlier_positions(const 盤面型& board, const 棋譜記録& log, int side, ルール rules);

// Zobrist keys: piece code on a square, the side to move, the Lion look-back.
std::uint64_t piece_key(int sq, int code);
std::uint64_t side_key();

}  // namespace bexoru::search
