// bexoru-cli: the game's rules and surveys on positions given as text, for
// players who study positions, for scripts, and for our own checks.
//
// Each command lives in a file of its own and is listed once in `commands`
// below; this file parses the arguments against the command's entry, prints
// the help texts and turns every refusal into one line on stderr.

#include <array>
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli.h"

#ifndef BEXORU_VERSION
#define BEXORU_VERSION "unknown"
#endif

namespace bexoru::cli {
namespace {

constexpr std::array commands{&board_command,    &moves_command,  &influence_command,    &com_command,
                              &selfplay_command, &record_command, &sfen_command,         &usi_command,
                              &xboard_command,   &bench_command,  &bench_search_command, &perft_command,
                              &verify_moves_command};

const Command* find_command(std::string_view name) {
    for (const Command* c : commands)
        if (c->name == name) return c;
    return nullptr;
}

void print_overall_help(std::ostream& out) {
    out << "Usage: bexoru-cli COMMAND [ARGUMENTS]\n"
           "       bexoru-cli COMMAND --help\n"
           "\n"
           "Answers questions about Chu Shogi positions with the rules and surveys of the\n"
           "Bexoru game.\n"
           "\n"
           "Commands:\n";
    std::size_t width = 0;
    for (const Command* c : commands) width = std::max(width, c->name.size());
    for (const Command* c : commands)
        out << "  " << c->name << std::string(width + 2 - c->name.size(), ' ') << c->summary << '\n';
    out << "  "
        << "help" << std::string(width + 2 - 4, ' ') << "show this text, or a command's help\n"
        << "\n"
           "A position is a text file of 12 lines of 12 piece codes (-39..39, 0 empty),\n"
           "row 1 (the top) first, column 1 (the left) first on each line, separated by\n"
           "spaces or tabs; blank lines and lines starting with '#' are ignored.\n"
           "FILE '-' reads standard input. Squares are given as X (column) and Y (row), 1..12.\n"
           "\n"
           "Options: --help, -h  show help;  --version  show the version.\n"
           "Exit status: 0 success, 2 bad input or usage, 1 any other failure (such as\n"
           "standard output that cannot be written).\n";
}

void print_command_help(const Command& c, std::ostream& out) {
    out << "Usage: bexoru-cli " << c.name;
    if (!c.synopsis.empty()) out << ' ' << c.synopsis;
    out << "\n\n" << c.details;
}

int run(std::span<const std::string_view> words, Io& io) {
    if (words.empty()) {
        throw Refusal("no command given (see 'bexoru-cli --help')");
    }
    const std::string_view first = words[0];
    if (first == "--help" || first == "-h") {
        print_overall_help(io.out);
        return exit_ok;
    }
    if (first == "--version") {
        io.out << "bexoru-cli " << BEXORU_VERSION << '\n';
        return exit_ok;
    }
    if (first == "help") {
        if (words.size() == 1 || words[1] == "--help" || words[1] == "-h") {
            print_overall_help(io.out);
            return exit_ok;
        }
        const Command* c = find_command(words[1]);
        if (c == nullptr || words.size() > 2)
            throw Refusal("help: expected one command name (see 'bexoru-cli --help')");
        print_command_help(*c, io.out);
        return exit_ok;
    }
    const Command* command = find_command(first);
    if (command == nullptr) {
        throw Refusal("unknown command " + quoted(first) + " (see 'bexoru-cli --help')");
    }
    const Arguments args = parse_arguments(*command, words.subspan(1));
    if (args.help) {
        print_command_help(*command, io.out);
        return exit_ok;
    }
    const int n = static_cast<int>(args.positional.size());
    if (n < command->min_positional || n > command->max_positional) {
        throw Refusal(std::string(command->name) + ": " + (n < command->min_positional ? "missing" : "too many") +
                      " arguments; usage: bexoru-cli " + std::string(command->name) + " " +
                      std::string(command->synopsis));
    }
    return command->run(args, io);
}

}  // namespace
}  // namespace bexoru::cli

int main(int argc, char** argv) {
    using namespace bexoru::cli;
    std::ios::sync_with_stdio(false);
    Io io{std::cin, std::cout, std::cerr};
    int status = exit_ok;
    try {
        const std::vector<std::string_view> words(argv + (argc > 0 ? 1 : 0), argv + argc);
        status = run(words, io);
    } catch (const Refusal& e) {
        std::cerr << "bexoru-cli: " << e.what() << '\n';
        return exit_refused;
    } catch (const std::bad_alloc&) {
        std::cerr << "bexoru-cli: out of memory\n";
        return exit_failed;
    } catch (const std::exception& e) {
        std::cerr << "bexoru-cli: internal fault: " << e.what() << '\n';
        return exit_failed;
    }
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "bexoru-cli: cannot write standard output\n";
        return exit_failed;
    }
    return status;
}
