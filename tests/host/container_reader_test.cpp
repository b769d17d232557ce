#include "host/container_reader.h"

#include <gtest/gtest.h>

#include "host/recording_loader.h"
#include "tools/common/container_writer.h"
#include "util/error.h"

namespace vx {
namespace {

using tools::ContainerBuilder;
using What = RecordingLoader::What;

// Fields 0 to 10 with plain values: header, title, options, hint delay,
// display options, mode, five empty scripts.
ContainerBuilder Prefix(std::int8_t key = 7) {
  ContainerBuilder b(key);
  b.Field("VXC1").Field("Title");
  b.RawField(std::string(14, '\0') + b.Encode("2500"));
  b.Field("500").RawField(std::string(2, '\0')).Field("800x600 1 Colors 60 Hertz");
  for (int i = 0; i < 5; ++i) b.Field("");
  return b;
}

struct Loaded {
  ShiftKey key;
  Project project;
  RecordingLoader target;
};

void Load(Loaded& l, const std::string& pdata) { LoadProjectContainer(pdata, l.key, l.project, l.target); }

// The message of the StreamError that loading raises.
std::string StreamErrorOf(const std::string& pdata) {
  Loaded l;
  try {
    Load(l, pdata);
  } catch (const StreamError& e) {
    return e.what();
  }
  return "no error";
}

std::string FieldText(const ContainerBuilder& b, std::string_view raw) {
  return b.Finish() + std::string(raw);
}

TEST(ContainerKeySearch, FirstKeyThatDecodesTheMagicWins) {
  for (std::int8_t key : {1, 2, 42, 99}) {
    Loaded l;
    Load(l, Prefix(key).Finish());
    EXPECT_EQ(l.key.Get(), key);
    EXPECT_EQ(l.project.title, "Title");
  }
}

TEST(ContainerKeySearch, KeyOneIsTriedBeforeAnyOther) {
  // The search stops at key 1; nothing later overwrites it.
  Loaded l;
  std::string pdata = "WYD" + std::string(tools::kFieldMarker);
  Load(l, pdata);
  EXPECT_EQ(l.key.Get(), 1);
}

TEST(ContainerKeySearch, KeyHundredOrAboveIsNotFound) {
  ContainerBuilder b(100);
  b.Field("VXC1");
  EXPECT_NE(StreamErrorOf(b.Finish()).find("byte 0"), std::string::npos);
  EXPECT_NE(StreamErrorOf("").find("VXC"), std::string::npos);
  EXPECT_NE(StreamErrorOf("WY").find("VXC"), std::string::npos);
}

TEST(ContainerFraming, LoneZeroInsideAFieldStaysInTheField) {
  ContainerBuilder b(7);
  b.Field("VXC1");
  // A zero followed by half a marker is no marker.
  b.RawField(b.Encode("a") + std::string("\0\1\0\1", 4) + b.Encode("b") + std::string(1, '\0'));
  Loaded l;
  Load(l, b.Finish());
  EXPECT_EQ(l.project.title, "a" + ShiftDecode(std::string("\0\1\0\1", 4), 7) + "b" +
                                 ShiftDecode(std::string(1, '\0'), 7));
}

TEST(ContainerFraming, OddMarkerPlacesAcceptEveryByteBeginningWithOne) {
  const std::string marker{'\0', 1, '\0', 10, '\0', 19, '\0', 100, '\0', static_cast<char>(199)};
  Loaded l;
  Load(l, ShiftEncode("VXC1", 3) + marker + ShiftEncode("T", 3) + marker);
  EXPECT_EQ(l.project.title, "T");
  const std::string notMarker{'\0', 1, '\0', 2, '\0', 1, '\0', 1, '\0', 1};
  Loaded m;
  Load(m, ShiftEncode("VXC1", 3) + marker + ShiftEncode("T", 3) + notMarker + ShiftEncode("U", 3) + marker);
  EXPECT_EQ(m.project.title, "T" + ShiftDecode(notMarker, 3) + "U");
}

TEST(ContainerFraming, TextAfterTheLastMarkerHasNoEffect) {
  ContainerBuilder b = Prefix();
  Loaded l;
  Load(l, FieldText(b, b.Encode("FORM") + "\x05" + b.Encode("Main")));
  EXPECT_TRUE(l.target.Of(What::PageStart).empty());
  EXPECT_EQ(l.target.Events().back().what, What::EndOfContainer);
}

TEST(ContainerFraming, MarkerRunningPastTheEndIsNoMarker) {
  ContainerBuilder b = Prefix();
  Loaded l;
  Load(l, FieldText(b, b.Encode("FORM") + "\x05" + b.Encode("Main") + std::string("\0\1\0\1\0\1\0\1\0", 9)));
  EXPECT_TRUE(l.target.Of(What::PageStart).empty());
}

TEST(ContainerFraming, ZeroAtByteSevenMustBeginAMarker) {
  const std::string marker(tools::kFieldMarker);
  EXPECT_NE(StreamErrorOf(ShiftEncode("VXC1abc", 5) + std::string(1, '\0') + "A" + marker).find("byte 7"),
            std::string::npos);
  // A zero elsewhere is part of the field; one at 7 that begins a marker is fine.
  Loaded l;
  Load(l, ShiftEncode("VXC1ab", 5) + std::string(1, '\0') + "A" + marker);
  Loaded m;
  Load(m, ShiftEncode("VXC1abc", 5) + marker + ShiftEncode("T", 5) + marker);
  EXPECT_EQ(m.project.title, "T");
}

TEST(ContainerProjectFields, SettingsScriptsAndModeLand) {
  ContainerBuilder b(9);
  b.Field("VXC1").Field("My show");
  std::string options{'\0', 1, 0, 1, 1, 1, 0, 10, 20, 30, 40, 50, 60, 1};
  b.RawField(options + b.Encode("3000"));
  b.Field("750").RawField(std::string{1, 0}).Field("1024x768 65536 Colors 75 Hertz");
  b.Field("a\x01" "b\x01");
  b.Field("\x01");
  b.Field("");
  b.Field("x\r\ny\nz\rw");
  b.Field("only");
  Loaded l;
  Load(l, b.Finish());
  const Project& p = l.project;
  EXPECT_EQ(p.title, "My show");
  EXPECT_TRUE(p.noCursorShadow);
  EXPECT_FALSE(p.noScreenSaver);
  EXPECT_TRUE(p.swapMouseButtons);
  EXPECT_TRUE(p.noMenuFade);
  EXPECT_TRUE(p.ExtractAllEmbedded);
  EXPECT_FALSE(p.HintFollowsMouse);
  EXPECT_EQ(p.hintColor, platform::MakeColor(10, 20, 30));
  EXPECT_EQ(p.hintFontColor, platform::MakeColor(40, 50, 60));
  EXPECT_TRUE(p.IgnoreMissingFlash);
  EXPECT_EQ(p.hintHidePause, 3000);
  EXPECT_EQ(p.hintPause, 750);
  EXPECT_TRUE(p.ChangeResolution);
  EXPECT_FALSE(p.ExitOnBadResolution);
  EXPECT_EQ(p.requestedMode, "1024x768 65536 Colors 75 Hertz");
  EXPECT_EQ(p.OnErrorScript, (LineList{"a", "b"}));
  EXPECT_EQ(p.OnHintScript, (LineList{""}));  // one empty line: its text is CR LF
  EXPECT_TRUE(p.OnMinimizeScript.empty());
  EXPECT_EQ(p.OnRestoreScript, (LineList{"x", "y", "z", "w"}));
  EXPECT_EQ(p.ReservedProjectScript, (LineList{"only"}));

  // Saved first, then only the set flags change a setting.
  const auto& e = l.target.Events();
  ASSERT_GE(e.size(), 4u);
  EXPECT_EQ(e[0].what, What::SaveSystemSettings);
  EXPECT_EQ(e[1].setting, platform::SystemSetting::CursorShadow);
  EXPECT_FALSE(e[1].on);
  EXPECT_EQ(e[2].setting, platform::SystemSetting::SwapMouseButtons);
  EXPECT_TRUE(e[2].on);
  EXPECT_EQ(e[3].setting, platform::SystemSetting::MenuFade);
  EXPECT_EQ(l.target.Of(What::ChangeSystemSetting).size(), 3u);
}

TEST(ContainerProjectFields, NumberThatIsNoNumberEndsTheLoadWithNothingKept) {
  ContainerBuilder b(7);
  b.Field("VXC1").Field("T").RawField(std::string(14, '\0') + b.Encode("2500")).Field("soon");
  ShiftKey key;
  Project project;
  project.title = "before";
  RecordingLoader target;
  try {
    LoadProjectContainer(b.Finish(), key, project, target);
    FAIL() << "no error";
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "'soon' is not a valid integer value");
  }
  EXPECT_EQ(project.title, "before");
  EXPECT_EQ(target.Events().back().what, What::LoadAbandoned);
}

TEST(ContainerProjectFields, ShortOptionFieldHasNoHidePause) {
  ContainerBuilder b(7);
  b.Field("VXC1").Field("T").RawField(std::string{0, 2});
  Loaded l;
  EXPECT_THROW(Load(l, b.Finish()), ConvertError);
}

TEST(ContainerRecords, TwoFontRecordsInARowAreBothInstalled) {
  ContainerBuilder b = Prefix();
  b.Record("FONT", "a.ttf").Record("FONT", "b.ttf").Record("FORM", "Main").Field("Caption");
  Loaded l;
  Load(l, b.Finish());
  EXPECT_EQ(l.project.fonts, (std::vector<std::string>{"a.ttf", "b.ttf"}));
  const auto installed = l.target.Of(What::InstallFont);
  ASSERT_EQ(installed.size(), 2u);
  EXPECT_EQ(installed[1].decoded, "b.ttf");
  ASSERT_EQ(l.target.Of(What::PageStart).size(), 1u);
  const auto fields = l.target.Of(What::PageField);
  ASSERT_EQ(fields.size(), 1u);
  EXPECT_EQ(fields[0].counter, 12);
  EXPECT_EQ(fields[0].decoded, "Caption");
}

TEST(ContainerRecords, FunctionRecordSplitsNameShortcutSlotBody) {
  ContainerBuilder b = Prefix();
  b.Record("FUNC", "f-000F5:0:x").Record("FUNC", "g-110A:2:1(a)\x01" "2(b):c\x01");
  Loaded l;
  Load(l, b.Finish());
  const auto& fns = l.project.functions;
  ASSERT_EQ(fns.size(), 3u);
  EXPECT_EQ(fns[0], TFunc{});
  EXPECT_EQ(fns[1], (TFunc{"f", "000F5", 0, {"x"}}));
  EXPECT_EQ(fns[2], (TFunc{"g", "110A", 2, {"1(a)", "2(b):c"}}));
}

TEST(ContainerRecords, BrokenFunctionRecordsAreErrors) {
  for (const char* text : {"f000F5:0:x", "f-000F5:0x", "f-000F5"}) {
    ContainerBuilder b = Prefix();
    b.Record("FUNC", text);
    EXPECT_NE(StreamErrorOf(b.Finish()).find("name-shortcut:slot:body"), std::string::npos) << text;
  }
  ContainerBuilder b = Prefix();
  b.Record("FUNC", "f-000F5:z:x");
  Loaded l;
  EXPECT_THROW(Load(l, b.Finish()), ConvertError);
}

TEST(ContainerRecords, ThreadDigitsGivePriorityCodes) {
  ContainerBuilder b = Prefix();
  b.Record("THRD", "25");
  Loaded l;
  Load(l, b.Finish());
  EXPECT_EQ(l.project.threadPriorities, (std::vector<int>{0, 4, 1}));
  ContainerBuilder c = Prefix();
  c.Record("THRD", "2x");
  Loaded m;
  EXPECT_THROW(Load(m, c.Finish()), ConvertError);
}

TEST(ContainerRecords, EmbeddedFilesAndCursorsAreKeptInOrder) {
  ContainerBuilder b = Prefix();
  b.Record("EMBD", "a.htm").Record("CURS", "[embed]b.cur").Record("EMBD", "b.cur");
  Loaded l;
  Load(l, b.Finish());
  EXPECT_EQ(l.project.embeddedFiles, (std::vector<std::string>{"", "a.htm", "b.cur"}));
  EXPECT_EQ(l.project.cursorFiles, (std::vector<std::string>{"[embed]b.cur"}));
}

TEST(ContainerRecords, RecordWithoutTheTagEndByteIsIgnored) {
  ContainerBuilder b = Prefix();
  b.Field("FONTxa.ttf").Field("Caption");
  Loaded l;
  Load(l, b.Finish());
  EXPECT_TRUE(l.project.fonts.empty());
  // The counter was not set back: the next field is a page field.
  const auto fields = l.target.Of(What::PageField);
  ASSERT_EQ(fields.size(), 1u);
  EXPECT_EQ(fields[0].counter, 12);
}

// A page with all 23 fields, the last one marked.
void AddPage(ContainerBuilder& b, const std::string& name) {
  b.Record("FORM", name);
  for (int w = 12; w <= 34; ++w) b.Field("p" + std::to_string(w));
}

std::string TextHeader(const std::string& name) { return std::string{'\0', 1} + name + std::string(24, '\x01'); }

TEST(ContainerObjects, PageWithoutObjectsIsFollowedByTheNextPage) {
  ContainerBuilder b = Prefix();
  AddPage(b, "One");
  AddPage(b, "Two");
  Loaded l;
  Load(l, b.Finish());
  const auto pages = l.target.Of(What::PageStart);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[1].decoded, "Two");
  const auto fields = l.target.Of(What::PageField);
  ASSERT_EQ(fields.size(), 46u);
  EXPECT_EQ(fields[45].counter, 34);
  EXPECT_EQ(fields[45].decoded, "p34");
}

