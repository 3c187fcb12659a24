#include "app/form1.h"

#include <system_error>

#include "board/starting_position.h"

namespace bexoru {

Form1::Form1(WindowPort& port, SoundLibrary& sound, Clock& clock, std::intptr_t windowHandle)
    : port(port), clock(clock), 音(sound, port), 描画(port, 表示, 盤面, clock), windowHandle_(windowHandle) {}

void Form1::Form_Load() {
    // Sound first: the device and the four sounds, read from the start folder.
    std::error_code ec;
    起動フォルダ = std::filesystem::current_path(ec);
    音.音_初期化(windowHandle_);
    音.全音読込(起動フォルダ);

    // Guidance off, level 3.
    port.setMenuChecked("SIDOU", false);
    port.setMenuChecked("LEVEL1", false);
    port.setMenuChecked("LEVEL2", false);
    port.setMenuChecked("LEVEL3", true);
    状態.レベル = 3;

    表示 = 表示設定{};
    表示.背景色 = 表示.盤色初期値;
    表示.桝輪郭色 = 表示.背景色;
    表示.盤色 = 表示.桝輪郭色;
    状態.再開確認 = OFF;
    状態.二手目状態 = 1;

    port.setBackColor(表示.背景色);

    初期設定();
    読込_環境設定ファイル();
}

void Form1::初期設定() {
    初期設定_状態(盤面, 記録, 状態);
    描画.画面_再描画();
}

void Form1::終了処理() { 音.全音解放(); }

void Form1::読込_環境設定ファイル() {}

void Form1::Form_MouseDown(int, int, double, double) {}

void Form1::Form_KeyPress(int KeyAscii) {
    if (KeyAscii != キー_Escape) return;
    終了処理();
    port.quit();
}

void Form1::Form_Unload() {
    終了処理();
    port.quit();
}

void Form1::OWARI_Click() {
    終了処理();
    port.quit();
}

// Commands whose subsystems are not built yet do nothing.
void Form1::TAIKYOKU_Click() {}
void Form1::MATCH_MAN_Click() {}
void Form1::START_Click() {}
void Form1::SENTE_Click() {}
void Form1::GOTE_Click() {}
void Form1::LEVEL1_Click() {}
void Form1::LEVEL2_Click() {}
void Form1::LEVEL3_Click() {}
void Form1::STOP_Click() {}
void Form1::CANCEL_Click() {}
void Form1::REVERSE_Click() {}
void Form1::REPLAY_Click() {}
void Form1::AFTER_Click() {}
void Form1::LBEL_UP_Click() {}
void Form1::LEBEL_DOWN_Click() {}
void Form1::KIFU_READ_Click() {}
void Form1::KIFU_WRITE_Click() {}
void Form1::OPTION_Click() {}
void Form1::SIDOU_Click() {}
void Form1::BGM_Click() {}
void Form1::IDOU_HLP_Click() {}
void Form1::KAISETU_Click() {}
void Form1::VER_Click() {}
void Form1::File1_Click() {}
void Form1::Command1_Click() {}

}  // namespace bexoru
