#pragma once
// bexoru-cli: the pieces every command shares. A command is one entry of the
// table in main.cpp: its name, its help text, the options it takes and the
// function that runs it. main.cpp parses the arguments against the entry,
// answers --help, and turns a Refusal into one line on stderr and status 2.

#include <iosfwd>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "board/board.h"
#include "board/game_state.h"
#include "board/move_log.h"
#include "rules/move_check.h"

namespace bexoru::cli {

inline constexpr int exit_ok = 0;
inline constexpr int exit_failed = 1;   // output could not be written, or an internal fault
inline constexpr int exit_refused = 2;  // bad input or usage

// Bad input or usage: main prints "bexoru-cli: <what()>" on one line and exits with 2.
class Refusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Io {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

struct OptionSpec {
    std::string_view name;        // without the leading "--"
    std::string_view value_name;  // empty for a flag; otherwise the option takes a value
};

// The arguments after the command's name. Options may stand anywhere, as
// "--name VALUE" or "--name=VALUE"; "--" ends the options; "-" and anything
// that starts with "-" and a digit are positional (standard input, negative numbers).
struct Arguments {
    std::vector<std::string_view> positional;
    std::vector<std::pair<std::string_view, std::string_view>> options;  // name, value ("" for a flag)
    bool help = false;

    bool flag(std::string_view name) const;
    std::optional<std::string_view> value(std::string_view name) const;
};

struct Command {
    std::string_view name;
    std::string_view synopsis;  // what follows the name in a usage line
    std::string_view summary;   // a few words for the command list
    std::string_view details;   // the command's --help after the usage line
    std::span<const OptionSpec> options;
    int min_positional;
    int max_positional;
    int (*run)(const Arguments& args, Io& io);
};

// Throws Refusal for an unknown option, a missing value or an option given twice.
Arguments parse_arguments(const Command& command, std::span<const std::string_view> words);

// Reads a board text from the file `path`, or standard input for "-".
// Throws Refusal naming the file and the line for anything wrong.
盤面型 load_board(std::string_view path, Io& io);

// The position of a command that takes a board text FILE as its first
// argument, or an SFEN given with --sfen SFEN instead of the FILE.
// `after` is how many arguments the command takes after the FILE; the count
// is checked here. `side` is the SFEN's side to move (-1 the lower army,
// +1 the upper), nothing for a board text; `rest` is the first argument
// after the position.
struct CommandPosition {
    盤面型 board{};
    std::optional<int> side;
    std::size_t rest = 0;
    std::optional<桝位置> lion_taken;  // an SFEN's counter-strike square
};
CommandPosition load_position(const Arguments& args, Io& io, std::string_view command, std::size_t after);

// The whole of a file, or of standard input for "-", refused past `limit` bytes.
std::string read_input(std::string_view path, Io& io, std::string_view command, std::size_t limit);

// A word from the command line or a file name as it may stand in a one-line
// message (see printable_excerpt); an empty word shows as ''.
std::string printable(std::string_view word);
// The same in single quotes: 'word'.
std::string quoted(std::string_view word);

// --rules original|standard: the rule set a command judges and plays moves by;
// the game's own rules when the option is not given. Throws Refusal naming
// the command for any other value.
inline constexpr OptionSpec rules_option{"rules", "SET"};
ルール parse_rules(const Arguments& args, std::string_view command);
// The rule set --rules names, or nothing when the option is not given.
std::optional<ルール> given_rules(const Arguments& args, std::string_view command);

// A column or row number 1..12; `what` names it in the refusal ("column X").
int parse_square_coordinate(std::string_view text, std::string_view what);

// A running game between a person (the lower army, moving first) and the
// computer, with an empty move log: the setting in which the commands ask
// the rules and surveys their questions.
struct StudyGame {
    盤面型 board{};
    棋譜記録 log{};
    対局状態 state{};
    規則局面 context{board, log, state};

    explicit StudyGame(const 盤面型& position, bool second_step_pending = false);
    StudyGame(const StudyGame&) = delete;
    StudyGame& operator=(const StudyGame&) = delete;
};

extern const Command board_command;
extern const Command moves_command;
extern const Command influence_command;
extern const Command com_command;
extern const Command selfplay_command;
extern const Command record_command;
extern const Command bench_command;
extern const Command bench_search_command;
extern const Command perft_command;
extern const Command verify_moves_command;
extern const Command sfen_command;
extern const Command usi_command;
extern const Command xboard_command;

}  // namespace bexoru::cli
