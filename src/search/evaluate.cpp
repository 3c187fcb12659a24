#include "search/evaluate.h"

#include <cstdlib>

#include "search/kinds.h"

namespace bexoru::search {

namespace {

using namespace kinds_detail;

// What promoting gains, in table points, for every code 0..39 (0 when it cannot promote).
constexpr std::array<int, 最大駒コード + 1> promotion_gain = [] {
    std::array<int, 最大駒コード + 1> g{};
    for (int k : {駒::歩, 駒::香, 駒::銅, 駒::横行, 駒::銀, 駒::竪行, 駒::金, 駒::飛車, 駒::龍王, 駒::豹, 駒::角行,
                  駒::龍馬, 駒::鳳, 駒::反, 駒::虎, 駒::麒, 駒::仲, 駒::象}) {
        const int gain = 駒表[static_cast<std::size_t>(k + 1)].value - 駒表[static_cast<std::size_t>(k)].value;
        g[static_cast<std::size_t>(k)] = gain > 0 ? gain : 0;
    }
    return g;
}();

constexpr bool royal_kind(int k) {
    return k == 駒::王 || k == 駒::太子;
}

}  // namespace

int evaluate(const Position& p, const EvalWeights& w) {
    int score[2] = {0, 0};  // upper, lower
    int royal_sq[2][4] = {};
    int royal_n[2] = {0, 0};
    int lion_sq[2][4] = {};
    int lion_n[2] = {0, 0};

    for (std::size_t s = 0; s < 2; ++s) {
        const int side = s == 0 ? 1 : -1;
        const std::uint8_t* squares = p.squares(side);
        for (int i = 0, n = p.pieces(side); i < n; ++i) {
            const int sq = squares[i];
            const int c = p.at(sq);
            const int Y = row_of(sq);
            const int k = std::abs(c);
            int& sc = score[s];

            // Promotion potential: a part of the gain inside the zone, less on the way to it.
            const int gain = promotion_gain[static_cast<std::size_t>(k)];
            if (gain != 0) {
                const int advance = side > 0 ? Y : 盤サイズ + 1 - Y;  // 1 on the own back row .. 12
                if (advance >= 9) {
                    sc += gain * kPieceUnit * w.promotion_percent / 100;
                } else if (advance >= 6) {
                    sc += gain * kPieceUnit * w.promotion_percent * (advance - 5) / 400;
                }
            }

            // Mobility: empty or enemy squares along the lines (at most four a line) and jumps.
            const Steps& moves = steps_of(c);
            int reach = 0;
            for (int l = 0; l < moves.lines; ++l) {
                const int range = moves.range[static_cast<std::size_t>(l)];
                const int step = moves.step[static_cast<std::size_t>(l)];
                int to = sq + step;
                for (int n = 1; n <= range && n <= 4; ++n, to += step) {
                    const int t = p.at(to);
                    if (t == kOff || t * side > 0) break;
                    ++reach;
                    if (t != 0) break;
                }
            }
            for (int j = 0; j < moves.jumps; ++j) {
                const int t = p.at(sq + moves.jump[static_cast<std::size_t>(j)]);
                if (t != kOff && t * side <= 0) ++reach;
            }
            sc += reach * w.mobility;

            if (royal_kind(k) && royal_n[s] < 4) royal_sq[s][royal_n[s]++] = sq;
            if ((k == 駒::獅子 || k == 駒::獅子_成) && lion_n[s] < 4) lion_sq[s][lion_n[s]++] = sq;
        }
    }

    // The royal pieces: friends next to them, enemies within two squares.
    for (std::size_t s = 0; s < 2; ++s) {
        const int side = s == 0 ? 1 : -1;
        for (int r = 0; r < royal_n[s]; ++r) {
            const int sq = royal_sq[s][r];
            for (int dy = -2; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx) {
                    const int t = p.at(sq + dx + dy * kWidth);
                    if (t == 0 || t == kOff) continue;
                    const bool near = std::abs(dx) <= 1 && std::abs(dy) <= 1;
                    if (t * side > 0) {
                        if (near) score[s] += w.royal_guard;
                    } else {
                        score[s] -= w.royal_attacker * (near ? 2 : 1);
                    }
                }
            }
        }
    }

    // Lions in reach of each other: whoever moves first may take.
    int lions = 0;
    for (int a = 0; a < lion_n[0]; ++a) {
        for (int b = 0; b < lion_n[1]; ++b) {
            const int dx = std::abs(column_of(lion_sq[0][a]) - column_of(lion_sq[1][b]));
            const int dy = std::abs(row_of(lion_sq[0][a]) - row_of(lion_sq[1][b]));
            if (dx <= 2 && dy <= 2) ++lions;
        }
    }

    const int material = (p.material(kUpper) - p.material(kLower)) * kPieceUnit;
    const int total = material + score[0] - score[1];
    return (p.side() > 0 ? total : -total) + (lions > 0 ? w.lion_contact : 0);
}

}  // namespace bexoru::search
