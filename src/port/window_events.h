#pragma once
// The window's events as the controller receives them: the other half of the
// window port. The Qt window turns mouse, menu, record-panel and key events
// into these calls, named after the window's controls; the controller (Form1)
// answers them through the window port. Nothing here knows about Qt.

namespace bexoru {

// The move list's buttons and keys (|◀ ◀ ▶ ▶|, Home Left Right End): to the
// starting position, one move back, one move forward, to the last move.
enum class 棋譜一覧操作 { 最初, 戻る, 進む, 最後 };

class WindowEvents {
public:
    virtual ~WindowEvents() = default;

    // The window is shown for the first time: the game starts.
    virtual void Form_Load() = 0;
    // A press of a mouse button (1 left, 2 right) at window position (X, Y)
    // in twips; Shift is not used.
    virtual void Form_MouseDown(int Button, int Shift, double X, double Y) = 0;
    // A typed character (キー_Escape for the Escape key).
    virtual void Form_KeyPress(int KeyAscii) = 0;
    // The window is being closed: false when the controller keeps it open.
    virtual bool Form_Unload() = 0;

    // The menu commands.
    virtual void TAIKYOKU_Click() = 0;
    virtual void MATCH_MAN_Click() = 0;
    virtual void START_Click() = 0;
    virtual void SENTE_Click() = 0;
    virtual void GOTE_Click() = 0;
    virtual void LEVEL1_Click() = 0;
    virtual void LEVEL2_Click() = 0;
    virtual void LEVEL3_Click() = 0;
    virtual void LEVEL4_Click() = 0;
    virtual void LEVEL5_Click() = 0;
    virtual void LEVEL6_Click() = 0;
    virtual void OWARI_Click() = 0;
    virtual void STOP_Click() = 0;
    virtual void CANCEL_Click() = 0;
    virtual void REVERSE_Click() = 0;
    virtual void REPLAY_Click() = 0;
    virtual void AFTER_Click() = 0;
    virtual void LBEL_UP_Click() = 0;
    virtual void LEBEL_DOWN_Click() = 0;
    virtual void KIFU_READ_Click() = 0;
    virtual void KIFU_WRITE_Click() = 0;
    // The 棋譜 menu's exchange items: the position as SFEN to the clipboard,
    // and the game read from or written to a USI or PGN file.
    virtual void SFEN_COPY_Click() = 0;
    virtual void USI_READ_Click() = 0;
    virtual void USI_WRITE_Click() = 0;
    virtual void PGN_READ_Click() = 0;
    virtual void PGN_WRITE_Click() = 0;
    virtual void OPTION_Click() = 0;
    virtual void SIDOU_Click() = 0;
    virtual void BGM_Click() = 0;
    // ｵﾌﾟｼｮﾝ → English: the window's texts in English or back in Japanese.
    virtual void ENGLISH_Click() = 0;
    // ｵﾌﾟｼｮﾝ → ルール: the game's own rules or the standard rules.
    virtual void RULE_HON_Click() = 0;
    virtual void RULE_STD_Click() = 0;
    virtual void IDOU_HLP_Click() = 0;
    virtual void KAISETU_Click() = 0;
    virtual void VER_Click() = 0;

    // The record-file panel: a file clicked in the list, the RETURN button.
    virtual void File1_Click() = 0;
    virtual void Command1_Click() = 0;

    // The ｵﾌﾟｼｮﾝ menu's switches for the move list and the player's aids.
    virtual void KIFU_LIST_Click() {}
    virtual void AIDS_Click() {}
    // The move list: a line clicked (0 the starting position), a button or key.
    virtual void 棋譜一覧_選択(int /*行*/) {}
    virtual void 棋譜一覧_操作(棋譜一覧操作 /*操作*/) {}
    // The ｵﾌﾟｼｮﾝ → 持ち時間 presets (none, 10 min + 30 s, 30 min + 60 s,
    // byoyomi 30 s only) for the next game.
    virtual void JIKAN0_Click() {}
    virtual void JIKAN1_Click() {}
    virtual void JIKAN2_Click() {}
    virtual void JIKAN3_Click() {}
    // The window's timer, a few times a second while no modal box is open:
    // the controller ends the game when a flag has fallen.
    virtual void 時計を確認() {}
    // At every tick of that timer, also while a box is open: the player's
    // aids handed over again with the clocks as they are now (the move list
    // is left alone, so a list the player scrolls stays where it is).
    virtual void 時計を表示() {}

    // After each event the window passes on: hand the player's aids over
    // (WindowPort::showAids).
    virtual void 補助表示を更新() {}
};

}  // namespace bexoru
