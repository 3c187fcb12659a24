// The computer's turn at levels 4 to 6. The searching engine thinks for
// a while, so the search runs off the window thread (WindowPort::
// runInBackground) and the window keeps painting and answering. The worker
// is given a copy of the position and a stop flag of its own and reads
// nothing else of the game; its answer comes back on the window thread and
// is played by com_ban着手, as the answer of levels 1 to 3 is.
//
// While the computer thinks:
// - every command that would change the game or the board (a click on the
//   board, starting a game, 最初, 反転, 戻 and 進, the handicap grades,
//   reading and writing a record, move help) is refused with the refusal
//   sound and 思考中拒否_文; the menus, the level, move guidance, the music
//   and the help stay free;
// - Escape stops the thinking and keeps the turn with the computer, whose
//   move waits for the next click on the board (the same "再開(COM)" question
//   a record stepped to the computer's turn asks): nothing has moved, and
//   the player may take back the last move, save, or change the level first;
// - closing the window or 終わり stops the thinking, then goes on as always
//   (with the question about unsaved moves);
// - an answer that comes back while a modal box is open waits until the box
//   is closed, so no move is ever played inside another command.

#include <utility>

#include "play/com_turn.h"
#include "play/form1.h"
#include "play/search_levels.h"
#include "search/engine.h"

namespace bexoru {

struct Form1::探索の仕事 {
    search::Position 局面;
    search::Limits 制限;
    std::shared_ptr<std::atomic<bool>> 停止 = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<search::Engine> 探索機;
    search::SearchResult 結果;  // written by the worker, read after it returned
};

Form1::~Form1() {
    if (思考_) 思考_->停止->store(true);
}

void Form1::探索を始める() {
    auto 仕事 = std::make_shared<探索の仕事>();
    探索の問い 問い = 対局の探索の問い(盤面, 記録, 状態.規則);
    仕事->局面 = 問い.局面;
    仕事->制限 = 探索レベルの制限(状態.レベル, COM手番.探索節点数);
    仕事->制限.history = std::move(問い.履歴);
    仕事->制限.stop = 仕事->停止.get();
    仕事->制限 = 時計で削る(仕事->制限, 時計.この手の残り(1, clock.seconds()));
    COM手番.最後の持ち時間_ms = 仕事->制限.movetime_ms;
    // The engine keeps its tables from move to move; one that a stopped
    // search may still be using is not shared (思考を中断 lets it go).
    if (!探索機_) 探索機_ = std::make_shared<search::Engine>();
    仕事->探索機 = 探索機_;
    COM手番.最後の停止 = 仕事->停止;
    思考_ = 仕事;
    port.runInBackground([仕事] { 仕事->結果 = 仕事->探索機->search(仕事->局面, 仕事->制限); },
                         [this, 仕事, 生存 = std::weak_ptr<int>(生存_)] {
                             if (!生存.expired()) 探索を終える(仕事);
                         });
}

void Form1::探索を終える(std::shared_ptr<探索の仕事> 仕事) {
    // A search that was stopped has nothing more to say.
    if (仕事 != 思考_) return;
    if (モーダル_ > 0) {
        // The computer has answered: a box the person keeps open is not
        // its time.
        時計.止める(clock.seconds());
        答え保留_ = true;
        return;
    }
    思考_.reset();
    const int 前の手数 = 状態.手数;
    com_ban着手(探索の答え(仕事->局面, 仕事->結果));
    if (状態.手数 != 前の手数) 回復記録更新();
}

void Form1::思考を中断() {
    if (!思考_) return;
    思考_->停止->store(true);
    思考_.reset();
    答え保留_ = false;
    探索機_.reset();
    時計.止める(clock.seconds());
    // The person's move handed the turn over without changing 手番 (the
    // computer's turn gives it back when it has moved): the turn that waits
    // is the computer's, as the recovery record already says.
    状態.手番 = 状態.COM側;
    描画.描画_四角形(表示.結果表示X_COM - 0.3, 表示.結果表示Y_COM, 1250, 400, 表示.背景色);
    port.refresh();
}

bool Form1::思考中は拒否() {
    if (!思考中()) return false;
    モーダルで([this] { 拒否(思考中_題, 思考中拒否_文); });
    return true;
}

void Form1::モーダルで(const std::function<void()>& 箱) {
    ++モーダル_;
    箱();
    --モーダル_;
    if (モーダル_ == 0 && 答え保留_ && 思考_) {
        答え保留_ = false;
        探索を終える(思考_);
    }
}

}  // namespace bexoru
