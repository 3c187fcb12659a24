#pragma once
// A loaded game window run headless in a scratch start folder, with the four
// sounds present so each has its own handle, and helpers to click squares and
// to read what the program answered since the last look.

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "play/form1.h"
#include "board/presentation.h"
#include "support/recording_port.h"

namespace bexoru::test {

struct 置駒 {
    int X, Y;
    駒コード c;
};

class PlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        old_ = std::filesystem::current_path();
        dir_ = std::filesystem::temp_directory_path() / ("bexoru_play_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        std::filesystem::current_path(dir_);
        for (const char* f : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"})
            std::ofstream(dir_ / f) << "RIFF" << f;
        form.Form_Load();
        // These tests check when the computer is handed the turn, not what it
        // plays; tests of the computer's move live with the engine.
        form.COM手番.代役 = [] {};
        禁止_ = form.音.音_禁止;
        駒打_ = form.音.音_駒打;
        見た();
    }
    void TearDown() override {
        std::filesystem::current_path(old_);
        std::filesystem::remove_all(dir_);
    }

    void click(int X, int Y, int button = 左ボタン) { form.Form_MouseDown(button, 0, 座標X(X + 0.5), 座標Y(Y + 0.5)); }

    // Message boxes ("title|text"), questions ("?title|text") and sounds
    // ("禁止", "駒打") since the last look, each in its own order.
    struct 反応 {
        std::vector<std::string> 箱;
        std::vector<std::string> 音;
    };
    反応 見た() {
        反応 r;
        for (const Call& c : port.calls) {
            if (c.kind == Call::Message) r.箱.push_back(c.title + "|" + c.name);
            if (c.kind == Call::Question) r.箱.push_back("?" + c.title + "|" + c.name);
        }
        for (const std::string& s : sound.calls) {
            if (s == "dsPlay(" + std::to_string(禁止_) + ")") r.音.push_back("禁止");
            if (s == "dsPlay(" + std::to_string(駒打_) + ")") r.音.push_back("駒打");
        }
        port.clear();
        sound.calls.clear();
        return r;
    }

    // A fresh game state on an otherwise empty board with these pieces.
    void 盤に置く(std::initializer_list<置駒> 駒々) {
        form.初期設定();
        form.盤面 = 盤面型{};
        for (const 置駒& p : 駒々) form.盤面(p.X, p.Y) = p.c;
    }
    // A two-person game running on the board as it stands, the lower army to move.
    void 二人で続ける(int 手番 = 先手) {
        form.状態.対局モード = 対局_MAN対MAN;
        form.状態.MAN側 = 先手;
        form.状態.COM側 = 後手;
        form.状態.手番 = 手番;
    }
    // Where an outline in this colour was drawn since the last look, as squares.
    std::vector<桝位置> 輪郭(int colour) const {
        std::vector<桝位置> out;
        for (const Call& c : port.of(Call::Outline))
            if (c.colour == colour) out.push_back(マウス桝(c.x + 1, c.y + 1));
        return out;
    }

    RecordingPort port;
    FakeSound sound;
    FakeClock clock;
    Form1 form{port, sound, clock};
    std::filesystem::path old_, dir_;
    std::int32_t 禁止_ = 0, 駒打_ = 0;
};

using 箱々 = std::vector<std::string>;
using 音々 = std::vector<std::string>;

}  // namespace bexoru::test
