#pragma once
// The application object: one per main window. It owns every piece of game
// state, grouped by what it belongs to, and its public members are the
// window's events. The Qt window (or a test) turns its own events into these
// calls; nothing here knows about widgets.

#include <cstdint>
#include <filesystem>

#include "board/board.h"
#include "board/game_state.h"
#include "board/move_log.h"
#include "board/presentation.h"
#include "port/clock.h"
#include "port/sound_library.h"
#include "port/window_port.h"
#include "ui/drawing.h"
#include "ui/sound_module.h"

namespace bexoru {

inline constexpr int キー_Escape = 27;

class Form1 {
public:
    Form1(WindowPort& port, SoundLibrary& sound, Clock& clock, std::intptr_t windowHandle = 0);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Window events.
    void Form_Load();
    void Form_MouseDown(int Button, int Shift, double X, double Y);
    void Form_KeyPress(int KeyAscii);
    void Form_Unload();

    // Menu commands.
    void TAIKYOKU_Click();
    void MATCH_MAN_Click();
    void START_Click();
    void SENTE_Click();
    void GOTE_Click();
    void LEVEL1_Click();
    void LEVEL2_Click();
    void LEVEL3_Click();
    void OWARI_Click();
    void STOP_Click();
    void CANCEL_Click();
    void REVERSE_Click();
    void REPLAY_Click();
    void AFTER_Click();
    void LBEL_UP_Click();
    void LEBEL_DOWN_Click();
    void KIFU_READ_Click();
    void KIFU_WRITE_Click();
    void OPTION_Click();
    void SIDOU_Click();
    void BGM_Click();
    void IDOU_HLP_Click();
    void KAISETU_Click();
    void VER_Click();

    // The record-file panel.
    void File1_Click();
    void Command1_Click();

    // Starting position and per-game state, then a full redraw.
    void 初期設定();
    // Frees the sounds and shuts the sound library down; then the program may end.
    void 終了処理();
    // Reads the settings file of the start folder (move guidance, music).
    void 読込_環境設定ファイル();

    // Board and move log.
    盤面型 盤面;
    棋譜記録 記録;
    // Turn tokens, mode flags and the mouse handler's inputs.
    対局状態 状態;
    入力状態 入力;
    // Presentation: colours and the last-move places.
    表示設定 表示;
    std::filesystem::path 起動フォルダ;

    WindowPort& port;
    Clock& clock;
    音モジュール 音;
    描画器 描画;

private:
    std::intptr_t windowHandle_;
};

}  // namespace bexoru
