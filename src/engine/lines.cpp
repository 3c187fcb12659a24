#include "engine/lines.h"

#include <cassert>

#include "engine/influence_entry.h"

namespace bexoru {

namespace {

using namespace 勢力記入;

// Traces one line from the piece on (X, Y) in the direction (dx, dy).
template <class 図型>
void 線(const 盤面型& 盤面, 図型& 図, 駒コード 駒, int X, int Y, int dx, int dy) {
    assert(自駒(図, 駒));
    const int v = 駒価値(駒);
    int k = 1;  // distance of the square from the piece
    for (int x = X + dx, y = Y + dy; 盤内(x, y); x += dx, y += dy, ++k) {
        const 駒コード t = 盤面(x, y);
        記入(図, t, X, Y, x, y, v);
        if (敵王太(図, t)) {
            勢力表& 筋 = 王手筋(図);
            for (int i = 1; i < k; ++i) 筋(X + i * dx, Y + i * dy) = 1;
            筋(X, Y) = 9;
        }
        // Only the enemy King lets the line go on past an occupied square.
        if (t != 空 && !敵王(図, t)) return;
    }
}

// The gold pattern; 前 is +1 when forward is toward larger rows, -1 otherwise.
template <class 図型>
void 金(const 盤面型& 盤面, 図型& 図, 駒コード 駒, int X, int Y, int 前) {
    assert(自駒(図, 駒));
    const int v = 駒価値(駒);
    for (int x = X - 1; x <= X + 1; ++x) {
        for (int y = Y - 1; y <= Y + 1; ++y) {
            if (!盤内(x, y) || (x == X && y == Y)) continue;
            if (x != X && (y - Y) * 前 < 0) continue;  // the two backward diagonals
            const 駒コード t = 盤面(x, y);
            金記入(図, t, X, Y, x, y, v);
            if (敵王太(図, t)) 王手筋(図)(X, Y) = 9;
        }
    }
}

}  // namespace

void 勢力確定上直進(const 盤面型& 盤面, COM勢力図& 図, 駒コード 駒, int X, int Y) {
    線(盤面, 図, 駒, X, Y, 0, -1);
}
void 勢力確定上直進(const 盤面型& 盤面, MAN勢力図& 図, 駒コード 駒, int X, int Y) {
    線(盤面, 図, 駒, X, Y, 0, -1);
}
void 勢力確定下直進(const 盤面型& 盤面, COM勢力図& 図, 駒コード 駒, int X, int Y) {
    線(盤面, 図, 駒, X, Y, 0, +1);
}
void 勢力確定下直進(const 盤面型& 盤面, MAN勢力図& 図, 駒コード 駒, int X, int Y) {
    線(盤面, 図, 駒, X, Y, 0, +1);
}
void 勢力確定右直進(const 盤面型& 盤面, COM勢力図& 図, 駒コード 駒, int X, int Y) {
    線(盤面, 図, 駒, X, Y, +1, 0);
}
void 勢力確定右直進(const 盤面型& 盤面, MAN勢力図& 図, 駒コード 駒, int X, int Y) {
    線(盤面, 図, 駒, X, Y, +1, 0);
}
void 勢力確定左直進(const 盤面型& 盤面, COM勢力図& 図, 駒コード 駒, int X, int Y) {
    線(盤面, 図, 駒, X, Y, -1, 0);
}
void 勢力確定左直進(const 盤面型& 盤面, MAN勢力図& 図, 駒コード 駒, int X, int Y) {
    線(盤面, 図, 駒, X, Y, -1, 0);
}

void 勢力確定敵角_上(const 盤面型& 盤面, COM勢力図& 図, 駒コード 駒, int X, int Y) {
    線(盤面, 図, 駒, X, Y, -1, -1);
    線(盤面, 図, 駒, X, Y, +1, -1);
}
void 勢力確定敵角_下(const 盤面型& 盤面, COM勢力図& 図, 駒コード 駒, int X, int Y) {
    線(盤面, 図, 駒, X, Y, -1, +1);
    線(盤面, 図, 駒, X, Y, +1, +1);
}
void 勢力確定自角_上(const 盤面型& 盤面, MAN勢力図& 図, 駒コード 駒, int X, int Y) {
    線(盤面, 図, 駒, X, Y, -1, -1);
    線(盤面, 図, 駒, X, Y, +1, -1);
}
void 勢力確定自角_下(const 盤面型& 盤面, MAN勢力図& 図, 駒コード 駒, int X, int Y) {
    線(盤面, 図, 駒, X, Y, -1, +1);
    線(盤面, 図, 駒, X, Y, +1, +1);
}

void 勢力確定敵金(const 盤面型& 盤面, COM勢力図& 図, 駒コード 駒, int X, int Y) {
    金(盤面, 図, 駒, X, Y, +1);
}
void 勢力確定自金(const 盤面型& 盤面, MAN勢力図& 図, 駒コード 駒, int X, int Y) {
    金(盤面, 図, 駒, X, Y, -1);
}

}  // namespace bexoru
