#pragma once
// Where the help page is: "Bexoru.htm" in the start folder, opened in the
// user's browser (or the window's own help window) by its file URL.

#include <filesystem>
#include <string>
#include <string_view>

namespace bexoru {

inline constexpr std::string_view ヘルプページ名 = "Bexoru.htm";

// The file URL of an absolute path: "file://" and the path with every byte
// outside the unreserved characters and "/" percent-encoded (UTF-8), so that
// spaces, "#", "%" and kanji in folder names survive.
std::string ファイルURL(const std::filesystem::path& 絶対パス);

}  // namespace bexoru
