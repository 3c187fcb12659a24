// Move help: the player clicks any piece, the board empties, the piece alone
// stands on a demonstration square and may be moved (a double move and a
// promotion by the right button included); the next click brings the game
// position back. Every way out goes through 移動ヘルプ_戻, so the game
// position is never altered.

#include "play/move_help.h"

#include <array>

#include "play/form1.h"
#include "play/move_drawing.h"
#include "rules/promotion.h"
#include "rules/reach_marks.h"

namespace bexoru {

namespace {

constexpr int 見本列 = 6;

// The kinds that step rather than range or jump far; they stand one row
// further forward so there is room in front of them.
constexpr bool 歩む駒(int kind) {
    constexpr std::array 表{駒::歩, 駒::と, 駒::銅, 駒::横行_成, 駒::横行, 駒::銀,   駒::金,
                            駒::豹, 駒::虎, 駒::仲, 駒::象_成,   駒::象,   駒::太子, 駒::王};
    for (int k : 表)
        if (k == kind) return true;
    return false;
}

}  // namespace

std::optional<int> HLP駒Y座標(駒コード code) {
    if (code == 空 || is_pseudo(code)) return std::nullopt;
    const bool 歩む = 歩む駒(std::abs(code));
    if (code < 0) return 歩む ? 5 : 6;
    return 歩む ? 8 : 7;
}

駒コード ヘルプ二手目の駒(駒コード code, int dx) {
    const int 符号 = code < 0 ? -1 : 1;
    switch (std::abs(code)) {
        case 駒::鷲:
            return 符号 * (dx < 0 ? 擬_鷲一 : 擬_鷲二);
        case 駒::鷹:
            return 符号 * 擬_鷹;
        case 駒::獅子_成:
            return 符号 * 擬_獅成;
        default:
            return 符号 * 擬_獅;
    }
}

void Form1::IDOU_HLP_Click() {
    if (思考中は拒否()) return;
    if (状態.移動ヘルプ == 移動ヘルプ型::切) {
        ヘルプ.移動ヘルプ盤面控 = 盤面;
    } else {
        移動ヘルプ_戻();
    }
    状態.移動ヘルプ = 移動ヘルプ型::駒待ち;
    port.messageBox("移動ﾍﾙﾌﾟ", "駒をｸﾘｯｸして下さい");
}

void Form1::移動ヘルプ_処理(int Button, int 列, int 行) {
    // The demonstration shows each piece's own moves: a Lion there moves as a
    // whole even while a second step of the game is pending.
    対局状態 見本状態 = 状態;
    見本状態.二手目状態 = 二手目状態型::一手目;
    規則局面 見本{盤面, 記録, 見本状態};

    if (状態.移動ヘルプ == 移動ヘルプ型::駒待ち) {
        const 駒コード code = 盤内(列, 行) ? ヘルプ.移動ヘルプ盤面控(列, 行) : 空;
        const std::optional<int> 行番号 = HLP駒Y座標(code);
        if (!行番号) {
            port.messageBox("移動ﾍﾙﾌﾟ", "駒をｸﾘｯｸして下さい");
            return;
        }
        状態.移動ヘルプ = 移動ヘルプ型::移動待ち;
        ヘルプ.ヘルプ手数 = 二手目状態型::一手目;
        for (int X = 1; X <= 盤サイズ; ++X) {
            for (int Y = 1; Y <= 盤サイズ; ++Y) {
                if (盤面(X, Y) == 空) continue;
                盤面(X, Y) = 空;
                描画.描画_桝(X, Y);
            }
        }
        ヘルプ.ヘルプX = 見本列;
        ヘルプ.ヘルプY = *行番号;
        盤面(ヘルプ.ヘルプX, ヘルプ.ヘルプY) = code;
        描画_移動可能桝色(見本, 描画, 表示, ヘルプ.ヘルプX, ヘルプ.ヘルプY, 表示.文字色, code);
        描画.描画_駒(code, ヘルプ.ヘルプX, ヘルプ.ヘルプY);
        描画.描画_桝輪郭(表示.選択色, ヘルプ.ヘルプX, ヘルプ.ヘルプY);
        return;
    }

    if (状態.移動ヘルプ == 移動ヘルプ型::移動待ち) {
        const 駒コード code = 盤面(ヘルプ.ヘルプX, ヘルプ.ヘルプY);
        if (!移動チェック(見本, ヘルプ.ヘルプX, ヘルプ.ヘルプY, 列, 行, code)) {
            拒否("移動ﾍﾙﾌﾟ", "そこへ移動できません！");
            return;
        }
        描画_移動可能桝色(見本, 描画, 表示, 列, 行, 表示.背景色, code);
        音.鳴らす(音.音_駒打);

        const int dx = 列 - ヘルプ.ヘルプX, dy = 行 - ヘルプ.ヘルプY;
        if (ヘルプ.ヘルプ手数 == 二手目状態型::一手目 && 二手目の出る一歩(code, dx, dy)) {
            const 駒コード 二手目駒 = ヘルプ二手目の駒(code, dx);
            駒移動(見本, 描画, 表示, ヘルプ.ヘルプX, ヘルプ.ヘルプY, 列, 行, code);
            描画_移動可能桝色(見本, 描画, 表示, 列, 行, 表示.文字色, 二手目駒);
            描画.描画_桝輪郭(表示.選択色, 列, 行);
            if (port.askYesNo("２手移動", "もう一手移動しますか？")) {
                ヘルプ.ヘルプX = 列;
                ヘルプ.ヘルプY = 行;
                盤面(列, 行) = 二手目駒;
                ヘルプ.ヘルプ二手目駒 = 二手目駒;
                ヘルプ.ヘルプ手数 = 二手目状態型::二手目;
            } else {
                移動ヘルプ_戻();
            }
            return;
        }

        // An ordinary move, or the second step: the demonstration is done.
        状態.移動ヘルプ = 移動ヘルプ型::移動済;
        駒コード 駒 = (code < 0 ? -1 : 1) * whole_kind(code);
        盤面(ヘルプ.ヘルプX, ヘルプ.ヘルプY) = 空;
        描画.描画_桝(ヘルプ.ヘルプX, ヘルプ.ヘルプY);
        if (調査_駒成(盤面, ヘルプ.ヘルプX, ヘルプ.ヘルプY, 列, 行, 駒, 状態.成駒結果) && Button == 右ボタン) {
            駒 = 状態.成駒結果;
        }
        盤面(列, 行) = 駒;
        描画.描画_駒(駒, 列, 行);
        描画_移動可能桝色(見本, 描画, 表示, 列, 行, 表示.文字色, 駒);
        描画.描画_桝輪郭(表示.選択色, 列, 行);
        return;
    }

    移動ヘルプ_戻();
}

void Form1::移動ヘルプ_戻() {
    状態.移動ヘルプ = 移動ヘルプ型::切;
    盤面 = ヘルプ.移動ヘルプ盤面控;
    for (int X = 1; X <= 盤サイズ; ++X) {
        for (int Y = 1; Y <= 盤サイズ; ++Y) {
            if (盤面(X, Y) == 空) {
                描画.描画_桝(X, Y);
            } else {
                描画.描画_駒(盤面(X, Y), X, Y);
            }
        }
    }
}

void Form1::移動ヘルプ_解除() {
    if (状態.移動ヘルプ == 移動ヘルプ型::切) return;
    状態.移動ヘルプ = 移動ヘルプ型::切;
    移動ヘルプ_戻();
}

}  // namespace bexoru
