#include "exchange/game.h"

#include <algorithm>
#include <cstdlib>

#include "board/game_state.h"
#include "board/starting_position.h"
#include "rules/lion_capture_rules.h"
#include "rules/move_check.h"
#include "rules/move_execution.h"
#include "rules/move_logging.h"
#include "rules/promotion.h"
#include "rules/reach_marks.h"

namespace bexoru::exchange {

namespace {

bool double_mover(駒コード c) {
    const int a = std::abs(c);
    return a == 駒::鷲 || a == 駒::鷹 || a == 駒::獅子_成 || a == 駒::獅子;
}

bool royal(駒コード c) {
    return std::abs(c) == 駒::王 || std::abs(c) == 駒::太子;
}

int royals(const 盤面型& board, int side) {
    int n = 0;
    for (int X = 1; X <= 盤サイズ; ++X)
        for (int Y = 1; Y <= 盤サイズ; ++Y) n += royal(board(X, Y)) && sign_of(board(X, Y)) == side;
    return n;
}

// The code a second step is asked with, as the game asks it after a first
// step of dx columns: the Eagle's diagonal, the Falcon's file (the
// Go-between's pattern), the Lion's own code.
駒コード second_step_code(駒コード piece, int dx) {
    const int sign = piece < 0 ? -1 : 1;
    switch (std::abs(piece)) {
        case 駒::鷲:
            return sign * (dx > 0 ? 擬_鷲二 : 擬_鷲一);
        case 駒::鷹:
            return sign * 駒::仲;
        default:
            return piece;
    }
}

// The two entries the Lion look-back reads, kept in a log of their own for
// the question about a second step.
棋譜記録& scratch_log() {
    thread_local const auto log = std::make_unique<棋譜記録>();
    return *log;
}

std::string_view army_name(int side) {
    return side == lower_army ? "lower" : "upper";
}

// The board after a double move's first step, and the log as the game keeps
// it then: only the two entries the look-back reads.
棋譜記録& after_first_step(const 盤面型& board, const 棋譜記録& log, const Move& m, 盤面型& after) {
    const 駒コード piece = board(m.from.X, m.from.Y);
    after = board;
    after(m.to.X, m.to.Y) = piece;
    after(m.from.X, m.from.Y) = 空;
    棋譜記録& step_log = scratch_log();
    const auto last = static_cast<std::size_t>(std::clamp(log.記録数, 0, 記録最大));
    step_log.手[0].取駒 = log.手[last].取駒;
    step_log.手[0].成駒 = log.手[last].成駒;
    step_log.記録数 = 0;
    手順保存(board, step_log, m.from.X, m.from.Y, m.to.X, m.to.Y, piece, piece);
    return step_log;
}

}  // namespace

std::optional<std::string> lion_rule_refusal(盤面型& board, const 棋譜記録& log, int side, const Move& m,
                                             ルール rules_set) {
    if (!盤内(m.from.X, m.from.Y) || !盤内(m.to.X, m.to.Y) || (m.then && !盤内(m.then->X, m.then->Y)))
        return std::nullopt;
    const 駒コード piece = board(m.from.X, m.from.Y);
    if (sign_of(piece) != side) return std::nullopt;
    対局状態 state;
    state.MAN側 = 先手;
    state.COM側 = 後手;
    state.二手目状態 = 二手目状態型::一手目;
    state.規則 = rules_set;
    規則局面 rules{board, log, state};
    if (const auto no = 調査_獅子取り(rules, m.from.X, m.from.Y, m.to.X, m.to.Y, piece)) return std::string(no->文);
    if (!m.then || *m.then == m.from) return std::nullopt;
    盤面型 after;
    棋譜記録& step_log = after_first_step(board, log, m, after);
    state.二手目状態 = 二手目状態型::二手目;
    規則局面 second{after, step_log, state};
    if (const auto no = 調査_獅子取り(second, m.to.X, m.to.Y, m.then->X, m.then->Y, piece)) return std::string(no->文);
    return std::nullopt;
}

std::optional<std::string> rule_check(盤面型& board, const 棋譜記録& log, int side, const Move& m,
                                      ルール rules_set) {
    if (!盤内(m.from.X, m.from.Y) || !盤内(m.to.X, m.to.Y) || (m.then && !盤内(m.then->X, m.then->Y)))
        return "a square off the board";
    const 駒コード piece = board(m.from.X, m.from.Y);
    if (piece == 空) return std::string("no piece stands on the origin");
    if (sign_of(piece) != side)
        return "the piece on the origin is the " + std::string(army_name(-side)) + " army's, and the " +
               std::string(army_name(side)) + " army is to move";

    // Any two different tokens: the Lion-guard survey only tells the armies apart.
    対局状態 state;
    state.MAN側 = 先手;
    state.COM側 = 後手;
    state.規則 = rules_set;
    規則局面 rules{board, log, state};
    const int dx = m.to.X - m.from.X, dy = m.to.Y - m.from.Y;
    if (!m.then) {
        if (!移動チェック(rules, m.from.X, m.from.Y, m.to.X, m.to.Y, piece, 二手目状態型::一手目))
            return "the rules do not allow this move";
        if (m.promote) {
            駒コード promoted = 空;
            if (!調査_駒成(board, m.from.X, m.from.Y, m.to.X, m.to.Y, piece, promoted, rules_set))
                return "the rules do not allow this move to promote";
        } else if (!移動後チェック(m.to.Y, piece, rules_set)) {
            return "a Pawn or Lance that reaches its last rank must promote";
        }
        return std::nullopt;
    }

    if (m.promote) return "a double move never promotes";
    if (!double_mover(piece) || !二手目の出る一歩(piece, dx, dy)) return "no second step may follow this first step";
    if (!移動チェック(rules, m.from.X, m.from.Y, m.to.X, m.to.Y, piece, 二手目状態型::一手目))
        return "the rules do not allow the first step";
    const 駒コード first_taken = board(m.to.X, m.to.Y);
    if (royal(first_taken) && royals(board, -side) == 1)
        return "the first step takes the last royal piece and ends the game: no second step follows";

    // The second step, on the board after the first, with the log as the
    // game keeps it then (the look-back reads the last two entries).
    盤面型 after = board;
    棋譜記録& step_log = after_first_step(board, log, m, after);
    規則局面 second{after, step_log, state};
    const int sx = m.then->X - m.to.X, sy = m.then->Y - m.to.Y;
    if (std::abs(sx) > 1 || std::abs(sy) > 1 ||
        !移動チェック(second, m.to.X, m.to.Y, m.then->X, m.then->Y, second_step_code(piece, dx), 二手目状態型::二手目))
        return "the rules do not allow the second step";
    return std::nullopt;
}

Replay::Replay(const Diagram& start, ルール rules)
    : board_(start.board),
      log_(std::make_unique<棋譜記録>()),
      side_(start.side),
      first_number_(start.move_number),
      rules_(rules) {
    // As after a new game: the entry before the first reads as a harmless Pawn.
    log_->手[0].成駒 = +1;
    if (start.lion_taken) {
        // The other army's last move, as far as the counter-strike asks: the
        // piece on the square took a Lion of the army to move there (a Lion
        // that stands there now was a Kirin when it took). It came from no
        // square we know.
        const 桝位置 at = *start.lion_taken;
        const 駒コード taker = board_(at.X, at.Y);
        const 駒コード before = std::abs(taker) == 駒::獅子_成 ? sign_of(taker) * 駒::麒 : taker;
        log_->手[1] = {0, 0, at.X, at.Y, before, taker, static_cast<駒コード>(start.side * 駒::獅子)};
        log_->記録数 = 1;
        log_->記録終端 = 1;
    }
    start_royals_[0] = royals(board_, lower_army);
    start_royals_[1] = royals(board_, upper_army);
}

Replay::Replay(const Replay& other)
    : board_(other.board_),
      log_(std::make_unique<棋譜記録>(*other.log_)),
      side_(other.side_),
      first_number_(other.first_number_),
      moves_(other.moves_),
      start_royals_(other.start_royals_),
      rules_(other.rules_) {}

Replay& Replay::operator=(const Replay& other) {
    if (this != &other) {
        board_ = other.board_;
        *log_ = *other.log_;
        side_ = other.side_;
        first_number_ = other.first_number_;
        moves_ = other.moves_;
        start_royals_ = other.start_royals_;
        rules_ = other.rules_;
    }
    return *this;
}

Replay::~Replay() = default;

Diagram Replay::diagram() const {
    Diagram d{board_, side_, first_number_ + moves_, std::nullopt};
    // Under the standard rules, where the counter-strike holds, the square of
    // the Lion just taken, as the online site writes it.
    if (rules_ == ルール::標準) d.lion_taken = 返し討ちの桝(*log_, side_);
    return d;
}

int Replay::army_without_royal() const {
    if (start_royals_[0] > 0 && royals(board_, lower_army) == 0) return lower_army;
    if (start_royals_[1] > 0 && royals(board_, upper_army) == 0) return upper_army;
    return 0;
}

std::optional<std::string> Replay::refusal(const Move& m) {
    if (const int lost = army_without_royal())
        return "the game is over: the " + std::string(army_name(lost)) + " army has lost its last royal piece";
    if (記録余地(*log_) < (m.then ? 2 : 1))
        return "the game is longer than the move log holds (" + std::to_string(記録最大) + " entries)";
    return rule_check(board_, *log_, side_, m, rules_);
}

std::optional<std::string> Replay::play(const Move& m) {
    if (auto why = refusal(m)) return why;
    make(m);
    return std::nullopt;
}

void Replay::make(const Move& m) {
    const 駒コード piece = board_(m.from.X, m.from.Y);
    const 駒コード now = m.promote ? piece + sign_of(piece) : piece;
    手順保存(board_, *log_, m.from.X, m.from.Y, m.to.X, m.to.Y, piece, now);
    盤上移動(board_, m.from.X, m.from.Y, m.to.X, m.to.Y, now);
    if (m.then) {
        手順保存(board_, *log_, m.to.X, m.to.Y, m.then->X, m.then->Y, piece, piece);
        盤上移動(board_, m.to.X, m.to.Y, m.then->X, m.then->Y, piece);
    }
    side_ = -side_;
    ++moves_;
}

FromRecord game_of_record(const std::vector<指し手>& entries, ルール rules) {
    FromRecord out;
    Game& game = out.result.game;
    bool side_known = false;
    const std::size_t n = entries.size();
    for (std::size_t i = 0; i < n; ++i) {
        const 指し手& e = entries[i];
        if (e == 指し手{}) {
            ++out.blank_entries;
            continue;
        }
        if (!side_known) {
            game.start.side = e.移動駒 < 0 ? lower_army : upper_army;
            side_known = true;
        }
        Move m{{e.移動元X, e.移動元Y}, {e.移動先X, e.移動先Y}, std::nullopt, e.成駒 != e.移動駒};
        const int dx = e.移動先X - e.移動元X, dy = e.移動先Y - e.移動元Y;
        if (i + 1 < n && double_mover(e.移動駒) && e.成駒 == e.移動駒 && 二手目の出る一歩(e.移動駒, dx, dy)) {
            const 指し手& f = entries[i + 1];
            const bool same_piece = f.移動駒 == e.移動駒 && f.成駒 == e.移動駒;
            if (same_piece && f.移動元X == e.移動元X && f.移動元Y == e.移動元Y && f.移動先X == e.移動先X &&
                f.移動先Y == e.移動先Y && f.取駒 == f.移動駒) {
                // A declined second step: the first step logged again.
                ++out.declined_second_steps;
                ++i;
            } else if (same_piece && f.移動元X == e.移動先X && f.移動元Y == e.移動先Y) {
                m.then = 桝位置{f.移動先X, f.移動先Y};
                ++i;
            }
        }
        game.moves.push_back(m);
    }
    auto replay = std::make_unique<Replay>(game.start, rules);
    for (std::size_t k = 0; k < game.moves.size(); ++k) {
        if (auto why = replay->play(game.moves[k])) {
            out.result.error = GameError{
                "move " + std::to_string(k + 1) + ": the record's move cannot be carried over exactly: " + *why, 0,
                static_cast<int>(k + 1)};
            return out;
        }
    }
    return out;
}

RecordText record_of_game(const Game& game, ルール rules) {
    RecordText out;
    Diagram standard = start_diagram();
    if (game.start.board != standard.board || game.start.lion_taken) {
        out.error = "a game record (.棋譜) holds only games from the starting position; this one starts from " +
                    to_sfen(game.start);
        return out;
    }
    auto replay = std::make_unique<Replay>(game.start, rules);
    for (std::size_t k = 0; k < game.moves.size(); ++k) {
        if (auto why = replay->play(game.moves[k])) {
            out.error = "move " + std::to_string(k + 1) + ": " + *why;
            return out;
        }
    }
    out.text = 棋譜テキスト(replay->log(), rules);
    return out;
}

}  // namespace bexoru::exchange
