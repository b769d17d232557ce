#pragma once
// Text searches that respect quotes and brackets. Positions are 1-based; "not
// found" is a sentinel stated per routine, which callers test for. An empty
// token never occurs anywhere.

#include <optional>
#include <string>
#include <string_view>

namespace vx {

// Sentinel of the searches that report -9999.
inline constexpr int kNotFound = -9999;

// Blanks are the space character.
std::string StripSpaces(std::string_view text, bool leadingOnly);
std::string TrimTrailing(std::string_view text);
// The first keep characters, then the rest without its leading blanks. With
// flag set there is no result: the caller keeps what it had.
std::optional<std::string> TrimAfter(std::string_view text, int keep, bool flag);

// Occurrences may overlap.
int CountOccurrences(std::string_view token, std::string_view text);
// A double quote at a position toggles the quote state before the token is
// compared there.
int CountOutsideQuotes(std::string_view token, std::string_view text);
// Position of the n-th occurrence (its first character), counted from the end
// when backwards; 0 when there are fewer than n.
int PosOfNth(std::string_view token, std::string_view text, int n, bool backwards);
// First position holding one of chars at bracket depth 0 or below ("[" and
// "]" never match); -1 when none.
int FirstOfAnyOutsideBrackets(std::string_view text, std::string_view chars);
// Position of the n-th close met at depth 1; kNotFound when none.
int PosOfNthClosing(std::string_view open, std::string_view close, std::string_view text,
                    int n);
// Last character of the n-th occurrence of token outside quote marks;
// kNotFound when none.
int PosOfNthOutsideQuotes(std::string_view quote, std::string_view token, std::string_view text,
                          int n);
// As PosOfNthOutsideQuotes, counting only occurrences at bracket depth 0.
// Every mark is compared with a piece of the token's length.
int PosOfNthAtTopLevel(std::string_view quote, std::string_view open, std::string_view close,
                       int n, std::string_view text, std::string_view token);
// Every occurrence of token outside quotes, found without regard to case,
// becomes replacement. Each replacement is followed by a search of the whole
// new text; when replacement itself holds the token that could never end, so
// then one left-to-right pass is made instead.
std::string ReplaceOutsideQuotes(std::string_view text, std::string_view token,
                                 std::string_view replacement, std::string_view quote);

// Arithmetic operators "/*+-^". OperatorBefore looks at pos, pos-1, ... 1 and
// gives 0 when none; OperatorAfter looks at pos, pos+1, ... and gives
// length + 1 when none.
int OperatorBefore(std::string_view text, int pos);
int OperatorAfter(std::string_view text, int pos);

}  // namespace vx
