// bexoru-cli selfplay: the computer plays both armies, turning the board round
// after every move, and prints the game move by move.

#include <chrono>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "board/presentation.h"
#include "board/starting_position.h"
#include "cli.h"
#include "computer.h"
#include "engine/piece_count.h"
#include "play/com_turn_core.h"
#include "play/drawing.h"
#include "play/sound_module.h"
#include "records/board_text.h"
#include "records/record_file.h"
#include "searching.h"

namespace bexoru::cli {

namespace {

// A window nobody sees: it keeps the message boxes the turn shows, so the
// moves can be annotated, and draws nothing.
class SilentWindow final : public WindowPort {
public:
    std::vector<std::string> messages;

    void setBackColor(int) override {}
    void paintPicture(std::string_view, double, double) override {}
    void fillBox(double, double, double, double, int) override {}
    void outlineBox(double, double, double, double, int) override {}
    void printText(double, double, std::string_view, int, int) override {}
    void refresh() override {}
    void messageBox(std::string_view, std::string_view text, bool) override { messages.emplace_back(text); }
    bool askYesNo(std::string_view, std::string_view) override { return false; }
    void setMenuChecked(std::string_view, bool) override {}
    bool isMenuChecked(std::string_view) const override { return false; }
    void setPanelVisible(PanelControl, bool) override {}
    void clearNameText() override {}
    std::string nameText() const override { return {}; }
    std::string currentFolder() const override { return {}; }
    std::string clickedFile() const override { return {}; }
    void refreshFileList() override {}
    void openUrl(std::string_view) override {}
    void quit() override {}
};

class SilentSound final : public SoundLibrary {
public:
    std::int32_t dsInitialize(std::intptr_t) override { return 0; }
    std::int32_t dsCreateDSB(std::int32_t, const std::uint8_t*, std::size_t, std::int32_t) override { return 0; }
    std::int32_t dsPlay(std::int32_t) override { return 0; }
    std::int32_t dsPlayLooping(std::int32_t) override { return 0; }
    std::int32_t dsStop(std::int32_t) override { return 0; }
    std::int32_t dsFree(std::int32_t) override { return 0; }
    std::int32_t dsTerminate(std::int32_t) override { return 0; }
};

// A clock that jumps a second at every reading: the blink never waits.
class JumpingClock final : public Clock {
public:
    double seconds() override { return now_ += 1.0; }

private:
    double now_ = 0;
};

// Board reversal: every piece to the point-symmetric square with its sign
// exchanged. The log is turned with it (the reversal command clears it, but
// here it is the game's own record, and the Lion look-back reads it).
void turn_round(盤面型& board, 棋譜記録& log) {
    const 盤面型 before = board;
    for (int X = 1; X <= 盤サイズ; ++X)
        for (int Y = 1; Y <= 盤サイズ; ++Y) board(盤サイズ + 1 - X, 盤サイズ + 1 - Y) = -before(X, Y);
    for (int n = 1; n <= log.記録数; ++n) {
        const auto i = static_cast<std::size_t>(n);
        log.記録_移動元X[i] = 盤サイズ + 1 - log.記録_移動元X[i];
        log.記録_移動元Y[i] = 盤サイズ + 1 - log.記録_移動元Y[i];
        log.記録_移動先X[i] = 盤サイズ + 1 - log.記録_移動先X[i];
        log.記録_移動先Y[i] = 盤サイズ + 1 - log.記録_移動先Y[i];
        log.記録_移動駒[i] = -log.記録_移動駒[i];
        log.記録_成駒[i] = -log.記録_成駒[i];
        log.記録_取駒[i] = -log.記録_取駒[i];
    }
}

// A step seen from the first mover's side when the board stands turned round.
指し手 as_first_mover_sees(指し手 s, bool turned) {
    if (!turned) return s;
    return {盤サイズ + 1 - s.移動元X,
            盤サイズ + 1 - s.移動元Y,
            盤サイズ + 1 - s.移動先X,
            盤サイズ + 1 - s.移動先Y,
            -s.移動駒,
            -s.成駒};
}

std::string notes(const std::vector<std::string>& messages) {
    std::string out;
    for (const std::string& m : messages) {
        if (m == 王手_文) out += " check";
        if (m == 王手太子_文) out += " check-prince";
        if (m == 詰め_文) out += " mate";
    }
    return out;
}

int parse_selfplay_level(std::string_view text, std::string_view what) {
    if (text.size() == 1 && text[0] >= '0' + first_search_level && text[0] <= '0' + last_search_level)
        return text[0] - '0';
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '3') return text[0] - '0';
    throw Refusal(std::string(what) + " must be 1 to " + std::to_string(last_search_level) + ", not " + quoted(text));
}

std::pair<int, int> parse_levels(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) throw Refusal("selfplay: --levels must be two levels A,B such as 3,2");
    return {parse_selfplay_level(text.substr(0, comma), "selfplay: --levels A"),
            parse_selfplay_level(text.substr(comma + 1), "selfplay: --levels B")};
}

