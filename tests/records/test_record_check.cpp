// Records checked against the board before they are loaded: the steps the
// game writes (double moves, declined second steps, Lion captures over a
// bridge, promotions, blank lines) pass; steps the board does not bear out
// are refused at their line.

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "board/starting_position.h"
#include "records/record_check.h"

namespace bexoru {
namespace {

struct 置駒 {
    int X, Y;
    駒コード c;
};

// Builds a record step by step on a board of its own, so each entry names
// what stands where it moves from and to.
class 棋譜作り {
public:
    explicit 棋譜作り(std::initializer_list<置駒> 駒々) {
        for (const 置駒& p : 駒々) 盤(p.X, p.Y) = p.c;
        初形 = 盤;
    }
    棋譜作り() {
        初期配置(盤);
        初形 = 盤;
    }
    // A step as the game logs it; 成る gives the promoted code.
    棋譜作り& 指す(int X1, int Y1, int X2, int Y2, bool 成る = false) {
        const 駒コード c = 盤(X1, Y1);
        const 駒コード 後 = 成る ? c + (c > 0 ? 1 : -1) : c;
        手々.push_back({X1, Y1, X2, Y2, c, 後, 盤(X2, Y2)});
        盤(X1, Y1) = 空;
        盤(X2, Y2) = 後;
        return *this;
    }
    // The first step logged again, as when the second step is declined.
    棋譜作り& 二手目を断る() {
        指し手 again = 手々.back();
        again.取駒 = again.成駒;
        手々.push_back(again);
        return *this;
    }
    棋譜作り& 空行() {
        手々.push_back({});
        return *this;
    }
    // Any entry, written out.
    棋譜作り& 行(指し手 手) {
        手々.push_back(手);
        return *this;
    }
    棋譜読込結果 照合() const {
        棋譜読込結果 r;
        r.手々 = 手々;
        棋譜照合(r, 初形, ルール::本来);
        return r;
    }

