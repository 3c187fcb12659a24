#pragma once
// The application object: one per main window. It owns every piece of game
// state, grouped by what it belongs to, and answers the window's events
// (WindowEvents). The Qt window (or a test) turns its own events into these
// calls; nothing here knows about widgets.
//
// The play-control procedures are members defined in src/play/, one file per
// idea: mouse_input.cpp (a person's moves), double_moves.cpp, game_commands.cpp
// (the start commands and the end of the program), game_end.cpp,
// move_help.cpp, move_guidance.cpp, levels.cpp, com_turn.cpp and
// com_search.cpp.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "board/board.h"
#include "board/game_state.h"
#include "board/move_log.h"
#include "board/presentation.h"
#include "engine/influence_maps.h"
#include "engine/search.h"
#include "play/move_help.h"
#include "port/clock.h"
#include "port/sound_library.h"
#include "port/window_events.h"
#include "port/window_port.h"
#include "rules/move_check.h"
#include "play/drawing.h"
#include "play/game_clock.h"
#include "play/recovery.h"
#include "play/sound_module.h"
#include "records/record_file.h"
#include "settings/locations.h"

namespace bexoru::search {
class Engine;
}

namespace bexoru {

class Form1 final : public WindowEvents {
public:
    Form1(WindowPort& port, SoundLibrary& sound, Clock& clock, std::intptr_t windowHandle = 0);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;
    // Stops a search still running; its result is never played.
    ~Form1() override;

    // --- Window events ------------------------------------------------------

    void Form_Load() override;
    // The load initialisation after the sounds: menus, level, colours and
    // flags, the starting position, then the settings file. Loading a record
    // runs it again (keeping the sound device and the sounds).
    void 起動時初期化();
    // A press of the left (1) or right (2) button at window position (X, Y)
    // in twips; other buttons are ignored. Shift is not used.
    void Form_MouseDown(int Button, int Shift, double X, double Y) override;
    void Form_KeyPress(int KeyAscii) override;
    // The window is being closed: false when the player kept a game that was
    // never saved, and the window stays open.
    bool Form_Unload() override;

    // --- Menu commands ------------------------------------------------------

    void TAIKYOKU_Click() override;
    void MATCH_MAN_Click() override;
    void START_Click() override;
    void SENTE_Click() override;
    void GOTE_Click() override;
    void LEVEL1_Click() override;
    void LEVEL2_Click() override;
    void LEVEL3_Click() override;
    void LEVEL4_Click() override;
    void LEVEL5_Click() override;
    void LEVEL6_Click() override;
    void OWARI_Click() override;
    void STOP_Click() override;
    void CANCEL_Click() override;
    void REVERSE_Click() override;
    void REPLAY_Click() override;
    void AFTER_Click() override;
    void LBEL_UP_Click() override;
    void LEBEL_DOWN_Click() override;
    void KIFU_READ_Click() override;
    void KIFU_WRITE_Click() override;
    void SFEN_COPY_Click() override;
    void USI_READ_Click() override;
    void USI_WRITE_Click() override;
    void PGN_READ_Click() override;
    void PGN_WRITE_Click() override;
    void OPTION_Click() override;
    void SIDOU_Click() override;
    void BGM_Click() override;
    void ENGLISH_Click() override;
    void RULE_HON_Click() override;
    void RULE_STD_Click() override;
    void IDOU_HLP_Click() override;
    void KAISETU_Click() override;
    void VER_Click() override;
    // The ｵﾌﾟｼｮﾝ menu's switches for the move list and the player's aids,
    // each remembered in the settings file (move_list.cpp).
    void KIFU_LIST_Click() override;
    void AIDS_Click() override;

    // The move list (move_list.cpp): a line clicked steps there as 戻 and 進
    // would, one move at a time; the buttons and keys step by one or to
    // either end.
    void 棋譜一覧_選択(int 行) override;
    void 棋譜一覧_操作(棋譜一覧操作 操作) override;

    void JIKAN0_Click() override;
    void JIKAN1_Click() override;
    void JIKAN2_Click() override;
    void JIKAN3_Click() override;

