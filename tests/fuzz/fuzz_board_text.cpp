// Fuzz target: the board text (positions for bexoru-cli and the tests).
// Both readers, of a whole text and of a stream, must agree on every input; a
// board they take must print and read back the same; a refusal names a line
// of the text and says why in one line fit for a terminal; and an excerpt of
// any text is fit for a terminal.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "records/board_text.h"

using namespace bexoru;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const BoardTextResult whole = parse_board_text(text);
    std::istringstream stream{std::string(text)};
    const BoardTextResult streamed = parse_board_text(stream);

    require(whole.ok() == streamed.ok(), "both readers take or refuse the same texts");
    require(whole.board == streamed.board, "both readers read the same board");
    if (whole.ok()) {
        for (int X = 0; X <= 盤サイズ; ++X)
            for (int Y = 0; Y <= 盤サイズ; ++Y)
                require(whole.board(X, Y) >= -最大駒コード && whole.board(X, Y) <= 最大駒コード,
                        "a board read holds real codes only");
        const BoardTextResult again = parse_board_text(format_board_text(whole.board));
        require(again.ok() && again.board == whole.board, "a board read prints and reads back the same");
    } else {
        require(whole.board == 盤面型{}, "a refused text leaves the board empty");
        require(whole.error->line == streamed.error->line && whole.error->message == streamed.error->message,
                "both readers give the same reason");
        require(whole.error->line >= 1 && static_cast<std::size_t>(whole.error->line) <= size + 1,
                "the refusal names a line of the text");
        require(fuzz::terminal_safe(whole.error->message), "the reason is fit for a terminal");
    }

    const std::size_t width = size == 0 ? 0 : data[0] % 80;
    const std::string excerpt = printable_excerpt(text, width);
    require(fuzz::terminal_safe(excerpt), "an excerpt is fit for a terminal");
    require(excerpt.size() <= width * 4 + 3, "an excerpt is no longer than asked");

    const auto code = parse_piece_code(text);
    if (code) require(parse_piece_code(format_piece_code(*code)) == code, "a piece code prints and reads back");
    return 0;
}
