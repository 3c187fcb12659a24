#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>

#include "cli.h"
#include "exchange/notation.h"
#include "records/board_text.h"

namespace bexoru::cli {

std::string printable(std::string_view word) {
    return word.empty() ? "''" : printable_excerpt(word, 60);
}

std::string quoted(std::string_view word) {
    return "'" + printable_excerpt(word, 60) + "'";
}

namespace {

bool is_option(std::string_view word) {
    if (word.size() < 2 || word[0] != '-') return false;
    return !(word[1] >= '0' && word[1] <= '9');
}

}  // namespace

bool Arguments::flag(std::string_view name) const {
    for (const auto& [n, v] : options)
        if (n == name) return true;
    return false;
}

std::optional<std::string_view> Arguments::value(std::string_view name) const {
    for (const auto& [n, v] : options)
        if (n == name) return v;
    return std::nullopt;
}

Arguments parse_arguments(const Command& command, std::span<const std::string_view> words) {
    Arguments args;
    bool options_ended = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (options_ended || !is_option(word)) {
            args.positional.push_back(word);
            continue;
        }
        if (word == "--") {
            options_ended = true;
            continue;
        }
        if (word == "--help" || word == "-h") {
            args.help = true;
            continue;
        }
        const std::size_t eq = word.find('=');
        const std::string_view name = word.substr(0, eq).substr(word.starts_with("--") ? 2 : 1);
        const OptionSpec* spec = nullptr;
        if (word.starts_with("--"))
            for (const OptionSpec& o : command.options)
                if (o.name == name) spec = &o;
        if (spec == nullptr) {
            throw Refusal(std::string(command.name) + ": unknown option " + quoted(word.substr(0, eq)) +
                          " (see 'bexoru-cli " + std::string(command.name) + " --help')");
        }
        const std::string option = "--" + std::string(spec->name);
        if (args.flag(spec->name)) throw Refusal(std::string(command.name) + ": " + option + " given twice");
        std::string_view value;
        if (spec->value_name.empty()) {
            if (eq != std::string_view::npos)
                throw Refusal(std::string(command.name) + ": " + option + " takes no value");
        } else if (eq != std::string_view::npos) {
            value = word.substr(eq + 1);
        } else if (i + 1 < words.size()) {
            value = words[++i];
        } else {
            throw Refusal(std::string(command.name) + ": " + option + " needs a value (" +
                          std::string(spec->value_name) + ")");
        }
        args.options.emplace_back(spec->name, value);
    }
    return args;
}

盤面型 load_board(std::string_view path, Io& io) {
    BoardTextResult result;
    std::string name;
    if (path == "-") {
        name = "standard input";
        result = parse_board_text(io.in);
    } else {
        name = printable(path);
        const std::filesystem::path file_path{std::string(path)};
        std::error_code ec;
        if (std::filesystem::is_directory(file_path, ec)) throw Refusal(name + ": is a directory, not a board text");
        std::ifstream file(file_path, std::ios::binary);
        if (!file) throw Refusal(name + ": cannot open: " + std::strerror(errno));
        result = parse_board_text(file);
        if (file.bad()) throw Refusal(name + ": read error");
    }
    if (!result.ok()) {
        throw Refusal(name + ": line " + std::to_string(result.error->line) + ": " + result.error->message);
    }
    return result.board;
}

CommandPosition load_position(const Arguments& args, Io& io, std::string_view command, std::size_t after) {
    const std::size_t n = args.positional.size();
    const std::string name{command};
    CommandPosition out;
    if (const auto sfen = args.value("sfen")) {
        if (n > after) throw Refusal(name + ": give a FILE or --sfen, not both");
        if (n < after) throw Refusal(name + ": missing arguments after the position");
        const exchange::DiagramResult r = exchange::parse_sfen(*sfen);
        if (!r.ok()) throw Refusal(name + ": --sfen: " + r.error->message);
        out.board = r.diagram.board;
        out.side = r.diagram.side;
        out.lion_taken = r.diagram.lion_taken;
        out.rest = 0;
        return out;
    }
    if (n != after + 1) throw Refusal(name + ": " + (n < after + 1 ? "missing" : "too many") + " arguments");
    out.board = load_board(args.positional[0], io);
    out.rest = 1;
    return out;
}

std::string read_input(std::string_view path, Io& io, std::string_view command, std::size_t limit) {
    const std::string name = path == "-" ? "standard input" : printable(path);
    std::string bytes;
    std::istream* in = &io.in;
    std::ifstream file;
    if (path != "-") {
        const std::filesystem::path file_path{std::string(path)};
        std::error_code ec;
        if (std::filesystem::is_directory(file_path, ec))
            throw Refusal(std::string(command) + ": " + name + ": is a directory");
        file.open(file_path, std::ios::binary);
        if (!file) throw Refusal(std::string(command) + ": " + name + ": cannot open: " + std::strerror(errno));
        in = &file;
    }
    char chunk[65536];
    while (in->read(chunk, sizeof chunk) || in->gcount() > 0) {
        bytes.append(chunk, static_cast<std::size_t>(in->gcount()));
        if (bytes.size() > limit)
            throw Refusal(std::string(command) + ": " + name + ": larger than " + std::to_string(limit) + " bytes");
    }
    if (in->bad()) throw Refusal(std::string(command) + ": " + name + ": read error");
    return bytes;
}

int parse_square_coordinate(std::string_view text, std::string_view what) {
    const bool digits =
        !text.empty() && text.size() <= 2 && text.find_first_not_of("0123456789") == std::string_view::npos;
    const int v = digits ? std::stoi(std::string(text)) : 0;
    if (!盤内(v, 1)) throw Refusal(std::string(what) + " must be a number 1..12, not " + quoted(text));
    return v;
}

StudyGame::StudyGame(const 盤面型& position, bool second_step_pending) : board(position) {
    state.手番 = 先手;
    state.MAN側 = 先手;
    state.COM側 = 後手;
    state.対局モード = 対局_COM;
    state.二手目状態 = second_step_pending ? 二手目状態型::二手目 : 二手目状態型::一手目;
    // As after a new game: the entry before the first one reads as a harmless Pawn.
    log.手[0].成駒 = +1;
}

ルール parse_rules(const Arguments& args, std::string_view command) {
    return given_rules(args, command).value_or(ルール::本来);
}

std::optional<ルール> given_rules(const Arguments& args, std::string_view command) {
    const auto text = args.value("rules");
    if (!text) return std::nullopt;
    if (*text == "original") return ルール::本来;
    if (*text == "standard") return ルール::標準;
    throw Refusal(std::string(command) + ": --rules " + quoted(*text) + " is neither 'original' nor 'standard'");
}

}  // namespace bexoru::cli
