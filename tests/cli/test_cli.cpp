// Runs the built bexoru-cli as a user would and checks what it prints. The
// expected answers were worked out by hand from the rules, square by square.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
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
    testing::Values(
        Answer{"StartingPosition", {"board"}, "@start.out"},
        Answer{"MessyFileComesBackInLayout", {"board", "king_rook.txt"}, "@king_rook.board.out"},
        Answer{"StandardInput", {"board", "-"}, "@king_rook.board.out", "king_rook.txt"},
        Answer{"ByteOrderMarkIsReadAsNothing", {"board", "king_rook_marked.txt"}, "@king_rook.board.out"},
        Answer{"ByteOrderMarkOnStandardInput", {"board", "-"}, "@king_rook.board.out", "king_rook_marked.txt"}),
    name_of);

// A position no game reaches (two Kings, two Crown Princes) is printed with a
// warning for each army, or refused under --strict.
TEST(CliBoard, WarnsOfASecondKingOrCrownPrinceAndRefusesUnderStrict) {
    const Outcome warned = run_cli({"board", "two_kings.txt"});
    EXPECT_EQ(warned.status, 0);
    EXPECT_EQ(warned.err,
              "bexoru-cli: board: warning: the upper army has 2 Kings\n"
              "bexoru-cli: board: warning: the lower army has 2 Crown Princes\n");
    EXPECT_EQ(warned.out.substr(0, 49), "   0   0   0   0   0  39   0   0   0   0   0   0\n");

    const Outcome refused = run_cli({"board", "--strict", "two_kings.txt"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err,
              "bexoru-cli: board: the upper army has 2 Kings, the lower army has 2 Crown Princes (refused under "
              "--strict)\n");

    const Outcome start = run_cli({"board", "--strict"});
    EXPECT_EQ(start.status, 0);
    EXPECT_EQ(start.err, "") << "one King a side, and a Drunk Elephant that may promote, is no surplus";
    EXPECT_EQ(start.out, read_file(data_dir + "/start.out"));
}

// Names and text from the command line or a file reach the one-line message
// with every control character, escape introducer and malformed byte shown as '?'.
TEST(CliMessages, ShowNoEscapeSequenceOrMalformedText) {
    const struct {
        std::string name;
        const char* shown;
    } cases[] = {
        {"\x1B]0;owned\x07\x1B[2J.txt", "bexoru-cli: ?]0;owned??[2J.txt: cannot open"},
        {"\xC2\x9B"
         "31mred.txt",
         "bexoru-cli: ?31mred.txt: cannot open"},
        {"\xC0\x9B[2J.txt", "bexoru-cli: ??[2J.txt: cannot open"},
        {"\xED\xA0\x80.txt", "bexoru-cli: ???.txt: cannot open"},
        {"a\xE2\x80\xAE"
         "txt.exe",
         "bexoru-cli: a?txt.exe: cannot open"},
    };
    for (const auto& c : cases) {
        const Outcome o = run_cli({"board", c.name});
        EXPECT_EQ(o.status, 2);
        EXPECT_NE(o.err.find(c.shown), std::string::npos) << o.err;
        for (const char ch : o.err.substr(0, o.err.size() - 1)) {
            const auto u = static_cast<unsigned char>(ch);
            EXPECT_TRUE(u >= 0x20 && u != 0x7F) << "a control byte reached the terminal: " << o.err;
        }
    }
    const Outcome o = run_cli({"moves", "promotion.txt", "\x1B[31m", "1"});
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find("not '?[31m'"), std::string::npos) << o.err;
}

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
        Answer{"FalconSecondStep", {"moves", "second_step.txt", "6", "6", "--code", "24.1"}, "6 5 -\n6 7 -\n"},
        // Under the standard rules a non-capture promotes only on entering the
        // zone, and no piece is made to promote.
        Answer{"StandardPawnOnTheLastRowNeitherMayNorMust",
               {"moves", "promotion.txt", "5", "2", "--rules", "standard"},
               "5 1 -\n"},
        Answer{"StandardLowerLanceMayButNeedNot",
               {"moves", "promotion.txt", "3", "6", "--rules=standard"},
               "3 1 may\n3 2 may\n3 3 may\n3 4 may\n3 5 -\n"},
        Answer{"OriginalRulesByName", {"moves", "promotion.txt", "5", "2", "--rules", "original"}, "5 1 must\n"}),
    name_of);

INSTANTIATE_TEST_SUITE_P(
    Influence, CliAnswers,
    testing::Values(Answer{"RookAimedThroughTheKing", {"influence", "king_rook.txt"}, "@king_rook.influence.out"},
                    Answer{"KingMatedByTwoRooks", {"influence", "rook_mate.txt"}, "@rook_mate.influence.out"}),
    name_of);