int parse_entries(std::string_view text) {
    const bool digits =
        !text.empty() && text.size() <= 6 && text.find_first_not_of("0123456789") == std::string_view::npos;
    const int n = digits ? std::stoi(std::string(text)) : 0;
    if (n < 1 || n > 記録最大)
        throw Refusal("selfplay: --entries must be a number 1.." + std::to_string(記録最大) + ", not " + quoted(text));
    return n;
}

constexpr OptionSpec selfplay_options[] = {
    {"levels", "A,B"}, {"from", "FILE"}, {"entries", "N"},   {"board", ""},
    {"times", ""},     {"nodes", "N"},   {"movetime", "MS"}, {"record", "FILE"},
};

int run_selfplay(const Arguments& args, Io& io) {
    const auto [level_a, level_b] = args.value("levels") ? parse_levels(*args.value("levels")) : std::pair{3, 3};
    const int entries = args.value("entries") ? parse_entries(*args.value("entries")) : 記録最大;
    const std::optional<std::string_view> record = args.value("record");
    if (record && args.value("from"))
        throw Refusal("selfplay: --record needs the starting position; it cannot be used with --from");
    盤面型 position;
    if (const auto file = args.value("from"))
        position = load_board(*file, io);
    else
        初期配置(position);

    ComTurn game(position, level_a <= 3 ? level_a : 3);
    // One searching engine for each army that plays at level 4 to 6; each
    // keeps its tables from move to move.
    std::unique_ptr<search::Engine> engines[2];
    if (level_a >= first_search_level) engines[0] = std::make_unique<search::Engine>(16);
    if (level_b >= first_search_level) engines[1] = std::make_unique<search::Engine>(16);
    if (!engines[0] && !engines[1]) {
        for (const std::string_view option : {"nodes", "movetime"}) {
            if (args.value(option)) throw Refusal("selfplay: --" + std::string(option) + " is for levels 4 to 6");
        }
    }
    SilentWindow window;
    SilentSound sound;
    JumpingClock clock;
    const 表示設定 display;
    描画器 drawing(window, display, game.board, clock);
    音モジュール sound_module(sound, window);
    std::optional<std::string> result;
    com_ban文脈 turn{
        .盤面 = game.board,
        .記録 = game.log,
        .状態 = game.state,
        .com = game.com,
        .man = game.man,
        .描画 = drawing,
        .表示 = display,
        .音 = sound_module,
        .port = window,
        .終了 = [&](std::string_view r) { result = std::string(r); },
        .調査_駒数 =
            [&](int& man, int& com) {
                const 駒数 n = 盤上駒数(game.board);
                man = n.MAN駒数;
                com = n.COM駒数;
            },
    };

    std::vector<double> times[2];
    std::string out;
    std::string outcome;
    bool turned = false;  // the board stands turned round: the second mover is to play
    for (int number = 1;; ++number, turned = !turned) {
        const std::string_view army = turned ? "lower" : "upper";
        const std::string_view other = turned ? "upper" : "lower";
        if (entries - game.log.記録数 < 2) {
            outcome = "unfinished (" + std::to_string(game.log.記録数) + " entries)";
            break;
        }
        const int level = turned ? level_b : level_a;
        game.state.レベル = level <= 3 ? level : 3;
        game.state.手番 = game.state.COM側;
        game.survey();

        const auto start = std::chrono::steady_clock::now();
        探索結果 r;
        if (level >= first_search_level) {
            const search::Position p = search::Position::from_game(game.board, game.log, search::kUpper);
            r = as_turn(p, engines[turned ? 1 : 0]->search(p, level_limits(level, args, "selfplay")));
        } else {
            r = com探索(game.board, game.log, game.state, game.com, game.man);
        }
        times[turned ? 1 : 0].push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        window.messages.clear();
        com_ban着手(turn, r);

        if (r.手) {
            out += std::to_string(number) + ' ' + std::string(army) + ' ' +
                   format_step(as_first_mover_sees(*r.手, turned)) + " score " + format_score(r.最高評価値);
            if (r.二手目) {
                out += " second " + format_second_step(as_first_mover_sees(second_step_of(r), turned)) + " score2 " +
                       format_score(r.二手目->評価);
            }
            out += notes(window.messages) + '\n';
        }
        if (result) {
            if (*result == 結果_COM勝ち)
                outcome = std::string(army) + " wins (royal capture)";
            else if (*result == 結果_MAN勝ち)
                outcome = std::string(other) + " wins (no move)";
            else
                outcome = "draw (bare army)";
            break;
        }
        turn_round(game.board, game.log);
    }
    out += "result " + outcome + '\n';

    // The board and the log as the first mover sees them.
    if (turned) turn_round(game.board, game.log);
    if (args.flag("board")) out += format_board_text(game.board);
    if (record) {
        std::string why;
        if (!棋譜ファイル書込(std::string(*record), 棋譜テキスト(game.log), why))
            throw Refusal("selfplay: " + printable(*record) + ": cannot write the record: " + why);
    }
    if (args.flag("times")) {
        out += "time upper (level " + std::to_string(level_a) + "): " + std::to_string(times[0].size()) +
               " searches, " + format_timing(times[0]) + '\n';
        out += "time lower (level " + std::to_string(level_b) + "): " + std::to_string(times[1].size()) +
               " searches, " + format_timing(times[1]) + '\n';
    }
    io.out << out;
    return exit_ok;
}

}  // namespace

