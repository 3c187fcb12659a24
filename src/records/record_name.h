#pragma once
// The name typed for a record: a plain file name in the chosen folder.

#include <optional>
#include <string_view>

namespace bexoru {

// Why the typed name cannot be a record's name, as the refusal's text; empty
// when it can. An empty name is the caller's own refusal. Refused are:
// - a "/", which would reach into another folder;
// - control characters, NUL among them: the system cuts a path at a NUL, so
//   "victim.txt" NUL "x" would replace victim.txt;
// - a name of spaces only (ASCII or full-width), which no one can tell apart;
// - a leading ".", which hides the file: the file list would never show it.
std::optional<std::string_view> 棋譜名の不備(std::string_view 名);

}  // namespace bexoru
