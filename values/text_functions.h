#pragma once
// The text functions 0 to 32 of text expressions: "n(arguments)". Each row
// names its argument count and its handler; arguments arrive as they stand
// in the expression, quotes and all, and each handler evaluates its own.

#include <string>
#include <string_view>
#include <vector>

#include "values/eval_internal.h"

namespace vx::eval {

using Args = std::vector<std::string>;
using TextHandler = std::string (*)(const Evaluator&, const Args&);

struct TextFunction {
  int arity;
  TextHandler handler;
};

// The function whose decimal name is exactly name, or null.
const TextFunction* FindTextFunction(std::string_view name);

// text_functions/strings.cpp
std::string Substring(const Evaluator&, const Args&);      // 0
std::string ReplaceText(const Evaluator&, const Args&);    // 1
std::string CharOfCode(const Evaluator&, const Args&);     // 2
std::string LowerText(const Evaluator&, const Args&);      // 3
std::string UpperText(const Evaluator&, const Args&);      // 4
std::string ReverseText(const Evaluator&, const Args&);    // 18
// text_functions/paths.cpp
std::string DrivePart(const Evaluator&, const Args&);      // 5
std::string PathPart(const Evaluator&, const Args&);       // 6
std::string NamePart(const Evaluator&, const Args&);       // 7
std::string ExtensionPart(const Evaluator&, const Args&);  // 8
std::string ParamText(const Evaluator&, const Args&);      // 9
std::string ClipboardText(const Evaluator&, const Args&);  // 10
std::string FileText(const Evaluator&, const Args&);       // 11
std::string FileChar(const Evaluator&, const Args&);       // 28
std::string TrailerText(const Evaluator&, const Args&);    // 31
// text_functions/clock.cpp
std::string Time12(const Evaluator&, const Args&);         // 12
std::string Time24(const Evaluator&, const Args&);         // 13
std::string DateText(const Evaluator&, const Args&);       // 14
std::string FarDateText(const Evaluator&, const Args&);    // 15
std::string WeekdayText(const Evaluator&, const Args&);    // 16
std::string FarMonthText(const Evaluator&, const Args&);   // 17
// text_functions/radix.cpp
std::string HexOfValue(const Evaluator&, const Args&);     // 19
std::string BinOfValue(const Evaluator&, const Args&);     // 20
std::string OctOfValue(const Evaluator&, const Args&);     // 21
std::string OctToBinText(const Evaluator&, const Args&);   // 22
std::string BinToOctText(const Evaluator&, const Args&);   // 23
std::string BinToHexText(const Evaluator&, const Args&);   // 24
std::string OctToHexText(const Evaluator&, const Args&);   // 25
std::string HexToBinText(const Evaluator&, const Args&);   // 26
std::string HexToOctText(const Evaluator&, const Args&);   // 27
// text_functions/stores.cpp
std::string RegistryText(const Evaluator&, const Args&);   // 29
std::string IniText(const Evaluator&, const Args&);        // 30
std::string FlashVariableText(const Evaluator&, const Args&);  // 32

}  // namespace vx::eval
