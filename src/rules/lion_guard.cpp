// The Lion-guard survey: is a Lion defended against a capturing Lion?

#include "rules/move_check.h"

namespace bexoru {

namespace {

// Lifts a square's piece off the board for the length of a scope and puts it
// back however the scope is left. A square off the board is left alone.
class 一時除去 {
public:
    一時除去(盤面型& 盤面, int X, int Y) : 盤面_(盤面), X_(X), Y_(Y), 駒_(空), 盤上_(盤内(X, Y)) {
        if (盤上_) {
            駒_ = 盤面_(X_, Y_);
            盤面_(X_, Y_) = 空;
        }
    }
    ~一時除去() {
        if (盤上_) 盤面_(X_, Y_) = 駒_;
    }
    一時除去(const 一時除去&) = delete;
    一時除去& operator=(const 一時除去&) = delete;

private:
    盤面型& 盤面_;
    int X_, Y_;
    駒コード 駒_;
    bool 盤上_;
};

}  // namespace

bool 調査_獅守(規則局面& 局面, int 手番, int X1, int Y1, int 獅X, int 獅Y) {
    int 側 = 0;  // the sign of the guards' codes
    if (手番 == 局面.状態.MAN側) {
        側 = -1;
    } else if (手番 == 局面.状態.COM側) {
        側 = +1;
    }
    if (側 == 0 || !盤内(獅X, 獅Y)) return false;

    // Put back in the reverse order of lifting, so the board comes back as it
    // was even when the two squares are one and the same.
    const 一時除去 攻め駒(局面.盤面, X1, Y1);
    const 一時除去 獅子(局面.盤面, 獅X, 獅Y);
    for (int x = 1; x <= 盤サイズ; ++x) {
        for (int y = 1; y <= 盤サイズ; ++y) {
            const 駒コード c = 局面.盤面(x, y);
            // A guard is judged by its whole move, even while the capturing
            // Lion's second step is pending; a guarding Lion counts too.
            if (c * 側 > 0 && 移動チェック(局面, x, y, 獅X, 獅Y, c, 二手目状態型::一手目)) return true;
        }
    }
    return false;
}

}  // namespace bexoru
