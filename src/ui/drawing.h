#pragma once
// Drawing procedures of the main window, written on the window port in twips.
// There is no model of the picture: each procedure paints one element at once
// and the callers decide what to repaint after a change.

#include "board/board.h"
#include "board/presentation.h"
#include "port/clock.h"
#include "port/window_port.h"

namespace bexoru {

class 描画器 {
public:
    描画器(WindowPort& port, const 表示設定& 表示, const 盤面型& 盤面, Clock& clock)
        : port_(port), 表示_(表示), 盤面_(盤面), clock_(clock) {}

    // Paints the empty square, then outlines it in the background colour.
    void 描画_桝(int X, int Y);
    // Paints the piece's picture on the square (nothing for a code without one), then the outline.
    void 描画_駒(駒コード code, int X, int Y);
    // Outlines the square in the colour: 選択色 marks a selection, 桝輪郭色 erases a mark.
    void 描画_桝輪郭(int colour, int X, int Y);

    // Clears the side panel and draws the whole board, its coordinates and the title.
    void 画面_再描画();

private:
    WindowPort& port_;
    const 表示設定& 表示_;
    const 盤面型& 盤面_;
    Clock& clock_;
};

}  // namespace bexoru