    盤面型 盤{};
    盤面型 初形{};
    std::vector<指し手> 手々;
};

void 通る(const 棋譜作り& b, const char* name) {
    const 棋譜読込結果 r = b.照合();
    EXPECT_EQ(r.不備, 棋譜不備::なし) << name << ": line " << r.不備行;
    EXPECT_EQ(r.手々.size(), b.手々.size()) << name;
}

void 止まる(const 棋譜作り& b, 棋譜不備 不備, int 行, const char* name) {
    const 棋譜読込結果 r = b.照合();
    EXPECT_EQ(r.不備, 不備) << name;
    EXPECT_EQ(r.不備行, 行) << name;
    EXPECT_TRUE(r.手々.empty()) << name;
}

TEST(RecordCheck, DoubleMovesDeclinedStepsAndBlankLinesPass) {
    // Kings far away; a lower Lion, Eagle and Falcon; an upper pawn beside the Lion.
    棋譜作り b({{6, 12, -39}, {6, 1, 39}, {6, 8, -34}, {3, 9, -18}, {10, 9, -24}, {6, 7, 1}});
    b.指す(6, 8, 6, 7).指す(6, 7, 6, 8);  // the Lion takes the pawn and steps back
    b.指す(6, 1, 6, 2);
    b.指す(3, 9, 2, 8).指す(2, 8, 1, 7);  // the Eagle on along its diagonal
    b.指す(6, 2, 6, 1);
    b.指す(10, 9, 10, 8).二手目を断る();  // the Falcon declines its second step
    b.指す(6, 1, 6, 2);
    b.指す(6, 8, 7, 7).指す(7, 7, 8, 6);  // the Lion's two steps
    b.指す(6, 2, 6, 1);
    b.指す(8, 6, 8, 5).二手目を断る();  // the Lion declines
    b.空行().空行();
    通る(b, "a game of double moves");

    // From the starting position, as the game records it.
    棋譜作り s;
    s.指す(6, 10, 6, 8).指す(12, 4, 12, 5).指す(6, 8, 6, 7).指す(6, 7, 6, 6).指す(12, 5, 12, 6);
    s.指す(6, 6, 6, 5).指す(6, 5, 6, 4);  // a second step that captures
    s.指す(7, 3, 6, 4).指す(6, 4, 7, 3);  // the upper Lion takes it and steps back
    通る(s, "from the starting position");
}

TEST(RecordCheck, StepsTheBoardDoesNotBearOutAreRefusedAtTheirLine) {
    棋譜作り 飛ぶ;
    飛ぶ.指す(12, 4, 12, 5).行({5, 9, 5, 1, -1, -1, 13});
    止まる(飛ぶ, 棋譜不備::指せない手, 5, "a pawn jumping eight rows");

    棋譜作り 金;
    金.指す(5, 12, 4, 11).指す(12, 4, 12, 5).指す(4, 11, 5, 12);
    止まる(金, 棋譜不備::指せない手, 6, "a Gold moving diagonally back");

    棋譜作り 元;
    元.行({5, 5, 5, 6, 1, 1, 0});
    止まる(元, 棋譜不備::移動元が違う, 4, "nothing on the origin");
    棋譜作り 別の駒;
    別の駒.行({3, 4, 3, 5, 9, 9, 0});
    止まる(別の駒, 棋譜不備::移動元が違う, 4, "another piece on the origin");

    棋譜作り 取;
    取.指す(3, 4, 3, 5).行({3, 5, 3, 6, 1, 1, -1});
    止まる(取, 棋譜不備::取駒が違う, 5, "a capture on an empty square");
    棋譜作り 取らず;
    取らず.行({1, 3, 1, 4, 7, 7, 0});
    止まる(取らず, 棋譜不備::取駒が違う, 4, "a piece passed over in silence");

    棋譜作り 形;
    形.指す(3, 4, 3, 5).行({3, 9, 3, 0, -1, -1, 0});
    止まる(形, 棋譜不備::値が不正, 5, "a step to row 0");
    棋譜作り 符号;
    符号.行({3, 4, 3, 5, 1, -1, 0});
    止まる(符号, 棋譜不備::値が不正, 4, "a pawn that changes sides");
    棋譜作り 表の外;
    表の外.行({3, 4, 3, 5, 1, 1, 0}).行({3, 9, 3, 8, -341, -341, 0});
    止まる(表の外, 棋譜不備::値が不正, 5, "a pseudo code as a piece");
    棋譜作り 駒なし;
    駒なし.行({3, 4, 3, 5, 0, 0, 0});
    止まる(駒なし, 棋譜不備::値が不正, 4, "a step of no piece");

    棋譜作り 繰り返し;
    繰り返し.指す(3, 9, 3, 8).二手目を断る();
    止まる(繰り返し, 棋譜不備::移動元が違う, 5, "a pawn's step logged twice");
}

TEST(RecordCheck, TheLionRulesHoldAsInPlay) {
    // An upper Lion on (6, 6) defended by a Gold behind it; a lower Lion two
    // squares below; an upper Silver and Pawn beside the way.
    const std::initializer_list<置駒> 局面 = {{1, 12, -39}, {12, 1, 39}, {6, 8, -34}, {6, 6, 34},
                                              {6, 5, 13},   {5, 7, 9},   {7, 7, 1}};
    棋譜作り 直接(局面);
    直接.行({6, 8, 6, 6, -34, -34, 34});
    止まる(直接, 棋譜不備::指せない手, 4, "a Lion takes a defended Lion in one move");

    棋譜作り 銀越し(局面);
    銀越し.指す(6, 8, 5, 7).指す(5, 7, 6, 6);
    通る(銀越し, "over a Silver first");

    // The person is refused these, but the move check does not judge a
    // second step by what it took on the way, and the searching levels play
    // them.
    棋譜作り 歩越し(局面);
    歩越し.指す(6, 8, 7, 7).指す(7, 7, 6, 6);
    通る(歩越し, "over a Pawn first");
    棋譜作り 空越し(局面);
    空越し.指す(6, 8, 6, 7).指す(6, 7, 6, 6);
    通る(空越し, "a first step that took nothing");
    // Without the first step before it, the same step is a whole move.
    棋譜作り 一手だけ(局面);
    一手だけ.指す(6, 8, 6, 7).指す(12, 1, 12, 2).行({6, 7, 6, 6, -34, -34, 34});
    止まる(一手だけ, 棋譜不備::指せない手, 6, "a Lion's one step onto a defended Lion");

    棋譜作り 守りなし({{1, 12, -39}, {12, 1, 39}, {6, 8, -34}, {6, 6, 34}});
    守りなし.指す(6, 8, 6, 6);
    通る(守りなし, "an undefended Lion");

    // Right after a Gold took the lower Lion, the lower side may not take
    // the upper Lion back.
    棋譜作り 取り返し({{1, 12, -39}, {12, 1, 39}, {6, 8, -34}, {6, 7, 13}, {2, 5, 34}, {2, 6, -1}});
    取り返し.指す(6, 7, 6, 8).指す(2, 6, 2, 5);
    止まる(取り返し, 棋譜不備::指せない手, 5, "taking a Lion back at once");
}

TEST(RecordCheck, PromotionsFollowThePromotionRules) {
    const std::initializer_list<置駒> 局面 = {{1, 12, -39}, {12, 1, 39}, {5, 2, -1}, {3, 6, -9}, {9, 6, -39}};
    棋譜作り 成る(局面);
    成る.指す(5, 2, 5, 1, true);
    通る(成る, "a pawn promoting on the last row");
    棋譜作り 成らず(局面);
    成らず.指す(5, 2, 5, 1);
    止まる(成らず, 棋譜不備::成りが違う, 4, "a pawn left unpromoted on the last row");
    棋譜作り 陣の外(局面);
    陣の外.指す(3, 6, 3, 5, true);
    止まる(陣の外, 棋譜不備::成りが違う, 4, "a Silver promoting outside the zone");
    棋譜作り 入る(局面);
    入る.指す(3, 6, 3, 5).指す(12, 1, 12, 2).指す(3, 5, 3, 4, true);
    通る(入る, "a Silver promoting as it enters the zone");
    棋譜作り 違う駒(局面);
    違う駒.指す(3, 6, 3, 5).指す(12, 1, 12, 2).行({3, 5, 3, 4, -9, -11, 0});
    止まる(違う駒, 棋譜不備::成りが違う, 6, "a Silver promoting into a Rook");
    棋譜作り 王(局面);
    王.指す(9, 6, 9, 5).指す(12, 1, 12, 2).行({9, 5, 9, 4, -39, -38, 0});
    止まる(王, 棋譜不備::成りが違う, 6, "a King that promotes");
}

}  // namespace
}  // namespace bexoru

