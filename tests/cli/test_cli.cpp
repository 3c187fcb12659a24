// Runs the built bexoru-cli as a user would and checks what it prints. The
// expected answers were worked out by hand from the rules, square by square.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string data_dir = BEXORU_CLI_DATA;

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string shell_quoted(const std::string& word) {
    std::string s = "'";
    for (const char ch : word) s += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return s + "'";
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the tool in the data folder, standard input from `input` ("" for none).
Outcome run_cli(const std::vector<std::string>& args, const std::string& input = "") {
    static int serial = 0;
    const std::string base =
        testing::TempDir() + "bexoru_cli_" + std::to_string(getpid()) + "_" + std::to_string(serial++);
    std::string command = "cd " + shell_quoted(data_dir) + " && " + shell_quoted(BEXORU_CLI_PATH);
    for (const std::string& a : args) command += " " + shell_quoted(a);
    command += " <" + (input.empty() ? std::string("/dev/null") : shell_quoted(input));
    command += " >" + shell_quoted(base + ".out") + " 2>" + shell_quoted(base + ".err");
    const int raw = std::system(command.c_str());
    Outcome o;
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 1000 + raw;  // a signal shows as a status no tool gives
    o.out = read_file(base + ".out");
    o.err = read_file(base + ".err");
    std::remove((base + ".out").c_str());
    std::remove((base + ".err").c_str());
    return o;
}

struct Answer {
    const char* name;
    std::vector<std::string> args;
    std::string expected;  // the text itself, or "@file" for a file in data/
    const char* input = "";
};

void PrintTo(const Answer& a, std::ostream* os) {
    *os << a.name;
}

class CliAnswers : public testing::TestWithParam<Answer> {};

TEST_P(CliAnswers, PrintsTheHandWorkedAnswer) {
    const Answer& a = GetParam();
    const Outcome o = run_cli(a.args, a.input);
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out, a.expected.starts_with("@") ? read_file(data_dir + "/" + a.expected.substr(1)) : a.expected);
}

std::string name_of(const testing::TestParamInfo<Answer>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Board, CliAnswers,
    testing::Values(Answer{"StartingPosition", {"board"}, "@start.out"},
                    Answer{"MessyFileComesBackInLayout", {"board", "king_rook.txt"}, "@king_rook.board.out"},
                    Answer{"StandardInput", {"board", "-"}, "@king_rook.board.out", "king_rook.txt"}),
    name_of);

INSTANTIATE_TEST_SUITE_P(
    Moves, CliAnswers,
    testing::Values(
        Answer{"LionInTheCornerJumpsAndCapturesWithinTwo",
               {"moves", "lion_corner.txt", "1", "12"},
               "1 10 -\n1 11 -\n2 10 -\n2 12 -\n3 10 -\n3 11 -\n3 12 -\n"},
        Answer{"LionSecondStepOnlyToFreeNeighbours",
               {"moves", "lion_corner.txt", "1", "12", "--second-step"},
               "1 11 -\n2 12 -\n"},
        Answer{"UpperSilverMayPromoteOnlyByCapturingInsideTheZone",
               {"moves", "lion_corner.txt", "3", "10"},
               "2 9 -\n2 11 may\n3 11 -\n4 9 -\n4 11 -\n"},
        Answer{"CodeReplacesThePieceOnTheSquare",
               {"moves", "lion_corner.txt", "2", "11", "--code", "-19"},
               "1 10 -\n2 10 -\n2 12 -\n3 10 -\n3 12 -\n"},
        Answer{"PawnOnTheLastRowMustPromote", {"moves", "promotion.txt", "5", "2"}, "5 1 must\n"},
        Answer{"PawnEnteringTheZoneMayPromote", {"moves", "promotion.txt", "7", "5"}, "7 4 may\n"},
        Answer{"PawnInsideTheZoneShortOfTheLastRowMayNot", {"moves", "promotion.txt", "9", "3"}, "9 2 -\n"},
        Answer{"UpperLanceDownAnOpenFile",
               {"moves", "promotion.txt", "1", "4"},
               "1 5 -\n1 6 -\n1 7 -\n1 8 -\n1 9 may\n1 10 may\n1 11 may\n1 12 must\n"},
        Answer{"LowerLanceUpAnOpenFile",
               {"moves", "promotion.txt", "3", "6"},
               "3 1 must\n3 2 may\n3 3 may\n3 4 may\n3 5 -\n"},
        Answer{"LowerSilverInTheZone",
               {"moves", "promotion.txt", "11", "4"},
               "10 3 -\n10 5 -\n11 3 -\n12 3 may\n12 5 -\n"},
        Answer{"UpperEagleSecondStep",
               {"moves", "second_step.txt", "6", "6", "--code", "18.1", "--second-step"},
               "5 7 -\n7 5 -\n"},
        Answer{
            "LowerEagleSecondStepNotOntoItsOwnGold", {"moves", "second_step.txt", "6", "6", "--code=-18.1"}, "7 7 -\n"},
        Answer{"FalconSecondStep", {"moves", "second_step.txt", "6", "6", "--code", "24.1"}, "6 5 -\n6 7 -\n"}),
    name_of);