// The computer's answers below were worked out by hand from the evaluation's
// rules. free_silver: the Gold takes the Silver for +1 (it leaves a square the
// Silver attacked and nothing defended), +0.1 (nearer the King by a row), -3
// (Silver 5 less Gold 8) and +25 (5 x 5 for a safe capture) = 23.1; at level 1
// material counts for nothing and the Gold steps beside the Silver to attack
// it (+0.1). lion_bite: the Lion's capture next to itself leaves its square
// unattacked (1000); its second step scores +0.1 on every square the
// computer's maps (as the last trial left them: the King's, with the Lion
// still on (6, 5)) reach, and +0.1 more for coming a row nearer the King:
// (5, 7) is the first square with 0.2.
INSTANTIATE_TEST_SUITE_P(
    Com, CliAnswers,
    testing::Values(
        Answer{"HangingKingAtLevel1", {"com", "hanging_king.txt", "--level", "1"}, "move 6 5 6 6 13 13\nscore 9999\n"},
        Answer{"HangingKingAtLevel2", {"com", "hanging_king.txt", "--level=2"}, "move 6 5 6 6 13 13\nscore 9999\n"},
        Answer{"HangingKingAtLevel3", {"com", "hanging_king.txt"}, "move 6 5 6 6 13 13\nscore 9999\n"},
        Answer{"FreeCaptureAtLevel3", {"com", "free_silver.txt"}, "move 6 5 6 6 13 13\nscore 23.1\n"},
        Answer{"FreeCaptureAtLevel3UnderTheStandardRules",
               {"com", "free_silver.txt", "--rules", "standard"},
               "move 6 5 6 6 13 13\nscore 23.1\n"},
        Answer{"FreeCaptureAtLevel4UnderTheStandardRules",
               {"com", "free_silver.txt", "--level", "4", "--rules", "standard", "--nodes", "20000"},
               "move 6 5 6 6 13 13\nscore 14\n"},
        Answer{"FreeCaptureAtLevel2", {"com", "free_silver.txt", "--level", "2"}, "move 6 5 6 6 13 13\nscore 23.1\n"},
        Answer{"NoMaterialAtLevel1", {"com", "free_silver.txt", "--level", "1"}, "move 6 5 5 6 13 13\nscore 0.1\n"},
        Answer{"LionCaptureAsksForASecondStep",
               {"com", "lion_bite.txt"},
               "move 6 5 6 6 34 34\nscore 1000\nsecond 6 6 5 7 34\nscore2 0.2\n"},
        Answer{"NoLegalMove", {"com", "stuck_pawns.txt"}, "none\n"}),
    name_of);

// Self-play games short enough to follow by hand. boxed_king: the upper
// army's only legal move leaves its King to the lower Kirin (-9998), which
// takes it (9999); the lower army's moves are shown as the first mover sees
// the board.
INSTANTIATE_TEST_SUITE_P(
    Selfplay, CliAnswers,
    testing::Values(
        Answer{"UpperTakesTheKing",
               {"selfplay", "--from", "hanging_king.txt"},
               "1 upper 6 5 6 6 13 13 score 9999\nresult upper wins (royal capture)\n"},
        Answer{"LowerTakesTheKingOnTheTurnedBoard",
               {"selfplay", "--from", "boxed_king.txt", "--levels", "1,3"},
               "1 upper 1 4 1 5 1 1 score -9998\n2 lower 12 10 12 12 -32 -32 score 9999\n"
               "result lower wins (royal capture)\n"},
        Answer{"NoMoveForTheFirstMover", {"selfplay", "--from", "stuck_pawns.txt"}, "result lower wins (no move)\n"},
        Answer{"StopsBeforeTheLogLimit",
               {"selfplay", "--from", "two_pawns.txt", "--entries", "3", "--levels", "1,1"},
               "1 upper 1 4 1 5 1 1 score 0\n2 lower 12 9 12 8 -1 -1 score 0\nresult unfinished (2 entries)\n"},
        Answer{"FinalBoardAsTheFirstMoverSeesIt",
               {"selfplay", "--from", "two_pawns.txt", "--entries", "3", "--levels", "1,1", "--board"},
               "1 upper 1 4 1 5 1 1 score 0\n2 lower 12 9 12 8 -1 -1 score 0\nresult unfinished (2 entries)\n"
               "   0   0   0   0   0   0   0   0   0   0   0   0\n"
               "   0   0   0   0   0   0   0   0   0   0   0   0\n"
               "   0   0   0   0   0   0   0   0   0   0   0   0\n"
               "   0   0   0   0   0   0   0   0   0   0   0   0\n"
               "   1   0   0   0   0   0   0   0   0   0   0   0\n"
               "   0   0   0   0   0   0   0   0   0   0   0   0\n"
               "   0   0   0   0   0   0   0   0   0   0   0   0\n"
               "   0   0   0   0   0   0   0   0   0   0   0  -1\n"
               "   0   0   0   0   0   0   0   0   0   0   0   0\n"
               "   0   0   0   0   0   0   0   0   0   0   0   0\n"
               "   0   0   0   0   0   0   0   0   0   0   0   0\n"
               "   0   0   0   0   0   0   0   0   0   0   0   0\n"}),
    name_of);

// Games the computer plays against itself, at every pair of the levels 1 to 3
// and some of the searching levels 4 to 6, written as records: each loads
// again, replays to the position the game ended in, and counts its entries
// as the game logged them.
TEST(CliRecord, SelfPlayedGamesLoadAgainAndReplayToTheirEnd) {
    int second_steps = 0;
    // The searching levels 4 to 6 play with a fixed number of nodes, so the
    // games are the same on every run.
    const std::vector<std::vector<std::string>> games = {
        {"--levels", "1,1"},
        {"--levels", "1,2"},
        {"--levels", "1,3"},
        {"--levels", "2,1"},
        {"--levels", "2,2"},
        {"--levels", "2,3"},
        {"--levels", "3,1"},
        {"--levels", "3,2"},
        {"--levels", "3,3"},
        {"--levels", "4,4", "--nodes", "1000"},
        {"--levels", "5,3", "--nodes", "3000"},
        {"--levels", "2,6", "--nodes", "500"},
    };
    for (const std::vector<std::string>& levels : games) {
        SCOPED_TRACE(levels[1]);
        const std::string record = testing::TempDir() + "bexoru_cli_" + std::to_string(getpid()) + ".棋譜";
        std::vector<std::string> args = {"selfplay", "--entries", "800", "--board", "--record", record};
        args.insert(args.end(), levels.begin(), levels.end());
        const Outcome game = run_cli(args);
        ASSERT_EQ(game.status, 0) << game.err;
        for (std::size_t at = game.out.find(" second "); at != std::string::npos;
             at = game.out.find(" second ", at + 1))
            ++second_steps;
        const std::size_t result = game.out.find("\nresult ");
        ASSERT_NE(result, std::string::npos);
        const std::string final_board = game.out.substr(game.out.find('\n', result + 1) + 1);

        const Outcome loaded = run_cli({"record", record});
        EXPECT_EQ(loaded.status, 0) << loaded.err;
        EXPECT_TRUE(loaded.out.ends_with(final_board)) << "the record replays to the position the game ended in";
        // A game cut short by --entries says how many entries it logged.
        const std::string unfinished = "\nresult unfinished (";
        if (game.out.compare(result, unfinished.size(), unfinished) == 0) {
            const std::size_t from = result + unfinished.size();
            const std::string entries = game.out.substr(from, game.out.find(' ', from) - from);
            EXPECT_TRUE(loaded.out.starts_with("entries " + entries + "\nmoves ")) << loaded.out.substr(0, 40);
        }
        std::remove(record.c_str());
    }
    EXPECT_GT(second_steps, 0) << "the computer's double moves are among them";
}