static_assert(記録最大 == 2000, "the help below names the log's size");

const Command selfplay_command{
    .name = "selfplay",
    .synopsis =
        "[--levels A,B] [--from FILE] [--entries N] [--board] [--times] [--nodes N] [--movetime MS] [--record FILE]",
    .summary = "let the computer play both armies",
    .details =
        "The computer plays both armies from the starting position (or FILE): the upper\n"
        "army (positive codes) moves first at level A, then the board is turned round as\n"
        "the reversal command does (every piece to the point-symmetric square, its code\n"
        "negated) and the other army moves at level B, as the upper army, and so on. The\n"
        "game is kept in one move log, turned round with the board.\n"
        "\n"
        "One line per move, seen from the first mover's side (the board as given):\n"
        "  N ARMY X1 Y1 X2 Y2 BEFORE AFTER score S [second X2 Y2 X3 Y3 CODE score2 S2]\n"
        "with ARMY 'upper' or 'lower', then 'check', 'check-prince' or 'mate' when the\n"
        "move was announced so. The last line is the result:\n"
        "  result ARMY wins (royal capture)   the other army's last royal piece was taken\n"
        "  result ARMY wins (no move)         the other army had no legal move\n"
        "  result draw (bare army)            a move left the other army bare\n"
        "  result unfinished (N entries)      the log has no room for another move\n"
        "\n"
        "Options:\n"
        "  --levels A,B  the levels of the first and the second mover, 1 to 6 (default\n"
        "                3,3); levels 4 to 6 are the searching engine's.\n"
        "  --from FILE   start from the position in FILE; its upper army moves first.\n"
        "  --entries N   stop when the move log could not take another double move\n"
        "                within N entries, 1..2000 (default 2000, the log's size).\n"
        "  --board       print the final position after the result, as board text.\n"
        "  --times       print the median and worst search time of each army.\n"
        "  --nodes N     levels 4 to 6 stop after N nodes a move instead of their time:\n"
        "                the game is then the same on every run.\n"
        "  --movetime MS levels 4 to 6 think MS milliseconds a move.\n"
        "  --record FILE write the game as a record (.棋譜) the game can load: the upper\n"
        "                army moved first, as in a game begun with 後手. Not with --from.\n",
    .options = selfplay_options,
    .min_positional = 0,
    .max_positional = 0,
    .run = run_selfplay,
};

}  // namespace bexoru::cli