    // The record-file panel.
    void File1_Click() override;
    void Command1_Click() override;

    // --- Start-up, settings and the end of the program ----------------------

    // Starting position and per-game state, then a full redraw.
    void 初期設定();
    // Frees the sounds and shuts the sound library down. Called after the
    // window was told to quit, so it has gone by then: some sound servers
    // take a couple of seconds to let the device go.
    void 終了処理();
    // Reads the settings file 環境設定ファイル (move guidance, music, the
    // computer's level).
    void 読込_環境設定ファイル();
    // Draws the whole window afresh from the game state: the board, the side
    // labels, grades, move number and the last move of each army.
    void 画面を描き直す();
    // Writes the two options and the level to the settings file.
    void 書込_環境設定ファイル();

    // --- Double moves of the person's Lion, Falcon and Eagle (double_moves.cpp)

    // Each makes a first step that offers a second one and asks whether to
    // take it. 二手目駒 is the code the second step will be checked with.
    // false: the player agreed, (移動元X, 移動元Y) now hold the intermediate
    // square and the next click makes the second step. true: the player
    // declined, the step is logged a second time and the caller completes
    // the move.
    bool 移動処理_獅(int& 移動元X, int& 移動元Y, int 移動先X, int 移動先Y, 駒コード 二手目駒);
    bool 移動処理_鷹(int& 移動元X, int& 移動元Y, int 移動先X, int 移動先Y, 駒コード 二手目駒);
    bool 移動処理_鷲(int& 移動元X, int& 移動元Y, int 移動先X, int 移動先Y, 駒コード 二手目駒);

    // --- The end of a game (game_end.cpp) -----------------------------------

    // Announces the result ("引き分け" or the winner's name) and offers a new
    // game; declining ends the program.
    void 終了(std::string_view 結果);

    // --- Move help (move_help.cpp) ------------------------------------------

    // A board click while the help is on, by the help's state.
    void 移動ヘルプ_処理(int Button, int 列, int 行);
    // Puts the game position back and switches the help off.
    void 移動ヘルプ_戻();
    // What the commands that start a game, replay, reverse or set a handicap
    // do first: switch a running help off and bring the game position back.
    void 移動ヘルプ_解除();

    // --- Keeping the game in hand (recovery.cpp) ----------------------------

    // Whether the game on the board, or the game that ended and is kept to be
    // saved, has moves that were never saved.
    bool 未保存あり(破棄対象 対象) const;
    // Asks "保存されていない対局があります。破棄しますか？" when the command would
    // throw away unsaved moves; true when the command may go on.
    bool 破棄の確認(破棄対象 対象);
    // Writes the game in hand to the recovery record (or removes the record
    // when there is nothing to keep). 次の手番 stands for 手番 when the
    // computer is about to answer the person's move.
    void 回復記録更新(std::optional<int> 次の手番 = std::nullopt);
    // At start: offers to continue the game of the last run, if one was kept.
    void 前回の対局の確認();
    // The log has just been saved to a file, or read from one.
    void 保存済みにする();

    // --- The game clocks (clock_commands.cpp) -------------------------------

    // The window's timer: a flag that has fallen ends the game; the clocks
    // shown follow every tick.
    void 時計を確認() override;
    void 時計を表示() override;
    // When the army to move has run out of time: the game ends with
    // "時間切れになりました" and the other army winning (true).
    bool 時間切れ判定();
    // The army to move thinks from now on, unless a clock already runs; the
    // clocks stay stopped while no game runs or a record is replayed.
    void 時計を再開();
    // The army whose turn token is 札: 1 the upper army, -1 the lower.
    int 札の軍(int 札) const { return 札 == 状態.COM側 ? 1 : -1; }

    // --- The computer's turn (com_turn.cpp) ---------------------------------