INSTANTIATE_TEST_SUITE_P(
    Influence, CliAnswers,
    testing::Values(Answer{"RookAimedThroughTheKing", {"influence", "king_rook.txt"}, "@king_rook.influence.out"},
                    Answer{"KingMatedByTwoRooks", {"influence", "rook_mate.txt"}, "@rook_mate.influence.out"}),
    name_of);

struct Refusal {
    const char* name;
    std::vector<std::string> args;
    const char* message;  // part of the one line on stderr
};

void PrintTo(const Refusal& r, std::ostream* os) {
    *os << r.name;
}

class CliRefusals : public testing::TestWithParam<Refusal> {};

TEST_P(CliRefusals, SaysWhatIsWrongOnOneLineWithStatusTwo) {
    const Refusal& r = GetParam();
    const Outcome o = run_cli(r.args);
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.out, "");
    EXPECT_TRUE(o.err.starts_with("bexoru-cli: ")) << o.err;
    EXPECT_EQ(o.err.find('\n'), o.err.size() - 1) << "one line: " << o.err;
    EXPECT_NE(o.err.find(r.message), std::string::npos) << o.err;
}

INSTANTIATE_TEST_SUITE_P(
    Usage, CliRefusals,
    testing::Values(
        Refusal{"NoCommand", {}, "no command"}, Refusal{"UnknownCommand", {"play"}, "unknown command 'play'"},
        Refusal{"UnknownOption", {"moves", "promotion.txt", "5", "2", "--fast"}, "unknown option '--fast'"},
        Refusal{"OptionOfAnotherCommand", {"board", "--code", "3"}, "unknown option '--code'"},
        Refusal{"MissingValue", {"moves", "promotion.txt", "5", "2", "--code"}, "--code needs a value"},
        Refusal{"OptionTwice", {"moves", "promotion.txt", "5", "2", "--second-step", "--second-step"}, "twice"},
        Refusal{"FlagWithAValue", {"moves", "promotion.txt", "5", "2", "--second-step=1"}, "takes no value"},
        Refusal{"MissingArguments", {"moves", "promotion.txt", "5"}, "missing arguments"},
        Refusal{"TooManyArguments", {"board", "start.out", "start.out"}, "too many arguments"},
        Refusal{
            "ColumnOffTheBoard", {"moves", "promotion.txt", "13", "2"}, "column X must be a number 1..12, not '13'"},
        Refusal{"RowZero", {"moves", "promotion.txt", "5", "0"}, "row Y must be a number 1..12"},
        Refusal{"NegativeRow", {"moves", "promotion.txt", "5", "-2"}, "row Y must be a number 1..12"},
        Refusal{"RowNotANumber", {"moves", "promotion.txt", "5", "two"}, "not 'two'"},
        Refusal{"EmptySquareWithoutCode", {"moves", "promotion.txt", "6", "6"}, "square 6 6 is empty"},
        Refusal{"NoSuchPseudoCode", {"moves", "promotion.txt", "6", "6", "--code", "18.3"}, "not a piece code"},
        Refusal{"CodeZero", {"moves", "promotion.txt", "6", "6", "--code", "0"}, "not a piece code"}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Files, CliRefusals,
    testing::Values(Refusal{"Missing", {"board", "no-such-file.txt"}, "no-such-file.txt: cannot open"},
                    Refusal{"Directory", {"influence", "."}, "is a directory"},
                    Refusal{"ExpectedOutputIsNoBoard",
                            {"influence", "king_rook.influence.out"},
                            "king_rook.influence.out: line 1: number 1: '[com-reach]' is not a whole number"}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST(CliHelp, OverallAndPerCommand) {
    const struct {
        std::vector<std::string> args;
        const char* contains;
    } cases[] = {
        {{"--help"}, "Commands:"},
        {{"help"}, "influence"},
        {{"moves", "--help"}, "--second-step"},
        {{"help", "moves"}, "Usage: bexoru-cli moves FILE X Y"},
        {{"influence", "-h"}, "[com-defend-min]"},
    };
    for (const auto& c : cases) {
        const Outcome o = run_cli(c.args);
        EXPECT_EQ(o.status, 0) << c.args[0];
        EXPECT_EQ(o.err, "") << c.args[0];
        EXPECT_NE(o.out.find(c.contains), std::string::npos) << c.args[0] << " " << c.contains;
    }
}

}  // namespace
