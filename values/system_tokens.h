#pragma once
// The system tokens "@n%" of numeric expressions: constants, replaced first
// in table order, then function tokens, kind by kind in table order. Each
// handler gives the value as the decimal text that takes the token's place.

#include <span>
#include <string>
#include <string_view>

#include "values/text_functions.h"

namespace vx::eval {

struct ConstantToken {
  std::string_view token;
  std::string (*value)(const Evaluator&);
};

// How a function token's call text is cut out of W and replaced.
enum class CallForm {
  AllOccurrences,  // token to the first ")" outside quotes; every copy replaced
  FirstOnly,       // the same cut, only the first copy replaced per pass
  ToEnd,           // token to the end of W, arguments split at the first comma
};

struct FunctionToken {
  std::string_view token;
  std::string (*value)(const Evaluator&, const Args&);
  CallForm form;
};

std::span<const ConstantToken> ConstantTokens();
std::span<const FunctionToken> FunctionTokens();

// Values written back into W.
std::string IntText(std::int64_t value);
std::string FlagText(bool value);

// system_tokens/constants.cpp
std::string CursorX(const Evaluator&);
std::string CursorY(const Evaluator&);
std::string LeftButton(const Evaluator&);
std::string RightButton(const Evaluator&);
std::string MiddleButton(const Evaluator&);
std::string ScreenWidth(const Evaluator&);
std::string ScreenHeight(const Evaluator&);
std::string WorkWidth(const Evaluator&);
std::string WorkHeight(const Evaluator&);
std::string CurrentPage(const Evaluator&);
std::string ClipboardValue(const Evaluator&);
std::string DriveCount(const Evaluator&);
std::string TotalMemory(const Evaluator&);
std::string AvailableMemory(const Evaluator&);
std::string PageCursorX(const Evaluator&);
std::string PageCursorY(const Evaluator&);
std::string PageLeft(const Evaluator&);
std::string PageTop(const Evaluator&);
std::string Online(const Evaluator&);
// system_tokens/clock.cpp
std::string Hour(const Evaluator&);
std::string Minute(const Evaluator&);
std::string Second(const Evaluator&);
std::string Year(const Evaluator&);
std::string Month(const Evaluator&);
std::string Day(const Evaluator&);
std::string FarYear(const Evaluator&);
std::string FarMonth(const Evaluator&);
std::string FarDay(const Evaluator&);

// system_tokens/text_tokens.cpp
std::string PosOfToken(const Evaluator&, const Args&);      // @0%(
std::string LengthOf(const Evaluator&, const Args&);        // @1%(
std::string KeyStateOf(const Evaluator&, const Args&);      // @5%(
std::string CountOfToken(const Evaluator&, const Args&);    // @37%(
std::string BinValue(const Evaluator&, const Args&);        // @39%(
std::string OctValue(const Evaluator&, const Args&);        // @40%(
std::string HexValue(const Evaluator&, const Args&);        // @41%
std::string TextAsNumber(const Evaluator&, const Args&);    // @44%
std::string CodeOfFirst(const Evaluator&, const Args&);     // @48%
// system_tokens/page_tokens.cpp
std::string PageWidth(const Evaluator&, const Args&);       // @6%
std::string PageHeight(const Evaluator&, const Args&);      // @7%
std::string ObjectVisible(const Evaluator&, const Args&);   // @45%
std::string ObjectVolume(const Evaluator&, const Args&);    // @46%
std::string ObjectState(const Evaluator&, const Args&);     // @47%
// system_tokens/file_tokens.cpp
std::string FileExistsValue(const Evaluator&, const Args&);    // @15%
std::string FileLineCount(const Evaluator&, const Args&);      // @17%
std::string FileSizeValue(const Evaluator&, const Args&);      // @18%
std::string DrivesOfType(const Evaluator&, const Args&);       // @20%
std::string DriveSizeValue(const Evaluator&, const Args&);     // @21%
std::string DriveFreeValue(const Evaluator&, const Args&);     // @22%
std::string FolderExistsValue(const Evaluator&, const Args&);  // @36%
std::string DriveReadyValue(const Evaluator&, const Args&);    // @38%(
// system_tokens/math_tokens.cpp
std::string RoundValue(const Evaluator&, const Args&);   // @42%
std::string RandomValue(const Evaluator&, const Args&);  // @43%
std::string Sine(const Evaluator&, const Args&);         // @49%
std::string Cosine(const Evaluator&, const Args&);       // @50%
std::string Tangent(const Evaluator&, const Args&);      // @51%
std::string Cotangent(const Evaluator&, const Args&);    // @52%
std::string ArcCosine(const Evaluator&, const Args&);    // @53%
std::string ArcSine(const Evaluator&, const Args&);      // @54%
std::string ArcTangent(const Evaluator&, const Args&);   // @55%
std::string ArcCotangent(const Evaluator&, const Args&); // @56%
std::string Absolute(const Evaluator&, const Args&);     // @57%
std::string SquareRoot(const Evaluator&, const Args&);   // @58%
std::string Remainder(const Evaluator&, const Args&);    // @70%
// system_tokens/store_tokens.cpp
std::string RegistryKeyExists(const Evaluator&, const Args&);    // @59%
std::string RegistryValueExists(const Evaluator&, const Args&);  // @60%
std::string RegistryBool(const Evaluator&, const Args&);         // @61%
std::string RegistryInteger(const Evaluator&, const Args&);      // @62%
std::string RegistryFloat(const Evaluator&, const Args&);        // @63%
std::string IniFloat(const Evaluator&, const Args&);             // @68%(
std::string IniBool(const Evaluator&, const Args&);              // @69%(

}  // namespace vx::eval