    // The computer plays its move. Called when a game against the computer
    // hands it the turn: after each of the person's moves, by 後手 and 先手,
    // and by a board click while it is the computer's turn. Precondition: a
    // game against the computer runs, it is the computer's turn, no second
    // step is pending, and com図 and man図 are the maps of the position.
    // A log without room for a double move refuses the turn, which stays
    // with the computer.
    void com_ban();
    // The turn after the search: plays r (or ends the game when it holds no
    // move), announces, and hands the turn back. com_ban is the room check,
    // the thinking notice, com探索 and this. At levels 4 to 6 the search runs
    // off the window thread and this follows when its answer comes back.
    void com_ban着手(const 探索結果& r);

    // --- The searching levels' turn off the window thread (com_search.cpp) --

    // Whether the computer is thinking: a search of level 4 to 6 runs and its
    // move is not played yet. Meanwhile every command that would change the
    // game is refused.
    bool 思考中() const { return 思考_ != nullptr; }
    // Stops the search at once: its answer is dropped when it comes, the
    // thinking notice is cleared, and the turn stays with the computer (a
    // click on the board lets it think again).
    void 思考を中断();

    // Refuses what the player asked: the refusal sound, then the message,
    // which stays on the status line.
    void 拒否(std::string_view 題, std::string_view 文);

    // The player's aids (aids.cpp): worked out from the state and handed to
    // the window, with the move list; switched off, the window gets empty
    // aids (but for the clocks of a game with a time control). 状態行 is
    // what the last refused click left for the status line; empty, the
    // line says whose turn it is.
    void 補助表示を更新() override;
    // The aids alone, without the move list.
    void 補助表示を渡す();
    std::string 状態行;

    // --- State --------------------------------------------------------------

    // The time control chosen for the next game (ｵﾌﾟｼｮﾝ → 持ち時間, kept in
    // the settings file) and the clocks of the game on the board.
    持ち時間設定 持ち時間;
    対局時計 時計;
    // The rule set chosen under ｵﾌﾟｼｮﾝ → ルール and kept in the settings file:
    // every new game (初期設定) is played by it. The game on the board keeps its own
    // (状態.規則) until it ends.
    ルール 選んだ規則 = ルール::本来;

    // Board and move log.
    盤面型 盤面;
    棋譜記録 記録;
    // Turn tokens, mode flags and the mouse handler's inputs.
    対局状態 状態;
    入力状態 入力;
    // The rules' view of the three above (the move check reads all of them).
    規則局面 局面{盤面, 記録, 状態};
    // Influence maps and royal squares of each side, rebuilt after every move.
    COM勢力図 com図;
    MAN勢力図 man図;
    // Move help: the saved game position and the demonstrated piece.
    移動ヘルプ状態 ヘルプ;
    // Presentation: colours and the last-move places.
    表示設定 表示;
    // The folder of the help page and the sounds; the current folder when
    // left empty before Form_Load.
    std::filesystem::path 起動フォルダ;
    // The settings file read and written; empty: Bexoru.ini in 起動フォルダ.
    環境設定の置き場所 環境設定ファイル;
    // The recovery record, the saved state of the log and the game that ended.
    対局保全 保全;

    // Every hand-over to the computer is counted. 代役, when set, plays the
    // computer's turn in place of its own search (tests script the computer
    // with it).
    struct COM手番記録 {
        int 回数 = 0;
        std::function<void()> 代役;
        // Levels 4 to 6 stop after this many nodes instead of the level's
        // time when it is above 0, so that tests see the same moves every run.
        std::int64_t 探索節点数 = 0;
        // The stop flag of the search last started, for tests to look at.
        std::shared_ptr<const std::atomic<bool>> 最後の停止;
        // The time the search last started was given, in milliseconds (0:
        // none, a node budget alone).
        std::int64_t 最後の持ち時間_ms = 0;
    } COM手番;

