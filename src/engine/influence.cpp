#include "engine/influence.h"

#include <cassert>
#include <cstdlib>

#include "engine/contribution.h"
#include "engine/influence_entry.h"
#include "engine/lines.h"

namespace bexoru {

namespace {

using namespace 勢力記入;

void 歩入力(const 盤面型& 盤面, COM勢力図& 図, int X1, int Y1, int X2, int Y2, 駒コード 駒) {
    勢力調査_敵駒(盤面, 図, X1, Y1, X2, Y2, 駒);
}
void 歩入力(const 盤面型& 盤面, MAN勢力図& 図, int X1, int Y1, int X2, int Y2, 駒コード 駒) {
    勢力調査_自駒(盤面, 図, X1, Y1, X2, Y2, 駒);
}

// Forward, backward and the diagonals as the screen-named procedures of each side.
void 前線(const 盤面型& b, COM勢力図& m, 駒コード c, int X, int Y) {
    勢力確定下直進(b, m, c, X, Y);
}
void 前線(const 盤面型& b, MAN勢力図& m, 駒コード c, int X, int Y) {
    勢力確定上直進(b, m, c, X, Y);
}
void 後線(const 盤面型& b, COM勢力図& m, 駒コード c, int X, int Y) {
    勢力確定上直進(b, m, c, X, Y);
}
void 後線(const 盤面型& b, MAN勢力図& m, 駒コード c, int X, int Y) {
    勢力確定下直進(b, m, c, X, Y);
}
void 前斜線(const 盤面型& b, COM勢力図& m, 駒コード c, int X, int Y) {
    勢力確定敵角_下(b, m, c, X, Y);
}
void 前斜線(const 盤面型& b, MAN勢力図& m, 駒コード c, int X, int Y) {
    勢力確定自角_上(b, m, c, X, Y);
}
void 後斜線(const 盤面型& b, COM勢力図& m, 駒コード c, int X, int Y) {
    勢力確定敵角_上(b, m, c, X, Y);
}
void 後斜線(const 盤面型& b, MAN勢力図& m, 駒コード c, int X, int Y) {
    勢力確定自角_下(b, m, c, X, Y);
}
void 金線(const 盤面型& b, COM勢力図& m, 駒コード c, int X, int Y) {
    勢力確定敵金(b, m, c, X, Y);
}
void 金線(const 盤面型& b, MAN勢力図& m, 駒コード c, int X, int Y) {
    勢力確定自金(b, m, c, X, Y);
}

// Enters everything the piece 駒 on (X, Y) reaches; 前 is the row step of its forward.
template <class 図型>
void 一駒(const 盤面型& 盤面, 図型& 図, 駒コード 駒, int X, int Y, int 前) {
    const 勢力型::駒勢力& k = 勢力型::表[static_cast<std::size_t>(std::abs(駒))];
    if (k.金型) {
        金線(盤面, 図, 駒, X, Y);
        return;
    }
    for (int i = 0; i < k.歩数; ++i) {
        const int x = X + k.歩[i].dx;
        const int y = Y + k.歩[i].d前 * 前;
        if (盤内(x, y)) 歩入力(盤面, 図, X, Y, x, y, 駒);
    }
    if (k.線 == 0) return;
    if (k.線 & 勢力型::線_前) 前線(盤面, 図, 駒, X, Y);
    if (k.線 & 勢力型::線_後) 後線(盤面, 図, 駒, X, Y);
    if (k.線 & 勢力型::線_左) 勢力確定左直進(盤面, 図, 駒, X, Y);
    if (k.線 & 勢力型::線_右) 勢力確定右直進(盤面, 図, 駒, X, Y);
    if (k.線 & 勢力型::線_前斜) 前斜線(盤面, 図, 駒, X, Y);
    if (k.線 & 勢力型::線_後斜) 後斜線(盤面, 図, 駒, X, Y);
}

// The King counts on its eight neighbours and enters nothing else of its
// own, except as noted for each side below.
void 王(const 盤面型& 盤面, COM勢力図& 図, int X, int Y) {
    for (int x = X - 1; x <= X + 1; ++x) {
        for (int y = Y - 1; y <= Y + 1; ++y) {
            if (!盤内(x, y) || (x == X && y == Y)) continue;
            ++図.COM勢力(x, y);
            if (盤面(x, y) >= 1 && 図.COM守最小価値(x, y) > 勢力_COM王守) 図.COM守最小価値(x, y) = 勢力_COM王守;
        }
    }
}

void 王(const 盤面型& 盤面, MAN勢力図& 図, int X, int Y) {
    constexpr int 王価値 = 駒価値(駒::王);
    for (int x = X - 1; x <= X + 1; ++x) {
        for (int y = Y - 1; y <= Y + 1; ++y) {
            if (!盤内(x, y) || (x == X && y == Y)) continue;
            ++図.MAN勢力(x, y);
            const 駒コード t = 盤面(x, y);
            if (t <= -1) {
                図.MAN守最小価値(x, y) = 勢力_MAN王守;
            } else if (t >= 1 && 図.MAN攻最小価値(x, y) > 王価値) {
                // The King is the one human attacker the evaluation tells by its value 30.
                図.MAN攻最小価値(x, y) = 王価値;
                図.MAN攻最小X(x, y) = X;
                図.MAN攻最小Y(x, y) = Y;
            }
        }
    }
}

}  // namespace

void 勢力調査_敵駒(const 盤面型& 盤面, COM勢力図& 図, int X1, int Y1, int X2, int Y2, 駒コード 駒) {
    assert(盤内(X2, Y2));
    const 駒コード t = 盤面(X2, Y2);
    記入(図, t, X1, Y1, X2, Y2, 駒価値(駒));
    if (敵王太(図, t)) 図.COM王手筋(X1, Y1) = 9;
}

void 勢力調査_自駒(const 盤面型& 盤面, MAN勢力図& 図, int X1, int Y1, int X2, int Y2, 駒コード 駒) {
    assert(盤内(X2, Y2));
    const 駒コード t = 盤面(X2, Y2);
    記入(図, t, X1, Y1, X2, Y2, 駒価値(駒));
    if (敵王太(図, t)) 図.MAN王手筋(X1, Y1) = 9;
}

void 勢力調査_COM(const 盤面型& 盤面, COM勢力図& 図) {
    図.COM勢力.盤内設定(0);
    図.COM守最小価値.盤内設定(勢力_なし);
    図.COM守最小X.盤内設定(0);
    図.COM守最小Y.盤内設定(0);
    図.COM攻最小価値.盤内設定(勢力_なし);
    図.COM攻最小X.盤内設定(0);
    図.COM攻最小Y.盤内設定(0);
    図.COM王手筋.盤内設定(0);
    for (int X = 1; X <= 盤サイズ; ++X) {
        for (int Y = 1; Y <= 盤サイズ; ++Y) {
            const 駒コード c = 盤面(X, Y);
            if (c < 1 || is_pseudo(c)) continue;  // pseudo codes stand as pieces but reach nothing
            if (c == 駒::王) {
                図.COM王X = X;
                図.COM王Y = Y;
                王(盤面, 図, X, Y);
                continue;
            }
            if (c == 駒::太子) {
                図.COM太X = X;
                図.COM太Y = Y;
            }
            一駒(盤面, 図, c, X, Y, +1);
        }
    }
}

void 勢力調査_両軍(const 盤面型& 盤面, COM勢力図& com, MAN勢力図& man) {
    man.MAN王X = 0;
    man.MAN太X = 0;
    com.COM王X = 0;
    com.COM太X = 0;
    勢力調査_MAN(盤面, man);
    勢力調査_COM(盤面, com);
}

bool 最後の王族を取る(const 盤面型& 盤面, 駒コード 取駒) {
    const 駒コード 相方 = もう一つの王族(取駒);
    if (相方 == 空) return false;
    for (int X = 1; X <= 盤サイズ; ++X) {
        for (int Y = 1; Y <= 盤サイズ; ++Y) {
            if (盤面(X, Y) == 相方) return false;
        }
    }
    return true;
}

void 勢力調査_MAN(const 盤面型& 盤面, MAN勢力図& 図) {
    図.MAN勢力.盤内設定(0);
    図.MAN守最小価値.盤内設定(勢力_なし);
    図.MAN攻最小価値.盤内設定(勢力_なし);
    図.MAN攻最小X.盤内設定(0);
    図.MAN攻最小Y.盤内設定(0);
    図.MAN王手筋.盤内設定(0);
    for (int X = 1; X <= 盤サイズ; ++X) {
        for (int Y = 1; Y <= 盤サイズ; ++Y) {
            const 駒コード c = 盤面(X, Y);
            if (c > -1 || is_pseudo(c)) continue;
            switch (c) {
                case -駒::王:
                    図.MAN王X = X;
                    図.MAN王Y = Y;
                    王(盤面, 図, X, Y);
                    continue;
                case -駒::太子:
                    図.MAN太X = X;
                    図.MAN太Y = Y;
                    break;
                case -駒::獅子:
                case -駒::獅子_成:
                    図.MAN獅X = X;
                    図.MAN獅Y = Y;
                    break;
                default:
                    break;
            }
            一駒(盤面, 図, c, X, Y, -1);
        }
    }
}

}  // namespace bexoru
