#pragma once
// A drawing procedure set on the recording port, with colours that differ
// from one another so a test can tell which one was used.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/board.h"
#include "board/presentation.h"
#include "support/recording_port.h"
#include "play/drawing.h"

namespace bexoru::test {

class DrawingTest : public ::testing::Test {
protected:
    DrawingTest() {
        表示.背景色 = 2;
        表示.桝輪郭色 = 3;
        表示.盤色 = 4;
        表示.文字色 = 15;
        表示.黒色 = 0;
    }

    // The printed texts with their places, as "text@x,y/size/colour" in twips.
    std::vector<std::string> printed() const {
        std::vector<std::string> out;
        for (const Call& c : port.of(Call::Text)) out.push_back(describe(c));
        return out;
    }
    static std::string describe(const Call& c) {
        auto num = [](double v) {
            std::string s = std::to_string(v);
            s.erase(s.find_last_not_of('0') + 1);
            if (s.back() == '.') s.pop_back();
            return s;
        };
        return c.name + "@" + num(c.x) + "," + num(c.y) + "/" + std::to_string(c.size) + "/" + std::to_string(c.colour);
    }

    RecordingPort port;
    表示設定 表示;
    盤面型 盤面;
    FakeClock clock;
    描画器 描画{port, 表示, 盤面, clock};
};

}  // namespace bexoru::test
