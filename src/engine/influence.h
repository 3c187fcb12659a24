#pragma once
// The influence surveys: for each side, rebuild its maps (influence_maps.h)
// from the board in one walk, column by column and row by row, entering the
// squares every piece of the side reaches.
//
// The surveys run for every trial move of the computer's search, several
// times per trial, so they allocate nothing and do work in proportion to the
// squares the pieces reach. They read the board and never change it.
//
// In the names, 敵 is the computer's side and 自 the human's.

#include "board/board.h"
#include "engine/influence_maps.h"

namespace bexoru {

// Rebuilds the computer's maps and writes the squares of its King and Crown
// Prince when they are met (they are not cleared when absent).
void 勢力調査_COM(const 盤面型& 盤面, COM勢力図& 図);

// Rebuilds the human's maps and writes the squares of the human King, Crown
// Prince and Lion when they are met (they are not cleared when absent).
// The human King enters itself, worth 30, as the attacker of a computer piece
// next to it when no cheaper human piece attacks that piece.
void 勢力調査_MAN(const 盤面型& 盤面, MAN勢力図& 図);

// Both sides' maps of the position as it stands, from "no royal piece seen":
// the King's and the Crown Prince's columns of both sides are set to 0 first,
// so a royal piece no longer on the board reads as absent. (The human Lion's
// square is not cleared: it stays where the last survey that met a Lion saw it.)
void 勢力調査_両軍(const 盤面型& 盤面, COM勢力図& com, MAN勢力図& man);

// The last royal piece: an army has lost when its King is taken and it has
// no Crown Prince, or its Crown Prince is taken and it has no King. The piece
// whose absence decides it is もう一つの王族; 最後の王族を取る looks for it on
// the board, or in the maps of the position after the capture.

// The other royal piece of 取駒's army: its Crown Prince for a King, its King
// for a Crown Prince; 空 for any other code.
constexpr 駒コード もう一つの王族(駒コード 取駒) {
    switch (取駒) {
        case 駒::王:
            return 駒::太子;
        case -駒::王:
            return -駒::太子;
        case 駒::太子:
            return 駒::王;
        case -駒::太子:
            return -駒::王;
        default:
            return 空;
    }
}

// Whether taking the code 取駒 takes its army's last royal piece, asked of the
// board before the capture or after it: the other royal piece stands nowhere.
bool 最後の王族を取る(const 盤面型& 盤面, 駒コード 取駒);

// The same asked of the maps of the position after the capture, from
// 勢力調査_両軍: the computer's maps answer for the upper army's codes, the
// human's for the lower army's. (Within the search the maps are those its
// trials left: the evaluation asks them, as it always has.)
constexpr bool 最後の王族を取る(駒コード 取駒, const COM勢力図& com) {
    switch (もう一つの王族(取駒)) {
        case 駒::太子:
            return com.COM太X == 0;
        case 駒::王:
            return com.COM王X == 0;
        default:
            return false;
    }
}
constexpr bool 最後の王族を取る(駒コード 取駒, const MAN勢力図& man) {
    switch (もう一つの王族(取駒)) {
        case -駒::太子:
            return man.MAN太X == 0;
        case -駒::王:
            return man.MAN王X == 0;
        default:
            return false;
    }
}

// The computer piece 駒 on (X1, Y1) reaches (X2, Y2), a square on the board.
void 勢力調査_敵駒(const 盤面型& 盤面, COM勢力図& 図, int X1, int Y1, int X2, int Y2, 駒コード 駒);

// The human piece 駒 on (X1, Y1) reaches (X2, Y2), a square on the board.
void 勢力調査_自駒(const 盤面型& 盤面, MAN勢力図& 図, int X1, int Y1, int X2, int Y2, 駒コード 駒);

}  // namespace bexoru
