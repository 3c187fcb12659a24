#include "engine/mate.h"

#include <array>

#include "engine/influence.h"

namespace bexoru {

namespace {

// Whether the royal piece on (RX, RY) is mated: attacked, with no free step
// and no single defending move after which it is no longer attacked.
template <class 攻撃判定>
bool 詰め(規則局面& 局面, int RX, int RY, 駒コード 玉, const 勢力表& 攻勢力, const 勢力表& 王手筋, 駒コード 守下限,
          駒コード 守上限, 攻撃判定&& 攻撃中) {
    if (攻勢力(RX, RY) == 0) return false;

    // A step to a square the other side does not reach. The map is that of
    // the position as it stands; a ranging attack through the royal square
    // already counts the squares behind it.
    for (int x = RX - 1; x <= RX + 1; ++x) {
        for (int y = RY - 1; y <= RY + 1; ++y) {
            if (!盤内(x, y)) continue;
            if (移動チェック(局面, RX, RY, x, y, 玉) && 攻勢力(x, y) == 0) return false;
        }
    }

    // A defender onto the attacker's square or a square between. The marks
    // are taken once, before any trial.
    std::array<桝位置, 盤サイズ * 盤サイズ> 標的;
    int n = 0;
    for (int x = 1; x <= 盤サイズ; ++x) {
        for (int y = 1; y <= 盤サイズ; ++y) {
            if (王手筋(x, y) > 0) 標的[static_cast<std::size_t>(n++)] = {x, y};
        }
    }
    盤面型& 盤面 = 局面.盤面;
    for (int X = 1; X <= 盤サイズ && n > 0; ++X) {
        for (int Y = 1; Y <= 盤サイズ; ++Y) {
            const 駒コード c = 盤面(X, Y);
            if (c < 守下限 || c > 守上限) continue;
            for (int i = 0; i < n; ++i) {
                const 桝位置 t = 標的[static_cast<std::size_t>(i)];
                if (t == 桝位置{X, Y}) continue;
                if (!移動チェック(局面, X, Y, t.X, t.Y, c)) continue;
                const 駒コード 元 = 盤面(t.X, t.Y);
                盤面(t.X, t.Y) = c;
                盤面(X, Y) = 空;
                // Judged on the royal piece's square as it was: a royal piece that
                // takes its attacker is safe when no computer piece can reach the
                // square it left. One move deep, by design.
                const bool 攻撃 = 攻撃中(RX, RY);
                盤面(t.X, t.Y) = 元;
                盤面(X, Y) = c;
                if (!攻撃) return false;
            }
        }
    }
    return true;
}

// Whether some computer piece can move onto (X, Y).
bool COM駒移動可(規則局面& 局面, int X, int Y) {
    for (int x = 1; x <= 盤サイズ; ++x) {
        for (int y = 1; y <= 盤サイズ; ++y) {
            const 駒コード c = 局面.盤面(x, y);
            if (c >= 1 && 移動チェック(局面, x, y, X, Y, c)) return true;
        }
    }
    return false;
}

bool 詰めかCOM_玉(規則局面& 局面, int RX, int RY, 駒コード 玉, 駒コード 守上限, const MAN勢力図& man) {
    MAN勢力図 試;  // scratch maps for the trial positions
    return 詰め(局面, RX, RY, 玉, man.MAN勢力, man.MAN王手筋, 1, 守上限, [&](int X, int Y) {
        勢力調査_MAN(局面.盤面, 試);
        return 試.MAN勢力(X, Y) != 0;
    });
}

}  // namespace

bool 詰めかMAN_COM王移動(規則局面& 局面, const MAN勢力図& man) {
    return COM駒移動可(局面, man.MAN王X, man.MAN王Y);
}

bool 詰めかMAN_COM太移動(規則局面& 局面, const MAN勢力図& man) {
    return COM駒移動可(局面, man.MAN太X, man.MAN太Y);
}

bool 詰めかMAN_王(規則局面& 局面, const COM勢力図& com, const MAN勢力図& man) {
    return 詰め(局面, man.MAN王X, man.MAN王Y, -駒::王, com.COM勢力, com.COM王手筋, -駒::王, -1,
                [&](int X, int Y) { return COM駒移動可(局面, X, Y); });
}

bool 詰めかMAN_太(規則局面& 局面, const COM勢力図& com, const MAN勢力図& man) {
    return 詰め(局面, man.MAN太X, man.MAN太Y, -駒::太子, com.COM勢力, com.COM王手筋, -駒::太子, -1,
                [&](int X, int Y) { return COM駒移動可(局面, X, Y); });
}

bool 詰めかMAN(規則局面& 局面, const COM勢力図& com, const MAN勢力図& man) {
    if (man.MAN王X > 0 && man.MAN太X == 0) return 詰めかMAN_王(局面, com, man);
    if (man.MAN王X == 0 && man.MAN太X > 0) return 詰めかMAN_太(局面, com, man);
    return false;
}

bool 詰めかCOM_王(規則局面& 局面, const COM勢力図& com, const MAN勢力図& man) {
    return 詰めかCOM_玉(局面, com.COM王X, com.COM王Y, 駒::王, 駒::太子, man);
}

bool 詰めかCOM_太(規則局面& 局面, const COM勢力図& com, const MAN勢力図& man) {
    return 詰めかCOM_玉(局面, com.COM太X, com.COM太Y, 駒::太子, 駒::象, man);
}

bool 詰めかCOM(規則局面& 局面, const COM勢力図& com, const MAN勢力図& man) {
    if (com.COM王X > 0 && com.COM太X == 0) return 詰めかCOM_王(局面, com, man);
    if (com.COM王X == 0 && com.COM太X > 0) return 詰めかCOM_太(局面, com, man);
    return false;
}

int 調査_自王逃道(const 盤面型& 盤面, const COM勢力図& com, const MAN勢力図& man) {
    const int X = man.MAN王X;
    const int Y = man.MAN王Y;
    if (!盤内(X, Y)) return 0;
    static constexpr 桝位置 周囲[] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}};
    int 数 = 0;
    for (const 桝位置 d : 周囲) {
        const int x = X + d.X;
        const int y = Y + d.Y;
        if (盤内(x, y) && 盤面(x, y) == 空 && com.COM勢力(x, y) == 0) ++数;
    }
    return 数;
}

}  // namespace bexoru
