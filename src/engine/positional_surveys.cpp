#include "engine/positional_surveys.h"

#include <array>
#include <cstddef>

#include "engine/evaluation.h"
#include "rules/candidate_squares.h"

namespace bexoru {

namespace {

constexpr bool 獅子か(駒コード c) {
    const int k = c < 0 ? -c : c;
    return k == 駒::獅子 || k == 駒::獅子_成;
}

// The ranging pieces that can pin: Lance, Bishop, Dragon Horse, Rook, Dragon King.
constexpr bool 釘付け駒(int kind) {
    switch (kind) {
        case 駒::香:
        case 駒::角行_成:
        case 駒::角行:
        case 駒::龍馬_成:
        case 駒::龍馬:
        case 駒::飛車_成:
        case 駒::飛車:
        case 駒::龍王_成:
        case 駒::龍王:
            return true;
        default:
            return false;
    }
}

// The squares of one side's pinning pieces, in board order.
struct 駒一覧 {
    std::array<桝位置, 盤サイズ * 盤サイズ> 桝{};
    int 数 = 0;
};

駒一覧 釘付け駒一覧(const 盤面型& 盤面, int 符号) {
    駒一覧 l;
    for (int x = 1; x <= 盤サイズ; ++x) {
        for (int y = 1; y <= 盤サイズ; ++y) {
            const 駒コード c = 盤面(x, y);
            if (c * 符号 >= 1 && !is_pseudo(c) && 釘付け駒(c * 符号)) l.桝[static_cast<std::size_t>(l.数++)] = {x, y};
        }
    }
    return l;
}

// Whether one of the pinning pieces could now move onto the King's square.
bool 王に届く(規則局面& 局面, const 駒一覧& l, 桝位置 王) {
    for (int i = 0; i < l.数; ++i) {
        const 桝位置 s = l.桝[static_cast<std::size_t>(i)];
        if (移動チェック(局面, s.X, s.Y, 王.X, 王.Y, 局面.盤面(s.X, s.Y))) return true;
    }
    return false;
}

}  // namespace

int 調査_移動可場所数(規則局面& 局面, const COM勢力図& com, const MAN勢力図& man, int X, int Y, 駒コード p) {
    if (獅子か(p)) return 1;
    const 勢力表& 敵勢力 = p >= 1 ? man.MAN勢力 : com.COM勢力;
    // The search's destination rectangle only saves move checks here: it
    // holds every legal destination of a computer piece except the Reverse
    // Chariot's (its rectangle has only the rows next to it, while the piece
    // ranges along its column), which is tried on the whole board like every
    // human piece.
    int x1 = 1, x2 = 盤サイズ, y1 = 1, y2 = 盤サイズ;
    if (p != 駒::反) 取得_駒移動座標(p, X, Y, x1, x2, y1, y2);
    int 数 = 0;
    for (int x = x1; x <= x2; ++x) {
        for (int y = y1; y <= y2; ++y) {
            if (移動チェック(局面, X, Y, x, y, p) && 敵勢力(x, y) == 0) ++数;
        }
    }
    return 数;
}

int 調査_周辺状況(const 盤面型& 盤面, int X, int Y) {
    constexpr int 見る端 = 9;  // columns and rows 10..12 are not looked at
    int 結果 = 0;
    for (int x = X - 1; x <= X + 1; ++x) {
        for (int y = Y - 1; y <= Y + 1; ++y) {
            if (x == X && y == Y) continue;
            if (x < 1 || x > 見る端 || y < 1 || y > 見る端) continue;
            if (盤面(x, y) >= 駒::角行_成) --結果;
        }
    }
    return 結果;
}

bool 調査_自守駒MAN_直進駒(規則局面& 局面, int X, int Y) {
    盤面型& 盤面 = 局面.盤面;
    const 駒コード 元 = 盤面(X, Y);
    盤面(X, Y) = 空;
    bool 答 = false;
    for (int y = Y + 1; y <= 盤サイズ; ++y) {
        const 駒コード c = 盤面(X, y);
        if (c >= 1) break;
        if (c == -駒::香 || c == -駒::飛車_成 || c == -駒::飛車 || c == -駒::龍王_成 || c == -駒::龍王) {
            答 = 移動チェック(局面, X, y, X, Y, c);
            break;
        }
    }
    盤面(X, Y) = 元;
    return 答;
}

void 調査_移動不可駒(規則局面& 局面, const COM勢力図& com, const MAN勢力図& man, 移動不可情報& 結果) {
    盤面型& 盤面 = 局面.盤面;
    // Lifting a piece of one side never changes where the other side's
    // pinning pieces stand, so each side's list is made once.
    const 駒一覧 COM釘 = 釘付け駒一覧(盤面, +1);
    const 駒一覧 MAN釘 = 釘付け駒一覧(盤面, -1);
    const 桝位置 MAN王{man.MAN王X, man.MAN王Y};
    const 桝位置 COM王{com.COM王X, com.COM王Y};
    結果.COM移動不可有 = false;
    結果.MAN移動不可 = 勢力表{};
    for (int x = 1; x <= 盤サイズ; ++x) {
        for (int y = 1; y <= 盤サイズ; ++y) {
            const 駒コード c = 盤面(x, y);
            if (c == 空) continue;
            if (c >= 1 && 結果.COM移動不可有) continue;  // the flag is all the computer's side gives
            盤面(x, y) = 空;
            if (c <= -1) {
                if (王に届く(局面, COM釘, MAN王)) 結果.MAN移動不可(x, y) = 1;
            } else if (王に届く(局面, MAN釘, COM王)) {
                結果.COM移動不可有 = true;
            }
            盤面(x, y) = c;
        }
    }
}

}  // namespace bexoru
