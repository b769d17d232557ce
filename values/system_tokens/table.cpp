#include <array>

#include "values/number_text.h"
#include "values/system_tokens.h"

namespace vx::eval {

namespace {

constexpr std::array<ConstantToken, 28> kConstants{{
    {"@8%", CursorX},        {"@9%", CursorY},          {"@2%", LeftButton},
    {"@3%", RightButton},    {"@4%", MiddleButton},     {"@10%", ScreenWidth},
    {"@11%", ScreenHeight},  {"@12%", WorkWidth},       {"@13%", WorkHeight},
    {"@14%", CurrentPage},   {"@16%", ClipboardValue},  {"@19%", DriveCount},
    {"@23%", Hour},          {"@24%", Minute},          {"@25%", Second},
    {"@26%", Year},          {"@27%", Month},           {"@28%", Day},
    {"@29%", FarYear},       {"@30%", FarMonth},        {"@31%", FarDay},
    {"@34%", TotalMemory},   {"@35%", AvailableMemory}, {"@64%", PageCursorX},
    {"@65%", PageCursorY},   {"@66%", PageLeft},        {"@67%", PageTop},
    {"@71%", Online},
}};

constexpr auto kAll = CallForm::AllOccurrences;
constexpr std::array<FunctionToken, 42> kFunctions{{
    {"@0%(", PosOfToken, kAll},          {"@1%(", LengthOf, kAll},
    {"@5%(", KeyStateOf, kAll},          {"@6%", PageWidth, kAll},
    {"@7%", PageHeight, kAll},           {"@15%", FileExistsValue, kAll},
    {"@17%", FileLineCount, kAll},       {"@18%", FileSizeValue, kAll},
    {"@20%", DrivesOfType, kAll},        {"@21%", DriveSizeValue, kAll},
    {"@22%", DriveFreeValue, kAll},      {"@36%", FolderExistsValue, kAll},
    {"@37%(", CountOfToken, kAll},       {"@38%(", DriveReadyValue, kAll},
    {"@39%(", BinValue, kAll},           {"@40%(", OctValue, kAll},
    {"@41%", HexValue, kAll},            {"@42%", RoundValue, kAll},
    {"@43%", RandomValue, CallForm::ToEnd},
    {"@44%", TextAsNumber, CallForm::FirstOnly},
    {"@45%", ObjectVisible, kAll},       {"@46%", ObjectVolume, kAll},
    {"@47%", ObjectState, kAll},         {"@48%", CodeOfFirst, kAll},
    {"@49%", Sine, kAll},                {"@50%", Cosine, kAll},
    {"@51%", Tangent, kAll},             {"@52%", Cotangent, kAll},
    {"@53%", ArcCosine, kAll},           {"@54%", ArcSine, kAll},
    {"@55%", ArcTangent, kAll},          {"@56%", ArcCotangent, kAll},
    {"@57%", Absolute, kAll},            {"@58%", SquareRoot, kAll},
    {"@59%", RegistryKeyExists, kAll},   {"@60%", RegistryValueExists, kAll},
    {"@61%", RegistryBool, kAll},        {"@62%", RegistryInteger, kAll},
    {"@63%", RegistryFloat, kAll},       {"@68%(", IniFloat, kAll},
    {"@69%(", IniBool, kAll},            {"@70%", Remainder, CallForm::ToEnd},
}};

}  // namespace

std::span<const ConstantToken> ConstantTokens() { return kConstants; }
std::span<const FunctionToken> FunctionTokens() { return kFunctions; }

std::string IntText(std::int64_t value) { return std::to_string(value); }
std::string FlagText(bool value) { return value ? "1" : "0"; }

}  // namespace vx::eval