    WindowPort& port;
    Clock& clock;
    音モジュール 音;
    描画器 描画;

private:
    // Parts of Form_MouseDown (mouse_input.cpp).
    void 手番の告知();
    void 駒の選択(int X, int Y);
    void 行き先の指定(int Button, int X, int Y);
    void 二手目で止める();
    void 着手完了(駒コード 取駒, 駒コード 一手目の取駒);
    // After the person's move: true when the game ended (game_end.cpp).
    bool 終局判定(駒コード 取駒, 駒コード 一手目の取駒, int MAN駒数, int COM駒数);
    // Under the standard rules, after a move of the army 指した軍 (+1 the
    // upper army, -1 the lower): a bare King, or the position for the fourth
    // time, ends the game. true when it ended; always false under the game's
    // own rules.
    bool 標準の終局判定(int 指した軍);
    // The name 終了 announces as the winner for an army (+1 upper, -1 lower).
    std::string_view 勝者の名(int 軍) const;

    // The first step of a double move and the question (double_moves.cpp).
    bool 一手目と問い(int& 移動元X, int& 移動元Y, int 移動先X, int 移動先Y, 駒コード 駒, 駒コード 二手目模様);

    // START, SENTE and GOTE (game_commands.cpp).
    void 対COM開始(bool 後手番);

    // Parts of com_ban (com_turn.cpp): the thinking notice in the computer's
    // last-move place, with a drop shadow; one step into the log and onto the
    // board and screen, with its sound and the outline of its destination,
    // the piece blinking first on its origin when asked.
    void 思考中表示();
    void COM一歩(const 指し手& 手, bool 点滅);

    // Loading a record read and checked whole: 読込 and the USI and PGN
    // readers (record_commands.cpp, exchange_commands.cpp).
    void 棋譜を載せる(const 棋譜読込結果& 結果);
    void 交換書出(bool PGN);
    void 交換読込(bool PGN);

    // The rule commands (option_commands.cpp): the menu's check marks, and
    // the choice itself, which a game in progress keeps for the next game.
    void 規則の印(ルール 規則);
    void 規則選択(ルール 規則);
    // Whether a game has begun on the board (moves were made, a record was
    // loaded, or a start command was given): its rule set is fixed.
    bool 対局が始まった() const;

    // The three level commands (levels.cpp).
    // The level commands (levels.cpp): check the item, set the level and
    // show it; a level chosen from the menu is also written to the settings.
    void レベル選択(int レベル);
    void レベルの印(int レベル);
    // The clocks' lines of the aids (aids.cpp), while a game runs.
    void 時計を表示に(補助表示& a);
    // The time control commands (clock_commands.cpp).
    void 持ち時間選択(int 候補);
    void 持ち時間の印();

    // The searching levels' turn (com_search.cpp): the search handed to a
    // worker with copies of what it reads, its answer played when it comes
    // back, and the refusal of commands meanwhile.
    struct 探索の仕事;
    void 探索を始める();
    // By value: it lets 思考_ go while it still plays the answer.
    void 探索を終える(std::shared_ptr<探索の仕事> 仕事);
    // While the computer thinks: refuses the command (true) with the
    // refusal sound and a message; false when it may go on.
    bool 思考中は拒否();
    // Runs a modal box while the computer thinks: an answer that comes back
    // meanwhile waits until the box is closed.
    void モーダルで(const std::function<void()>& 箱);

    // Parts of the recovery (recovery.cpp).
    回復対局 今の対局() const;
    void 対局を戻す(const 回復対局& 対局);
    // The end of the program after 終わり, Escape, closing the window or
    // declining a new game: false when the player kept an unsaved game.
    bool 終了してよいか();
    // Before a new game: the game that ended is let go, after the question
    // when it was never saved; false when the player keeps it.
    bool 終局控えを手放す();

    // The move list's lines and current line, handed to the window.
    void 棋譜一覧を渡す();
    // While a click on the list steps through the log, the recovery record
    // waits for the position reached.
    bool 一覧で移動中_ = false;

    std::intptr_t windowHandle_;

    // The search running now (none when the computer is not thinking), the
    // engine kept from move to move, and the answer held back while a modal
    // box is open.
    std::shared_ptr<探索の仕事> 思考_;
    std::shared_ptr<search::Engine> 探索機_;
    int モーダル_ = 0;
    bool 答え保留_ = false;
    // Answers coming back after this Form1 is gone find it expired.
    std::shared_ptr<int> 生存_ = std::make_shared<int>(0);
};

}  // namespace bexoru
