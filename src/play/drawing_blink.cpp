// The blink of a moved piece and the wait between its steps. Nothing else
// runs meanwhile, so every step refreshes the window itself.

#include <thread>

#include "play/drawing.h"

namespace bexoru {

namespace {
constexpr double 点滅間隔 = 0.15;  // seconds the square stays empty, then shown
}  // namespace

void 描画器::待ち時間(double IN_秒) {
    if (!(IN_秒 > 0)) return;
    // Elapsed time on a monotonic clock: a wait across midnight or a change
    // of the system time still ends after IN_秒.
    const double 終了 = clock_.seconds() + IN_秒;
    while (clock_.seconds() < 終了) std::this_thread::yield();
}

void 描画器::描画_駒点滅(駒コード code, int X, int Y, int count) {
    for (int i = 0; i < count; ++i) {
        描画_桝(X, Y);
        描画_桝輪郭(表示_.背景色, X, Y);
        port_.refresh();
        待ち時間(点滅間隔);
        描画_駒(code, X, Y);
        描画_桝輪郭(表示_.背景色, X, Y);
        port_.refresh();
        待ち時間(点滅間隔);
    }
}

}  // namespace bexoru