TEST(CliRecord, ARecordTheGameWouldRefuseIsRefusedWithItsLine) {
    const std::string record = testing::TempDir() + "bexoru_cli_bad_" + std::to_string(getpid()) + ".棋譜";
    const struct {
        const char* bytes;
        const char* message;
    } cases[] = {
        {"\r\n\r\n\r\n 3 4 3 5  1  1  0\r\n 5 9 5 1 -1 -1 13\r\n", ": line 5: the rules do not allow this step"},
        {"\r\n\r\n\r\n", ": no entries"},
        {" 3 4 3 5  1  1  0\r\n", ": line 1: an entry where the three header lines belong"},
    };
    for (const auto& c : cases) {
        std::ofstream(record, std::ios::binary) << c.bytes;
        const Outcome o = run_cli({"record", record});
        EXPECT_EQ(o.status, 2);
        EXPECT_EQ(o.out, "");
        EXPECT_NE(o.err.find(c.message), std::string::npos) << o.err;
    }
    std::remove(record.c_str());
    const Outcome from_stdin = run_cli({"record", "-"}, data_dir + "/start.out");
    EXPECT_EQ(from_stdin.status, 2);
    EXPECT_NE(from_stdin.err.find("record: -: line 9: not an entry of the record format"), std::string::npos)
        << "a board text is no record: " << from_stdin.err;
}

// selfplay --check plays the same games and finds nothing wrong in them; with
// --opening the first moves are random steps, the same for the same seed.
TEST(CliSelfplayCheck, ChecksEveryMoveOfAGameAndChangesNothing) {
    for (const std::vector<std::string>& game :
         std::vector<std::vector<std::string>>{{"selfplay", "--from", "hanging_king.txt"},
                                               {"selfplay", "--from", "boxed_king.txt", "--levels", "1,3"},
                                               {"selfplay", "--levels", "2,1", "--entries", "60"},
                                               {"selfplay", "--levels", "4,2", "--nodes", "300", "--entries", "30"}}) {
        const Outcome plain = run_cli(game);
        std::vector<std::string> checked = game;
        checked.push_back("--check");
        const Outcome o = run_cli(checked);
        EXPECT_EQ(o.status, 0) << o.err;
        EXPECT_EQ(o.err, "");
        EXPECT_EQ(o.out, plain.out);
    }

    const std::vector<std::string> opening = {"selfplay", "--check", "--levels", "1,2",       "--opening",
                                              "4",        "--seed",  "7",        "--entries", "40"};
    const Outcome a = run_cli(opening);
    EXPECT_EQ(a.status, 0) << a.err;
    std::istringstream lines(a.out);
    std::string line;
    for (int n = 1; n <= 4 && std::getline(lines, line); ++n) {
        EXPECT_TRUE(line.starts_with(std::to_string(n) + (n % 2 ? " upper " : " lower "))) << line;
        EXPECT_TRUE(line.ends_with(" random")) << line;
    }
    std::getline(lines, line);
    EXPECT_NE(line.find(" score "), std::string::npos) << "then the computer plays: " << line;
    EXPECT_NE(a.out.find("\nresult "), std::string::npos) << a.out;
    EXPECT_EQ(run_cli(opening).out, a.out) << "the same seed plays the same game";
    std::vector<std::string> other = opening;
    other[7] = "8";
    EXPECT_NE(run_cli(other).out, a.out) << "another seed, another opening";
}

