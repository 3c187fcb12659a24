#pragma once
// Drawing procedures of the main window, written on the window port in twips.
// There is no model of the picture: each procedure paints one element at once
// and the callers decide what to repaint after a change.
//
// Positions given as (column c, row r), fractions allowed, mean the point
// (盤原点X + c·桝幅, 盤原点Y + r·桝高). Texts are printed twice by the callers
// that want a drop shadow: first in 黒色 0.1 right and 0.1 down, then in their
// own colour.

#include <string_view>

#include "board/board.h"
#include "board/game_state.h"
#include "board/presentation.h"
#include "port/clock.h"
#include "port/window_port.h"

namespace bexoru {

// Where the level caption stands: the number's place; "LEVEL" stands 1.5
// columns left of it and 0.1 row lower. The board's top-left corner, where the
// caption would fall by the board's own origin, lies outside the window, so
// the caption sits in the side panel between the move number and the side
// labels.
inline constexpr double レベル表示X = 15.5;
inline constexpr double レベル表示Y = 4.1;

// The name panel of the record commands: shown to save a record, or hidden.
enum class 棋譜IO { 書込 = 0, 非表示 = 1 };

class 描画器 {
public:
    描画器(WindowPort& port, const 表示設定& 表示, const 盤面型& 盤面, Clock& clock)
        : port_(port), 表示_(表示), 盤面_(盤面), clock_(clock) {}

    // --- Squares and pieces -------------------------------------------------

    // Paints the empty square, then outlines it in the background colour.
    void 描画_桝(int X, int Y);
    // Paints the piece's picture on the square (nothing for a code without one), then the outline.
    void 描画_駒(駒コード code, int X, int Y);
    // Outlines the square in the colour: 選択色 marks a selection, 桝輪郭色 erases a mark.
    void 描画_桝輪郭(int colour, int X, int Y);
    // Outlines all 144 squares in 桝輪郭色, which removes every mark; pieces stay as they are.
    void 描画_将棋盤桝();
    // Draws every square from the board, column by column.
    void 描画_盤();
    // Shows the square empty and then with the piece, count times, refreshing
    // the window and waiting 0.15 s after each; ends with the piece shown.
    void 描画_駒点滅(駒コード code, int X, int Y, int count);
    // A filled box from position (c, r), width × height twips; clears text areas.
    void 描画_四角形(double c, double r, double width, double height, int colour);

    // --- The record-file panel ----------------------------------------------

    // Shows or hides the drive, folder and file lists.
    void 描画_可視(bool drive, bool folder, bool file);
    // 書込 shows the name box, its caption and the RETURN button; 非表示
    // empties the name box and hides all three.
    void 描画_棋譜_IO(棋譜IO mode);

    // --- Timing -------------------------------------------------------------

    // Returns once IN_秒 seconds have passed on the clock; processes no events.
    void 待ち時間(double IN_秒);

    // --- Texts --------------------------------------------------------------

    // Kind 0 prints the value as it is; kind 1 prints the kanji numeral of 1..12.
    void 描画_数値(double c, double r, int value, int colour, int kind, int fontSize);
    // Kind 0 prints the text as it is; text has no kanji numeral, so kind 1 prints nothing.
    void 描画_数値(double c, double r, std::string_view value, int colour, int kind, int fontSize);
    // A column or row of the last-move text, size 12: 1..9 as "１".."９", 10..12
    // as "10".."12" moved 100 twips left, 1001..1012 as "一".."十二".
    void 描画_移動数値(double c, double r, int value, int colour);
    // The one-kanji label of the code's kind, size 12; nothing for a code without one.
    void 描画_移動駒種類(double c, double r, 駒コード code, int colour);
    // A grade caption or "手目" (value 99), 120 twips right of and 160 twips below (c, r).
    void 描画_文字列(double c, double r, int value, int colour, int fontSize);

    // --- Composite displays -------------------------------------------------

    // Column numbers 12..1 above the board and row numerals 一..十二 to its right.
    void 描画_桝_数値();
    // The move number and "手目" in the side panel.
    void 描画_手数(int number, int colour);
    // The last move of one side at (c, r) in shogi notation, e.g. ６五歩.
    void 描画_移動結果(double c, double r, int X, int Y, 駒コード code, int colour);
    void 消去_移動結果(double c, double r);
    // The level caption "LEVEL" and the level number.
    void 描画_レベル(int IN_LEVEL);
    // The rule set under the title: "標準ルール" for the standard rules; for
    // the game's own rules the place is only cleared (a full redraw leaves
    // nothing there, so it need not be called then).
    void 描画_規則(ルール 規則);
    // Clears the side panel and draws the whole board, its coordinates and the title.
    void 画面_再描画();

private:
    // Prints the text with its top-left corner at position (c, r).
    void 印字(double c, double r, std::string_view text, int colour, int fontSize);

    WindowPort& port_;
    const 表示設定& 表示_;
    const 盤面型& 盤面_;
    Clock& clock_;
};

}  // namespace bexoru
