// The blink of a moved piece and the wait it is timed with.

#include <map>

#include "drawing_fixture.h"

namespace bexoru::test {
namespace {

// A fake clock that notes, for each reading, how many port calls had been
// made by then: the readings between two port calls belong to one wait.
class WatchingClock final : public Clock {
public:
    explicit WatchingClock(const RecordingPort& port) : port_(port) {}
    double seconds() override {
        now += step;
        readings.push_back({port_.calls.size(), now});
        return now;
    }
    // The time spent waiting after each port call, by that call's count.
    std::map<std::size_t, double> waits() const {
        std::map<std::size_t, std::pair<double, double>> spans;
        for (const auto& [calls, t] : readings) {
            auto [it, fresh] = spans.try_emplace(calls, t, t);
            if (!fresh) it->second.second = t;
        }
        std::map<std::size_t, double> out;
        for (const auto& [calls, span] : spans) out[calls] = span.second - span.first;
        return out;
    }

    double now = 5000.0;
    double step = 0.01;
    std::vector<std::pair<std::size_t, double>> readings;

private:
    const RecordingPort& port_;
};

class Blink : public DrawingTest {
protected:
    WatchingClock watch{port};
    描画器 timed{port, 表示, 盤面, watch};
};

TEST_F(Blink, EachBlinkShowsTheSquareEmptyThenThePieceRefreshingAndWaitingAfterEach) {
    timed.描画_駒点滅(-1, 4, 9, 2);

    // Per blink: empty square, outline, outline, refresh; piece, outline, outline, refresh.
    const Call::Kind blink[] = {Call::Picture, Call::Outline, Call::Outline, Call::Refresh,
                                Call::Picture, Call::Outline, Call::Outline, Call::Refresh};
    ASSERT_EQ(port.calls.size(), 16u);
    for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(port.calls[i].kind, blink[i % 8]) << "call " << i;
    EXPECT_EQ(port.calls[0].name, "KARA_MASU");
    EXPECT_EQ(port.calls[4].name, "SITA_HU");
    EXPECT_EQ(port.calls[12].name, "SITA_HU") << "it ends with the piece shown";
    for (const Call& c : port.of(Call::Picture)) {
        EXPECT_EQ(c.x, 2240);
        EXPECT_EQ(c.y, 5100);
    }

    // A wait of 0.15 s follows every refresh, and nothing else waits.
    const auto waits = watch.waits();
    ASSERT_EQ(waits.size(), 4u);
    for (std::size_t after : {4u, 8u, 12u, 16u}) {
        ASSERT_TRUE(waits.count(after)) << "no wait after call " << after;
        EXPECT_GE(waits.at(after), 0.15 - 1e-9);
        EXPECT_LT(waits.at(after), 0.15 + 2 * watch.step);
    }
}

TEST_F(Blink, NoBlinksDrawNothing) {
    timed.描画_駒点滅(-1, 4, 9, 0);
    EXPECT_TRUE(port.calls.empty());
    EXPECT_TRUE(watch.readings.empty());
}

TEST_F(Blink, WaitEndsOnceTheTimeHasPassed) {
    struct Row {
        const char* name;
        double seconds;
        std::size_t maxReadings;  // 0: the clock is not even read
    };
    const Row rows[] = {
        {"zero returns at once", 0.0, 0},
        {"negative returns at once", -1.0, 0},
        {"0.15 s", 0.15, 17},
        {"a fraction of the clock's step", 0.001, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        watch.readings.clear();
        const double start = watch.now;
        timed.待ち時間(row.seconds);
        EXPECT_LE(watch.readings.size(), row.maxReadings);
        if (row.seconds > 0) {
            EXPECT_GE(watch.now - start, row.seconds);
        }
    }
}

}  // namespace
}  // namespace bexoru::test