TEST(CliSelfplayCheck, PlaysManyGamesOverAllLevelPairs) {
    const Outcome o =
        run_cli({"selfplay", "--check", "--games", "10", "--opening", "2", "--seed", "5", "--entries", "30"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
    std::istringstream lines(o.out);
    std::string line;
    const char* const pairs[] = {"1,1", "1,2", "1,3", "2,1", "2,2", "2,3", "3,1", "3,2", "3,3", "1,1"};
    for (int n = 1; n <= 10; ++n) {
        ASSERT_TRUE(std::getline(lines, line));
        const std::string name =
            "game " + std::to_string(n) + " levels " + pairs[n - 1] + " seed " + std::to_string(4 + n) + ": ";
        EXPECT_TRUE(line.starts_with(name)) << line;
        EXPECT_NE(line.find(" after "), std::string::npos) << line;
    }
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_TRUE(line.starts_with("10 games checked, ")) << line;
    EXPECT_TRUE(line.ends_with(" games per minute")) << line;
    EXPECT_FALSE(std::getline(lines, line));
}

// The signature of the computer's play over the bench positions: it changes
// only when the computer chooses a different move, score or second step, or
// tries a different number of moves. Update it on purpose, never by accident.
// The searching engine's move counter: 36 moves a side from the start, which
// cannot meet in two moves; the Lion in lion_bite.txt has 24 squares within
// two and 8 first steps with 8 second steps each, its King 3 squares.
INSTANTIATE_TEST_SUITE_P(
    Perft, CliAnswers,
    testing::Values(Answer{"StartingPositionOneMove", {"perft", "start.out", "1"}, "36\n"},
                    Answer{"StartingPositionTwoMoves", {"perft", "start.out", "2", "--side", "lower"}, "1296\n"},
                    Answer{"LionDoubleMovesCountOnce", {"perft", "lion_bite.txt", "1"}, "91\n"},
                    Answer{"DivideNamesTheMoveAndCountsBelowIt",
                           {"perft", "boxed_king.txt", "2", "--divide"},
                           "1 4 1 5: 8\ntotal 8\n"},
                    Answer{"DivideWritesSecondStepsAndPromotions",
                           {"perft", "falcon_corner.txt", "1", "--divide", "--side", "lower"},
                           "@falcon_corner.perft.out"},
                    // The standard rules: the Falcon jumps over the Pawn to (1, 10), and the
                    // Pawn on (5, 2) may neither promote stepping within the zone nor must.
                    Answer{"DivideUnderTheStandardRules",
                           {"perft", "falcon_corner.txt", "1", "--divide", "--side", "lower", "--rules", "standard"},
                           "@falcon_corner.standard.perft.out"},
                    Answer{"NoLegalMoveCountsNothing", {"perft", "walled_king.txt", "3"}, "0\n"},
                    Answer{"DepthZeroIsThePositionItself", {"perft", "walled_king.txt", "0"}, "1\n"}),
    name_of);

// Counts published by the online site's rules library (shogiops, its Chu Shogi
// perft tests), under the standard rules. Their lone pieces stand on an empty
// board; ours need a King each, which add 3 moves in a corner (Lion 88 + 3,
// Falcon 41 + 3, Eagle 40 + 3). docs/rules.md lists the whole comparison.
INSTANTIATE_TEST_SUITE_P(
    PublishedPerft, CliAnswers,
    testing::Values(
        Answer{"LoneLion", {"perft", "--sfen", "k11/12/12/12/12/12/5N6/12/12/12/12/11K b", "1", "--rules", "standard"},
               "91\n"},
        Answer{"LoneFalcon",
               {"perft", "--sfen", "k11/12/12/12/12/12/5+H6/12/12/12/12/11K b", "1", "--rules", "standard"},
               "44\n"},
        Answer{"LoneEagle",
               {"perft", "--sfen", "k11/12/12/12/12/12/5+D6/12/12/12/12/11K b", "1", "--rules", "standard"},
               "43\n"},
        Answer{"LionsAndAGuard",
               {"perft", "--sfen", "k11/12/12/12/4B2l4/4S7/5N6/7n4/12/12/12/11K b - 1", "1", "--rules", "standard"},
               "101\n"},
        Answer{"LionsBeforeTheKings",
               {"perft", "--sfen", "11k/12/12/12/12/4r7/12/12/9n2/4+o7/12/6B4K b -", "1", "--rules", "standard"},
               "8\n"},
        // The same right after the promoted Kirin on 8j took the lower Lion: the
        // library counts 7 (it lets the Bishop take on that square), we count 6:
        // the counter-strike lets no piece but a Lion take a Lion, as HaChu.
        Answer{"LionsJustStruck",
               {"perft", "--sfen", "11k/12/12/12/12/4r7/12/12/9n2/4+o7/12/6B4K b 8j", "1", "--rules", "standard"},
               "6\n"},
        Answer{"MiddleGame",
               {"perft", "--sfen",
                "lfeg1k2s2l/a1vh1tdq1bfa/2r1dc2tv+C1/1sm1n4+R2/6gP3p/2PpPx1Gc2B/p2D4P2P/A2P3Q4/1+pV1T1G5/"
                "2SR1+o3SMA/4KO1TEX1L/L1CF2D3F1 w - 292",
                "1", "--rules", "standard"},
               "222\n"},
        Answer{"EndGame",
               {"perft", "--sfen",
                "l2s2rt2fl/avch3bsrca/q6k3v/1+X1f2e1p1h1/3g4i2P/x4g1p2P1/9C1A/3Md1S1dF1V/1+pG+o2H2M1L/RB3HO5/"
                "AFCTK3G3/L3DERS2T1 w - 348",
                "1", "--rules", "standard"},
               "218\n"}),
    name_of);

// Levels 4 to 6 answer in the format of levels 1 to 3; with a node budget the
// answer is the same on every run.
INSTANTIATE_TEST_SUITE_P(
    SearchingComputer, CliAnswers,
    testing::Values(Answer{"HangingKingAtLevel4",
                           {"com", "hanging_king.txt", "--level", "4", "--nodes", "2000"},
                           "move 6 5 6 6 13 13\nscore 9999\n"},
                    Answer{"LionBitesAndStepsOnAtLevel6",
                           {"com", "lion_bite.txt", "--level", "6", "--nodes", "20000"},
                           "move 6 5 6 6 34 34\nscore 9999\nsecond 6 6 6 7 34\nscore2 9999\n"},
                    Answer{"NoLegalMoveAtLevel4", {"com", "walled_king.txt", "--level", "4"}, "none\n"}),
    name_of);

TEST(CliSearchingComputer, TakesTheFreePieceAtEveryLevel) {
    for (const char* level : {"4", "5", "6"}) {
        const Outcome o = run_cli({"com", "free_silver.txt", "--level", level, "--nodes", "20000"});
        EXPECT_EQ(o.status, 0) << o.err;
        EXPECT_TRUE(o.out.starts_with("move 6 5 6 6 13 13\nscore ")) << o.out;
    }
}

TEST(CliSearchingComputer, InfoAddsDepthNodesSpeedAndLine) {
    const Outcome o = run_cli({"com", "free_silver.txt", "--level", "4", "--nodes", "5000", "--info"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(o.out.starts_with("move 6 5 6 6 13 13\nscore ")) << o.out;
    EXPECT_NE(o.out.find("\ndepth "), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("\nnodes 500"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("\nnps "), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("\npv 6 5 6 6, "), std::string::npos) << o.out;
}

// bench-search: the same search every run (the move and the node count),
// with the speed as median and range; bad positions get the one-line answer.
TEST(CliSearchingComputer, BenchSearchRepeatsTheSameSearch) {
    const Outcome o = run_cli({"bench-search", "free_silver.txt", "--nodes", "2000", "--repeat", "3"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.out.find("free_silver.txt: 2000 nodes, depth "), std::string::npos) << o.out;
    EXPECT_NE(o.out.find(", move 6 5 6 6\n"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("\n  cpu  M nodes/s: median "), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("\n  wall M nodes/s: median "), std::string::npos) << o.out;
    const Outcome stuck = run_cli({"bench-search", "stuck_pawns.txt", "--nodes", "2000"});
    EXPECT_EQ(stuck.status, 2);
    EXPECT_NE(stuck.err.find("bench-search: the upper army, which is to move, has no King"), std::string::npos)
        << stuck.err;
    EXPECT_EQ(run_cli({"bench-search", "--repeat", "0"}).status, 2);
    EXPECT_EQ(run_cli({"bench-search", "--nodes", "10"}).status, 2);
}

// A searching level against level 3: the game is played to its end by the
// turn of the game itself, and a node budget makes it the same on every run.
TEST(CliSearchingComputer, SelfplayAgainstLevelThreeIsRepeatable) {
    const std::vector<std::string> args{"selfplay", "--levels", "4,3", "--nodes", "3000", "--entries", "80"};
    const Outcome a = run_cli(args);
    const Outcome b = run_cli(args);
    EXPECT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(a.out, b.out);
    EXPECT_TRUE(a.out.starts_with("1 upper ")) << a.out;
    EXPECT_NE(a.out.find("\n2 lower "), std::string::npos) << a.out;
    EXPECT_NE(a.out.find("\nresult "), std::string::npos) << a.out;
}

TEST(CliSearchingComputer, MovetimeBoundsTheThinking) {
    const Outcome o = run_cli({"com", "start.out", "--level", "6", "--movetime", "50", "--info"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(o.out.starts_with("move ")) << o.out;
}

TEST(CliVerifyMoves, AgreesOnAFewPositionsAndSaysSo) {
    for (const char* rules : {"original", "standard"}) {
        const Outcome o = run_cli({"verify-moves", "--positions", "6", "--seed", "9", "--rules", rules});
        EXPECT_EQ(o.status, 0) << o.err;
        EXPECT_TRUE(o.out.starts_with("6 positions, ")) << o.out;
        EXPECT_TRUE(o.out.ends_with(" move-check answers, no disagreement\n")) << o.out;
    }
}

TEST(CliBench, SignatureOfTheComputersPlay) {
    const Outcome o = run_cli({"bench", "--repeat", "1"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_NE(o.out.find("\nlevel 1: 9 positions, "), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("\nlevel 3: 9 positions, "), std::string::npos) << o.out;
    EXPECT_TRUE(o.out.ends_with("\nsignature a4ee0f6480b6f4e7\n")) << o.out;
}

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
        Refusal{"UnknownRuleSet", {"moves", "promotion.txt", "5", "2", "--rules", "hachu"}, "neither 'original' nor"},
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
    Computer, CliRefusals,
    testing::Values(
        Refusal{"LevelSeven", {"com", "free_silver.txt", "--level", "7"}, "com: --level must be 1 to 6, not '7'"},
        Refusal{"UnknownRuleSetForTheSearch",
                {"com", "free_silver.txt", "--level", "4", "--rules", "hachu"},
                "neither 'original' nor"},
        Refusal{"OneLevelForTwoArmies", {"selfplay", "--levels", "3"}, "--levels must be two levels A,B"},
        Refusal{"SecondLevelZero", {"selfplay", "--levels", "3,0"}, "--levels B must be 1 to 6, not '0'"},
        Refusal{"NodesWithoutASearchingLevel",
                {"selfplay", "--levels", "3,2", "--nodes", "100"},
                "--nodes is for levels 4 to 6"},
        Refusal{"NoEntries", {"selfplay", "--entries", "0"}, "--entries must be a number 1..2000, not '0'"},
        Refusal{"MoreEntriesThanTheLog", {"selfplay", "--entries", "2001"}, "--entries must be a number 1..2000"},
        Refusal{"FarMoreEntries", {"selfplay", "--entries", "99999999"}, "--entries must be a number 1..2000"},
        Refusal{"NoGames", {"selfplay", "--games", "0"}, "--games must be a whole number from 1 to 100000, not '0'"},
        Refusal{
            "LongOpening", {"selfplay", "--opening", "41"}, "--opening must be a whole number from 0 to 40, not '41'"},
        Refusal{"SeedNotANumber", {"selfplay", "--seed", "-1"}, "--seed must be a whole number"},
        Refusal{"OneBoardOfManyGames", {"selfplay", "--games", "2", "--board"}, "not with --games"},
        Refusal{"SelfplayFileMissing", {"selfplay", "--from", "no-such-file.txt"}, "no-such-file.txt: cannot open"},
        Refusal{"RecordOfAnotherStart",
                {"selfplay", "--from", "two_pawns.txt", "--record", "x.棋譜"},
                "--record needs the starting position"},
        Refusal{"RecordMissing", {"record", "no-such-file.棋譜"}, "record: no-such-file.棋譜: cannot open"},
        Refusal{"NoPositionsFolder", {"bench", "--positions", "no-such-folder"}, "is not a folder of positions"},
        Refusal{"NoRepeats", {"bench", "--repeat", "0"}, "--repeat must be a number 1..100, not '0'"}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Searching, CliRefusals,
    testing::Values(
        Refusal{"PerftWithoutAKing",
                {"perft", "stuck_pawns.txt", "2"},
                "perft: the upper army, which is to move, has no King"},
        Refusal{
            "PerftWithoutPieces", {"perft", "lower_only.txt", "1"}, "the upper army, which is to move, has no pieces"},
        Refusal{"PerftOpponentWithoutAKing",
                {"perft", "lower_only.txt", "1", "--side", "lower"},
                "the upper army has no King"},
        Refusal{"PerftTooDeep", {"perft", "start.out", "9"}, "DEPTH must be a whole number from 0 to 8, not '9'"},
        Refusal{"PerftSide", {"perft", "start.out", "1", "--side", "left"}, "--side must be 'upper' or 'lower'"},
        Refusal{"ComWithoutAKing",
                {"com", "stuck_pawns.txt", "--level", "4"},
                "com: the upper army, which is to move, has no King or Crown Prince"},
        Refusal{"ComWithoutPieces",
                {"com", "lower_only.txt", "--level", "5"},
                "the upper army, which is to move, has no pieces"},
        Refusal{"NodesAtLevel3",
                {"com", "free_silver.txt", "--level", "3", "--nodes", "9"},
                "--nodes is for levels 4 to 6"},
        Refusal{
            "NodesZero", {"com", "free_silver.txt", "--level", "4", "--nodes", "0"}, "--nodes must be a whole number"},
        Refusal{"VerifyNoPositions", {"verify-moves", "--positions", "0"}, "--positions must be a whole number"}),
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
        {{"com", "--help"}, "second X2 Y2 X3 Y3 CODE"},
        {{"help", "selfplay"}, "result ARMY wins (royal capture)"},
        {{"record", "--help"}, "moves M"},
        {{"bench", "--help"}, "signature"},
    };
    for (const auto& c : cases) {
        const Outcome o = run_cli(c.args);
        EXPECT_EQ(o.status, 0) << c.args[0];
        EXPECT_EQ(o.err, "") << c.args[0];
        EXPECT_NE(o.out.find(c.contains), std::string::npos) << c.args[0] << " " << c.contains;
    }
}

// --- the exchange formats and the engine protocols ---

const std::string start_sfen =
    "lfcsgekgscfl/a1b1txot1b1a/mvrhdqndhrvm/pppppppppppp/3i4i3/12/12/3I4I3/PPPPPPPPPPPP/MVRHDNQDHRVM/"
    "A1B1TOXT1B1A/LFCSGKEGSCFL b - 1";

// Runs the tool with the text as its standard input.
Outcome run_with_input(const std::vector<std::string>& args, const std::string& text) {
    static int serial = 0;
    const std::string path =
        testing::TempDir() + "bexoru_cli_in_" + std::to_string(getpid()) + "_" + std::to_string(serial++);
    std::ofstream(path, std::ios::binary) << text;
    Outcome o = run_cli(args, path);
    std::remove(path.c_str());
    return o;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string l;
    while (std::getline(in, l)) out.push_back(l);
    return out;
}

TEST(CliSfen, BoardTextsAndSfenGoBothWaysAndEveryPositionCommandTakesOne) {
    const Outcome sfen = run_cli({"sfen", "start.out"});
    EXPECT_EQ(sfen.status, 0) << sfen.err;
    EXPECT_EQ(sfen.out, start_sfen + "\n");
    const Outcome upper = run_cli({"sfen", "start.out", "--side", "upper", "--move", "8"});
    EXPECT_EQ(upper.out, start_sfen.substr(0, start_sfen.size() - 5) + "w - 8\n");
    const Outcome board = run_cli({"board", "--sfen", start_sfen});
    EXPECT_EQ(board.status, 0) << board.err;
    EXPECT_EQ(board.out, read_file(data_dir + "/start.out"));

    // The same answers from an SFEN as from the board text.
    for (const char* file : {"lion_corner.txt", "falcon_corner.txt", "promotion.txt"}) {
        const std::string position = run_cli({"sfen", file}).out;
        const std::string text = position.substr(0, position.size() - 1);
        EXPECT_EQ(run_cli({"board", "--sfen", text}).out, run_cli({"board", file}).out) << file;
        EXPECT_EQ(run_cli({"influence", "--sfen", text}).out, run_cli({"influence", file}).out) << file;
        EXPECT_EQ(run_cli({"moves", "--sfen", text, "1", "1", "--code", "34"}).out,
                  run_cli({"moves", file, "1", "1", "--code", "34"}).out)
            << file;
    }
    EXPECT_EQ(run_cli({"perft", "--sfen", start_sfen, "2"}).out,
              run_cli({"perft", "start.out", "2", "--side", "lower"}).out);
}

TEST(CliSfen, RefusalsSayWhatAndWhere) {
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"board", "--sfen", "12/12 b - 1"}, "board: --sfen: rank 2"},
        {{"board", "start.out", "--sfen", start_sfen}, "a FILE or --sfen, not both"},
        {{"moves", "--sfen", start_sfen, "1"}, "missing arguments"},
        {{"sfen", "start.out", "--side", "left"}, "--side must be"},
    };
    for (const auto& c : cases) {
        const Outcome o = run_cli(c.args);
        EXPECT_EQ(o.status, 2) << c.says;
        EXPECT_EQ(o.out, "");
        EXPECT_NE(o.err.find(c.says), std::string::npos) << o.err;
    }
}

TEST(CliRecord, GamesConvertBetweenUsiPgnAndTheRecord) {
    const std::string usi = "sfen " + start_sfen + " moves 6i6h 7d7e 7j6i7h 7e7f 7h7g7f 6d6e\n";
    const Outcome kifu = run_with_input({"record", "-", "--from", "usi", "--to", "kifu"}, usi);
    ASSERT_EQ(kifu.status, 0) << kifu.err;
    EXPECT_EQ(lines_of(kifu.out).size(), 3u + 8u);  // three header lines, two double moves of two entries
    const Outcome back = run_with_input({"record", "-", "--to", "usi"}, kifu.out);
    EXPECT_EQ(back.status, 0) << back.err;
    EXPECT_EQ(back.out, usi);
    const Outcome pgn = run_with_input({"record", "-", "--from", "usi", "--to", "pgn"}, usi);
    EXPECT_NE(pgn.out.find("[Variant \"chu\"]"), std::string::npos);
    EXPECT_NE(pgn.out.find("\n1. g5 f8 2. Ng4-f5 f7 3. Nf6xf7 g8 *\n"), std::string::npos) << pgn.out;
    EXPECT_EQ(run_with_input({"record", "-", "--from", "pgn", "--to", "usi"}, pgn.out).out, usi);
    const Outcome summary = run_with_input({"record", "-", "--from", "pgn"}, pgn.out);
    EXPECT_EQ(lines_of(summary.out)[0], "moves 6");
}

TEST(CliRecord, BadGamesAreRefusedWithLineAndMove) {
    const struct {
        std::vector<std::string> args;
        std::string input;
        const char* says;
    } cases[] = {
        {{"record", "-", "--from", "usi"}, "startpos moves 6i6h\n7d7e 7c7d7e\n", "line 2, move 3 '7c7d7e'"},
        {{"record", "-", "--from", "pgn"}, "[Variant \"chu\"]\n\n1. h5 h8\n2. Qz4\n", "line 4: move 3"},
        {{"record", "-", "--from", "usi", "--to", "kifu"},
         "sfen 11k/12/12/12/12/12/12/12/12/12/12/K11 b - 1 moves 12l11l\n",
         "only games from the starting position"},
        {{"record", "-", "--from", "xml"}, "", "--from must be"},
    };
    for (const auto& c : cases) {
        const Outcome o = run_with_input(c.args, c.input);
        EXPECT_EQ(o.status, 2) << c.says;
        EXPECT_EQ(o.out, "");
        EXPECT_NE(o.err.find(c.says), std::string::npos) << o.err;
    }
}

TEST(CliUsi, AnswersTheHandshakeAndSearchesAPosition) {
    const Outcome o = run_with_input({"usi"},
                                     "usi\nisready\nsetoption name USI_Hash value 4\n"
                                     "position startpos moves 6i6h\ngo nodes 3000\n");
    ASSERT_EQ(o.status, 0) << o.err;
    const std::vector<std::string> l = lines_of(o.out);
    ASSERT_GE(l.size(), 4u);
    EXPECT_EQ(l[0].rfind("id name Bexoru", 0), 0u);
    EXPECT_NE(o.out.find("\nusiok\nreadyok\n"), std::string::npos);
    EXPECT_NE(o.out.find("\ninfo depth 1 score cp "), std::string::npos);
    EXPECT_EQ(l.back().rfind("bestmove ", 0), 0u) << o.out;
    EXPECT_EQ(std::count_if(l.begin(), l.end(), [](const std::string& x) { return x.rfind("bestmove", 0) == 0; }), 1);
}

TEST(CliUsi, StopEndsAnEndlessSearchAndBadPositionsAreReported) {
    const Outcome o = run_with_input({"usi"}, "position startpos\ngo infinite\nstop\n");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(lines_of(o.out).back().rfind("bestmove ", 0), 0u) << o.out;
    const Outcome bad = run_with_input({"usi"}, "position startpos moves 6i6h 6h6g\ngo depth 1\nquit\n");
    EXPECT_NE(bad.out.find("info string error: position: line 1, move 2 '6h6g'"), std::string::npos) << bad.out;
    EXPECT_NE(bad.out.find("bestmove resign"), std::string::npos);
}

TEST(CliXboard, PlaysAMoveAndRefusesIllegalOnes) {
    const Outcome o = run_with_input({"xboard"},
                                     "xboard\nprotover 2\nnew\nvariant chu\nsd 2\nusermove h4h5\n"
                                     "ping 1\n");
    ASSERT_EQ(o.status, 0) << o.err;
    const std::vector<std::string> l = lines_of(o.out);
    EXPECT_NE(l[0].find("variants=\"chu\""), std::string::npos);
    EXPECT_NE(l[0].find("done=1"), std::string::npos);
    EXPECT_NE(o.out.find("pong 1"), std::string::npos);
    EXPECT_EQ(l.back().rfind("move ", 0), 0u) << o.out;

    const Outcome f = run_with_input({"xboard"},
                                     "protover 2\nnew\nvariant shogi\nforce\nusermove h4h6\n"
                                     "setboard 11k/12/12/12/12/12/12/12/12/12/12/K11 w - 0 1\n"
                                     "usermove a1a2\nundo\nusermove a1b2\nsetboard nonsense\nping 2\n");
    EXPECT_NE(f.out.find("Error (unsupported variant): shogi"), std::string::npos) << f.out;
    EXPECT_NE(f.out.find("Illegal move (the rules do not allow this move): h4h6"), std::string::npos);
    EXPECT_NE(f.out.find("tellusererror Illegal position"), std::string::npos);
    EXPECT_EQ(f.out.find("\nmove "), std::string::npos);  // force mode: no move of its own
    EXPECT_EQ(lines_of(f.out).back(), "pong 2");
}

// The engines offer the rule set and play by the standard rules unless told
// otherwise: the Horned Falcon on f4 jumps over the Pawn on f5 only under them.
TEST(CliEngines, OfferTheRuleSetAndDefaultToTheStandardRules) {
    const std::string board = "setboard 11k/12/12/12/12/12/12/5P6/5+H6/12/12/K11 w - 0 1\n";
    const Outcome standard =
        run_with_input({"xboard"}, "protover 2\nnew\nvariant chu\nforce\n" + board + "usermove f4f6\nping 1\n");
    ASSERT_EQ(standard.status, 0) << standard.err;
    EXPECT_NE(standard.out.find("option=\"Rules -combo *standard /// original\" done=1\n"), std::string::npos)
        << standard.out;
    EXPECT_EQ(standard.out.find("Illegal move"), std::string::npos) << standard.out;
    const Outcome original = run_with_input(
        {"xboard"}, "protover 2\nnew\nvariant chu\nforce\noption Rules=original\n" + board + "usermove f4f6\n"
                    "option Rules=hachu\nping 1\n");
    EXPECT_NE(original.out.find("Illegal move (the rules do not allow this move): f4f6"), std::string::npos)
        << original.out;
    EXPECT_NE(original.out.find("Error (Rules is 'standard' or 'original'): hachu"), std::string::npos);

    const Outcome usi = run_with_input({"usi"}, "usi\nsetoption name Rules value original\n"
                                                "setoption name Rules value hachu\nquit\n");
    ASSERT_EQ(usi.status, 0) << usi.err;
    EXPECT_NE(usi.out.find("\noption name Rules type combo default standard var original var standard\n"),
              std::string::npos)
        << usi.out;
    EXPECT_NE(usi.out.find("info string error: Rules is 'original' or 'standard', not hachu"), std::string::npos)
        << usi.out;
    EXPECT_EQ(usi.out.find("not original"), std::string::npos);
}

// From the first game against HaChu under XBoard: our Lion on h5 took HaChu's
// Lion on g7, defended by the Dragon Horse on d10, with a second step after a
// step onto the empty g6. The move check allows it; XBoard and HaChu refuse it
// and forfeit the engine, as the game refuses it to the person. Both engines
// keep their own moves within those Lion rules.
TEST(CliEngines, NeitherEngineTakesADefendedLionWithABridgeOverNothing) {
    const Outcome x = run_with_input({"xboard"},
                                     "protover 2\nnew\nvariant chu\nforce\nusermove f3h5\nusermove g10h8\n"
                                     "usermove f4f5\nusermove e9e8\nusermove d5d6\nusermove d12d11\n"
                                     "usermove f5f6\nusermove h8g7\nsd 2\ngo\n");
    ASSERT_EQ(x.status, 0) << x.err;
    const std::string move = lines_of(x.out).back();
    EXPECT_EQ(move.rfind("move ", 0), 0u) << x.out;
    EXPECT_EQ(move.find("g7"), std::string::npos) << move;
    const Outcome u = run_with_input({"usi"},
                                     "position startpos moves 7j5h 6c5e 7i7h 8d8e 9h9g 9a9b 7h7g 5e6f\n"
                                     "go depth 2\n");
    const std::string best = lines_of(u.out).back();
    EXPECT_EQ(best.rfind("bestmove ", 0), 0u) << u.out;
    EXPECT_EQ(best.find("6f", 9), std::string::npos) << best;
}

TEST(CliRecord, ASelfPlayedRecordComesBackByteForByteThroughUsiAndPgn) {
    // Level 4 plays double moves; the record holds both entries of each.
    const std::string record = testing::TempDir() + "bexoru_cli_selfplay_" + std::to_string(getpid()) + ".棋譜";
    const Outcome played =
        run_cli({"selfplay", "--levels", "4,3", "--nodes", "1500", "--entries", "300", "--record", record});
    ASSERT_EQ(played.status, 0) << played.err;
    const std::string original = read_file(record);
    std::remove(record.c_str());
    ASSERT_GT(original.size(), 100u);
    for (const char* via : {"usi", "pgn"}) {
        const Outcome out = run_with_input({"record", "-", "--to", via}, original);
        ASSERT_EQ(out.status, 0) << out.err;
        // Played by the game's own rules, so read back by them (USI and PGN
        // are read by the standard rules unless told otherwise).
        const Outcome back =
            run_with_input({"record", "-", "--from", via, "--to", "kifu", "--rules", "original"}, out.out);
        ASSERT_EQ(back.status, 0) << back.err;
        EXPECT_EQ(back.out, original) << via;
    }
}

}  // namespace

namespace {

TEST(CliRecord, MovesAreJudgedByTheRulesTheGameNamesOrTheOptionGives) {
    // The upper Lion takes the lower one next to it, which a Pawn defends:
    // only the standard rules allow it.
    const std::string moves =
        " 610 6 8-34-34  0\r\n 7 3 7 5 34 34  0\r\n 1 9 1 8 -1 -1  0\r\n 7 5 6 7 34 34  0\r\n"
        " 2 9 2 8 -1 -1  0\r\n 6 7 6 8 34 34-34\r\n 6 7 6 8 34 34 34\r\n";
    const std::string marked = "標準ルール\r\n\r\n\r\n" + moves, plain = "\r\n\r\n\r\n" + moves;
    EXPECT_EQ(run_with_input({"record", "-"}, marked).status, 0);
    const Outcome own = run_with_input({"record", "-"}, plain);
    EXPECT_EQ(own.status, 2);
    EXPECT_NE(own.err.find("line 9: the rules do not allow this step (under the original rules)"), std::string::npos)
        << own.err;
    EXPECT_EQ(run_with_input({"record", "-", "--rules", "standard"}, plain).status, 0);
    EXPECT_EQ(run_with_input({"record", "-", "--rules", "original"}, marked).status, 2);

    // The same game in USI: the standard rules unless told otherwise, and a
    // record written from it carries their mark.
    const Outcome usi = run_with_input({"record", "-", "--to", "usi"}, marked);
    ASSERT_EQ(usi.status, 0) << usi.err;
    const Outcome kifu = run_with_input({"record", "-", "--from", "usi", "--to", "kifu"}, usi.out);
    ASSERT_EQ(kifu.status, 0) << kifu.err;
    EXPECT_EQ(kifu.out.substr(0, kifu.out.find("\r\n")), "標準ルール");
    const Outcome refused = run_with_input({"record", "-", "--from", "usi", "--rules", "original"}, usi.out);
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("move 6"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("(under the original rules)"), std::string::npos) << refused.err;
    EXPECT_NE(run_with_input({"record", "-", "--rules", "strict"}, marked).err.find("--rules"), std::string::npos);
}

}  // namespace