namespace bexoru {
namespace {

// Both Lions come face to face; the upper Lion takes the lower one, which
// its Pawn defends, and declines the second step. Only the standard rules
// let a Lion take an adjacent defended Lion.
constexpr std::string_view 隣の獅子の手々 =
    " 610 6 8-34-34  0\r\n 7 3 7 5 34 34  0\r\n 1 9 1 8 -1 -1  0\r\n 7 5 6 7 34 34  0\r\n"
    " 2 9 2 8 -1 -1  0\r\n 6 7 6 8 34 34-34\r\n 6 7 6 8 34 34 34\r\n";

TEST(RecordCheck, TheStandardRulesMarkerChoosesTheRulesARecordIsCheckedBy) {
    const std::string 本来 = "\r\n\r\n\r\n" + std::string(隣の獅子の手々);
    const std::string 標準 = std::string(標準ルール見出し) + "\r\n\r\n\r\n" + std::string(隣の獅子の手々);

    棋譜読込結果 r = 棋譜解析(標準);
    EXPECT_EQ(棋譜の規則(r), ルール::標準);
    棋譜照合(r);
    EXPECT_EQ(r.不備, 棋譜不備::なし);
    EXPECT_EQ(r.手々.size(), 7u);

    r = 棋譜解析(本来);
    EXPECT_EQ(棋譜の規則(r), ルール::本来);
    棋譜照合(r);
    EXPECT_EQ(r.不備, 棋譜不備::指せない手);
    EXPECT_EQ(r.不備行, 9) << "the capture of the defended Lion";

    // A reader that passes over the header lines reads the marked file as
    // the unmarked one: the same entries, and the header is only a title.
    const 棋譜読込結果 marked = 棋譜解析(標準), plain = 棋譜解析(本来);
    EXPECT_EQ(marked.不備, 棋譜不備::なし);
    EXPECT_EQ(marked.手々, plain.手々);
    EXPECT_EQ(marked.見出し[0], "標準ルール");
    盤面型 初形;
    初期配置(初形);
    棋譜読込結果 旧 = 棋譜解析(標準);
    棋譜照合(旧, 初形, ルール::本来);
    EXPECT_EQ(旧.不備行, 9) << "checked by the game's own rules, as an old reader would";

    // The marker is the first header line only when the writer is asked for it.
    棋譜記録 log;
    log.手[1] = 指し手{6, 9, 6, 8, -1, -1, 0};
    log.記録終端 = 1;
    EXPECT_EQ(棋譜テキスト(log), "\r\n\r\n\r\n 6 9 6 8 -1 -1  0\r\n");
    EXPECT_EQ(棋譜テキスト(log, ルール::標準), "標準ルール\r\n\r\n\r\n 6 9 6 8 -1 -1  0\r\n");
    // A marker in another header line, or in Shift-JIS, counts; a title
    // that only begins like it does not.
    EXPECT_EQ(棋譜の規則(棋譜解析("\r\n標準ルール\r\n\r\n 6 9 6 8 -1 -1  0\r\n")), ルール::標準);
    EXPECT_EQ(棋譜の規則(棋譜解析("\x95\x57\x8f\x80\x83\x8b\x81\x5b\x83\x8b\r\n\r\n\r\n 6 9 6 8 -1 -1  0\r\n")),
              ルール::標準);
    EXPECT_EQ(棋譜の規則(棋譜解析("標準ルールの対局\r\n\r\n\r\n 6 9 6 8 -1 -1  0\r\n")), ルール::本来);
}

}  // namespace
}  // namespace bexoru
