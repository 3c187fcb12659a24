#include "selfplay_check.h"

#include <algorithm>
#include <cstddef>

namespace bexoru::cli {

namespace {

std::string square(int X, int Y) {
    return std::to_string(X) + " " + std::to_string(Y);
}

// How many of the code stand on the board.
int count(const 盤面型& board, 駒コード code) {
    int n = 0;
    for (int X = 1; X <= 盤サイズ; ++X)
        for (int Y = 1; Y <= 盤サイズ; ++Y) n += board(X, Y) == code;
    return n;
}

std::optional<std::string> first_difference(const 盤面型& expected, const 盤面型& actual) {
    for (int X = 0; X <= 盤サイズ; ++X)
        for (int Y = 0; Y <= 盤サイズ; ++Y)
            if (expected(X, Y) != actual(X, Y))
                return "square " + square(X, Y) + " holds " + std::to_string(actual(X, Y)) + ", not " +
                       std::to_string(expected(X, Y));
    return std::nullopt;
}

}  // namespace

盤面型 turned_round(const 盤面型& board) {
    盤面型 out;
    for (int X = 1; X <= 盤サイズ; ++X)
        for (int Y = 1; Y <= 盤サイズ; ++Y) out(盤サイズ + 1 - X, 盤サイズ + 1 - Y) = -board(X, Y);
    return out;
}

void turn_round(盤面型& board, 棋譜記録& log) {
    board = turned_round(board);
    for (int n = 1; n <= std::min(log.記録数, 記録最大); ++n) {
        指し手& 手 = log.手[static_cast<std::size_t>(n)];
        手 = {盤サイズ + 1 - 手.移動元X, 盤サイズ + 1 - 手.移動元Y, 盤サイズ + 1 - 手.移動先X,
              盤サイズ + 1 - 手.移動先Y, -手.移動駒,         -手.成駒,
              -手.取駒};
    }
}

GameCheck::GameCheck(const 盤面型& start) : start_(start) {
    for (const int army : {0, 1}) {
        const int sign = army == 0 ? +1 : -1;
        king_limit_[army] = std::max(1, count(start, sign * 駒::王));
        prince_limit_[army] = std::max(1, count(start, sign * 駒::太子) + count(start, sign * 駒::象));
    }
}

void GameCheck::before_move(const 盤面型& board, const 棋譜記録& log) {
    board_before_ = board;
    log_before_ = log;
}

std::optional<std::string> GameCheck::after_search(const 盤面型& board, const 棋譜記録& log) const {
    if (const auto d = first_difference(board_before_, board)) return "the search changed the board: " + *d;
    if (log.記録数 != log_before_.記録数 || log.記録終端 != log_before_.記録終端) {
        return "the search changed the log's count or end: " + std::to_string(log_before_.記録数) + "/" +
               std::to_string(log_before_.記録終端) + " became " + std::to_string(log.記録数) + "/" +
               std::to_string(log.記録終端);
    }
    for (int n = 1; n <= std::clamp(log.記録数, 0, 記録最大); ++n) {
        const auto i = static_cast<std::size_t>(n);
        if (log.手[i] != log_before_.手[i]) return "the search changed entry " + std::to_string(n) + " of the log";
    }
    return std::nullopt;
}

std::optional<std::string> GameCheck::after_move(const 盤面型& board, const 棋譜記録& log, bool turned) const {
    for (int X = 0; X <= 盤サイズ; ++X) {
        for (int Y = 0; Y <= 盤サイズ; ++Y) {
            const 駒コード c = board(X, Y);
            if (c < -最大駒コード || c > 最大駒コード)
                return "square " + square(X, Y) + " holds " + std::to_string(c) + ", not a piece code";
            if ((X == 0 || Y == 0) && c != 空)
                return "square " + square(X, Y) + " off the board holds " + std::to_string(c);
        }
    }

    for (const int army : {0, 1}) {
        const int sign = (army == 0) != turned ? +1 : -1;  // the army's sign in the current frame
        const std::string name = army == 0 ? "the upper army" : "the lower army";
        const int kings = count(board, sign * 駒::王), princes = count(board, sign * 駒::太子);
        if (kings > king_limit_[army]) return name + " has " + std::to_string(kings) + " Kings";
        if (princes > prince_limit_[army]) return name + " has " + std::to_string(princes) + " Crown Princes";
    }

    if (log.記録数 < 0 || log.記録数 > 記録最大)
        return "the log's count " + std::to_string(log.記録数) + " is outside 0.." + std::to_string(記録最大);
    if (log.記録終端 != log.記録数)
        return "the log's end " + std::to_string(log.記録終端) + " is not its count " + std::to_string(log.記録数);
    const int grew = log.記録数 - log_before_.記録数;
    if (grew < 0 || grew > 2) return "one move wrote " + std::to_string(grew) + " log entries";

    盤面型 replay = turned ? turned_round(start_) : start_;
    for (int n = 1; n <= log.記録数; ++n) {
        const auto i = static_cast<std::size_t>(n);
        const int X1 = log.手[i].移動元X, Y1 = log.手[i].移動元Y;
        const int X2 = log.手[i].移動先X, Y2 = log.手[i].移動先Y;
        const std::string entry =
            "log entry " + std::to_string(n) + " (" + square(X1, Y1) + " to " + square(X2, Y2) + ")";
        if (!盤内(X1, Y1) || !盤内(X2, Y2)) return entry + " names a square off the board";
        if (replay(X1, Y1) != log.手[i].移動駒)
            return entry + " moves " + std::to_string(log.手[i].移動駒) + ", but its origin holds " +
                   std::to_string(replay(X1, Y1)) + " on replay";
        if (replay(X2, Y2) != log.手[i].取駒)
            return entry + " took " + std::to_string(log.手[i].取駒) + ", but its destination holds " +
                   std::to_string(replay(X2, Y2)) + " on replay";
        replay(X1, Y1) = 空;
        replay(X2, Y2) = log.手[i].成駒;
    }
    if (const auto d = first_difference(replay, board)) return "replaying the log does not give the board: " + *d;
    return std::nullopt;
}

}  // namespace bexoru::cli