TEST(ContainerObjects, HeaderSplitsCodeNameAndTrailingCharacters) {
  ContainerBuilder b = Prefix();
  AddPage(b, "One");
  b.Field(std::string{'\x01', '\x07'} + "tick" + "\x01");
  b.Field("1000").Field("0").Field("x\x01");
  Loaded l;
  Load(l, b.Finish());
  const auto headers = l.target.Of(What::ObjectHeader);
  ASSERT_EQ(headers.size(), 1u);
  EXPECT_EQ(headers[0].kind->kind, ObjectKind::Timer);
  EXPECT_EQ(headers[0].decoded, "tick");
  EXPECT_EQ(headers[0].trailing, "\x01");
  const auto fields = l.target.Of(What::ObjectField);
  ASSERT_EQ(fields.size(), 3u);
  EXPECT_EQ(fields[2].counter, 38);
  EXPECT_EQ(StoredScriptLines(fields[2].decoded), LineList{"x"});
}

TEST(ContainerObjects, FieldsAfterTheLastFieldAreClassified) {
  ContainerBuilder b = Prefix();
  AddPage(b, "One");
  b.Field(TextHeader("a"));
  for (int w = 36; w <= 49; ++w) b.Field("f" + std::to_string(w));
  b.Field("stray");                 // ignored
  b.Field(TextHeader("b"));         // a new object
  for (int w = 36; w <= 49; ++w) b.Field("g" + std::to_string(w));
  b.Record("EMBD", "late.htm");     // a record again
  b.Record("FORM", "Two");
  Loaded l;
  Load(l, b.Finish());
  const auto headers = l.target.Of(What::ObjectHeader);
  ASSERT_EQ(headers.size(), 2u);
  EXPECT_EQ(headers[1].decoded, "b");
  EXPECT_EQ(headers[1].counter, 35);
  const auto fields = l.target.Of(What::ObjectField);
  ASSERT_EQ(fields.size(), 28u);
  EXPECT_EQ(fields[14].counter, 36);
  EXPECT_EQ(fields[14].decoded, "g36");
  ASSERT_EQ(l.target.Of(What::Ignored).size(), 1u);
  EXPECT_EQ(l.target.Of(What::Ignored)[0].decoded, "stray");
  EXPECT_EQ(l.project.embeddedFiles.back(), "late.htm");
  EXPECT_EQ(l.target.Of(What::PageStart).size(), 2u);
}

