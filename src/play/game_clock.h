#pragma once
// The game clocks: the time each army has used, and with a time control the
// main time left and Japanese byoyomi (once an army's main time is gone,
// each of its moves must be made within the byoyomi seconds). The clock only
// counts; the controller tells it when an army starts and stops thinking and
// when a move is made, reading the time from the Clock interface, so tests
// drive it with a fake clock.
//
// The armies are named as the player's aids name them: 1 the upper army,
// -1 the lower army, 0 none.

#include <optional>
#include <string>

namespace bexoru {

// A time control, in whole seconds; both 0: none, only the time used is kept.
struct 持ち時間設定 {
    int 持ち時間 = 0;
    int 秒読み = 0;
    bool 有り() const { return 持ち時間 > 0 || 秒読み > 0; }
    bool operator==(const 持ち時間設定&) const = default;
};

// The presets of the ｵﾌﾟｼｮﾝ → 持ち時間 menu, in its order: none, 10 minutes
// with 30 s byoyomi, 30 minutes with 60 s byoyomi, 30 s byoyomi only.
inline constexpr 持ち時間設定 持ち時間の候補[] = {{0, 0}, {600, 30}, {1800, 60}, {0, 30}};

class 対局時計 {
public:
    // A fresh pair of clocks for a new game, both stopped at zero.
    void 新規(const 持ち時間設定& 設定);
    const 持ち時間設定& 設定() const { return 設定_; }

    // The army 軍 thinks from 今 on; the army that was thinking is charged
    // until 今 and stops, its move still unmade. 0 stops both.
    void 動かす(int 軍, double 今);
    void 止める(double 今) { 動かす(0, 今); }
    int 動いている軍() const { return 動軍_; }
    // Whether any time has been counted in this game.
    bool 始動済() const { return 始動済_; }

    // The army 軍 made its move at 今: charged until then when its clock
    // runs, it stops, and its next move starts a new byoyomi.
    void 着手(int 軍, double 今);
    // Both armies start their next move afresh (a move taken back or replayed).
    void 手を改める();

    // The time the army has used in this game, up to 今.
    double 消費(int 軍, double 今) const;
    // With a time control: the main time the army has left, and how long it
    // may still think on the move in hand before its flag falls (main time
    // left plus the byoyomi, or the byoyomi left once the main time is gone).
    double 残り持ち時間(int 軍, double 今) const;
    double この手の残り(int 軍, double 今) const;
    // Whether the army's main time is gone and it plays by byoyomi.
    bool 秒読み中(int 軍, double 今) const;
    // The army whose flag has fallen by 今, if any.
    std::optional<int> 切れた軍(double 今) const;

private:
    struct 側 {
        double 消費 = 0;      // charged so far, without the thinking in hand
        double 手前消費 = 0;  // 消費 when the move in hand started
    };
    側& 側の(int 軍) { return 軍 > 0 ? 上_ : 下_; }
    const 側& 側の(int 軍) const { return 軍 > 0 ? 上_ : 下_; }
    // The move in hand may use the time up to this much 消費.
    double 限度(const 側& s) const;

    持ち時間設定 設定_;
    側 上_, 下_;
    int 動軍_ = 0;
    double 開始_ = 0;
    bool 始動済_ = false;
};

// A span of seconds as the clocks show it: "m:ss", "h:mm:ss" from an hour.
// A time left is rounded up (0:00 only when it is gone), a time used down.
std::string 時間の表記(double 秒, bool 切り上げ);

// What the side panel shows under the side labels for one army: its name,
// then "残り m:ss" in main time, "秒読み N" in byoyomi, or "消費 m:ss"
// without a time control; the second line holds the time used when a time
// control runs, and is empty otherwise.
struct 時計の表示 {
    std::string 行;
    std::string 消費行;
    bool 急ぎ = false;  // in byoyomi: painted as a warning
};
時計の表示 時計の表記(const 対局時計& 時計, int 軍, std::string_view 名, double 今);

}  // namespace bexoru
