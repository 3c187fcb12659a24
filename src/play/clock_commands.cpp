// The game clocks in play: the time control chosen from the ｵﾌﾟｼｮﾝ menu, the
// flag fall that ends a game, and when the clocks run.
//
// A clock runs while its army is to move in a running game: the person's
// from the moment the turn is handed over, the computer's while it thinks.
// A modal box inside a move (the second-step question, the computer's
// announcements) is the mover's time; the window does not look at the flags
// while one is open, and the move that comes after the flag fell ends the
// game by time instead.
//
// Stepping through the log never fakes times: 戻 and 進 stop the clocks and
// each army keeps the time it had used; the next click on the board that
// goes on playing starts the clock of the army to move with a fresh byoyomi.
// A record read from a file carries no times: the game continued from it
// starts with fresh clocks. A game brought back from the recovery record
// does so too.
//
// A time control chosen during a game applies from the next game, or at
// once while no clock has run yet.

#include "play/form1.h"

namespace bexoru {

namespace {
constexpr std::string_view 時間切れ_題 = "終局";
constexpr std::string_view 時間切れ_文 = "時間切れになりました";
}  // namespace

void Form1::時計を確認() {
    if (時間切れ判定()) 補助表示を更新();
}

void Form1::時計を表示() {
    補助表示を渡す();
}

bool Form1::時間切れ判定() {
    if (状態.手番 == 未対局) return false;
    const auto 軍 = 時計.切れた軍(clock.seconds());
    if (!軍) return false;
    思考を中断();
    時計.止める(clock.seconds());
    port.messageBox(時間切れ_題, 時間切れ_文);
    終了(勝者の名(-*軍));
    return true;
}

void Form1::時計を再開() {
    if (状態.手番 == 未対局 || 状態.再生中 || 時計.動いている軍() != 0) return;
    時計.動かす(札の軍(状態.手番), clock.seconds());
}

void Form1::JIKAN0_Click() {
    持ち時間選択(0);
}
void Form1::JIKAN1_Click() {
    持ち時間選択(1);
}
void Form1::JIKAN2_Click() {
    持ち時間選択(2);
}
void Form1::JIKAN3_Click() {
    持ち時間選択(3);
}

void Form1::持ち時間選択(int 候補) {
    持ち時間 = 持ち時間の候補[候補];
    持ち時間の印();
    if (!時計.始動済()) 時計.新規(持ち時間);
    書込_環境設定ファイル();
}

void Form1::持ち時間の印() {
    for (int i = 0; i < 4; ++i)
        port.setMenuChecked("JIKAN" + std::to_string(i), 持ち時間の候補[i] == 持ち時間);
}

}  // namespace bexoru
