#pragma once
// bexoru-cli selfplay --check: what must hold after every move of a game the
// computer plays against itself. A fault in the rules, the search or the log
// shows here as soon as it happens, not moves later as a strange position.
//
// The game is seen as selfplay plays it: the board is turned round after
// every move, and the log is turned with it, so board and log always share
// one frame; `turned` says whether that frame is the start position's own
// (false) or turned round (true).

#include <optional>
#include <string>

#include "board/board.h"
#include "board/move_log.h"

namespace bexoru::cli {

class GameCheck {
public:
    // `start` is the position the game begins from, as the first mover sees it.
    explicit GameCheck(const 盤面型& start);

    // Call before each move (and its search): remembers the position and the log.
    void before_move(const 盤面型& board, const 棋譜記録& log);
    // The search must leave the board and the game's log as they were.
    std::optional<std::string> after_search(const 盤面型& board, const 棋譜記録& log) const;
    // After a move: every square holds a real code (-39..39; the rows and
    // columns numbered 0 stay empty); neither army has more Kings or Crown
    // Princes than it could have had from the start (one each, or as many as
    // the start position held; a Drunk Elephant may become a Crown Prince);
    // the log grew by at most two entries and stays within its bound with its
    // end at its count; and replaying the log from the start position, each
    // entry finding the piece it names on its origin and the piece it says it
    // took on its destination, gives the board.
    std::optional<std::string> after_move(const 盤面型& board, const 棋譜記録& log, bool turned) const;

private:
    盤面型 start_{};
    int king_limit_[2]{};  // [0] the first mover's army (positive in the start position), [1] the other
    int prince_limit_[2]{};
    盤面型 board_before_{};
    棋譜記録 log_before_{};
};

// The board turned round: every piece to the point-symmetric square, its code negated.
盤面型 turned_round(const 盤面型& board);
// Board reversal as selfplay does it between moves: the board turned round,
// and the log with it (the reversal command clears the log, but here it is
// the game's own record, and the Lion look-back reads it).
void turn_round(盤面型& board, 棋譜記録& log);

}  // namespace bexoru::cli