TEST(ContainerObjects, CodeThatIsNoObjectMakesNothingAndItsFieldsAreClassified) {
  ContainerBuilder b = Prefix();
  AddPage(b, "One");
  b.Field(std::string{'\x02', '\x02'} + "odd");
  b.Field("12");
  b.Record("FORM", "Two");
  Loaded l;
  Load(l, b.Finish());
  EXPECT_TRUE(l.target.Of(What::ObjectHeader).empty());
  EXPECT_TRUE(l.target.Of(What::ObjectField).empty());
  EXPECT_EQ(l.target.Of(What::Ignored).size(), 2u);
  EXPECT_EQ(l.target.Of(What::PageStart).size(), 2u);
}

TEST(ContainerObjects, HeaderShorterThanItsKindIsAnError) {
  ContainerBuilder b = Prefix();
  AddPage(b, "One");
  b.Field(std::string{'\0', 1} + "short");
  EXPECT_NE(StreamErrorOf(b.Finish()).find("TVXText"), std::string::npos);
}

TEST(ContainerObjects, EveryKindEndsAtItsLastField) {
  for (const auto& kind : ObjectKinds()) {
    ContainerBuilder b = Prefix();
    AddPage(b, "One");
    b.Field(std::string(reinterpret_cast<const char*>(kind.code), 2) + "o" +
            std::string(static_cast<std::size_t>(kind.trailingCount), '\x01'));
    for (int w = 36; w <= kind.lastField + 1; ++w) b.Field("v");
    Loaded l;
    Load(l, b.Finish());
    EXPECT_EQ(l.target.Of(What::ObjectField).size(), static_cast<std::size_t>(kind.lastField - 35))
        << kind.className;
    EXPECT_EQ(l.target.Of(What::Ignored).size(), 1u) << kind.className;
  }
}

}  // namespace
}  // namespace vx
