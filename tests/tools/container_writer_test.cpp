#include "tools/common/container_writer.h"

#include <gtest/gtest.h>

#include <map>

#include "host/container_reader.h"
#include "host/recording_loader.h"
#include "util/error.h"

namespace vx::tools {
namespace {

using What = RecordingLoader::What;

struct Read {
  ShiftKey key;
  Project project;
  RecordingLoader target;
};

void ReadBack(Read& r, const ProjectModel& model, std::int8_t key = kDefaultProjectKey) {
  LoadProjectContainer(WriteContainer(model, key), r.key, r.project, r.target);
}

// Decoded object fields by W, for the object with the given name.
std::map<int, std::string> FieldsOf(const RecordingLoader& target, const std::string& name) {
  std::map<int, std::string> fields;
  bool inside = false;
  for (const auto& e : target.Events()) {
    if (e.what == What::ObjectHeader) inside = e.decoded == name;
    if (e.what == What::PageStart) inside = false;
    if (inside && e.what == What::ObjectField) fields[e.counter] = e.decoded;
  }
  return fields;
}

RecordingLoader::Event HeaderOf(const RecordingLoader& target, const std::string& name) {
  for (const auto& e : target.Of(What::ObjectHeader))
    if (e.decoded == name) return e;
  ADD_FAILURE() << "no header " << name;
  return {};
}

ProjectModel EveryKind() {
  ProjectModel p;
  p.title = "Round trip";
  p.noScreenSaver = true;
  p.hintFollowsMouse = true;
  p.hintColor = platform::MakeColor(1, 2, 3);
  p.hintHidePause = 4321;
  p.hintPause = 99;
  p.exitOnBadResolution = true;
  p.errorScript = "13(\"x\")\r\n";
  p.reservedScript = "a\nb";
  p.AddEmbeddedFile("pages\\index.htm", "<html>");
  p.fonts = {"[src]a.ttf"};
  p.cursorFiles = {"[embed]hand.cur"};
  p.threadPriorityCodes = {4, 1};
  p.AddFunction("go", "1(a)\n2(b)").shortcut = "010F2";

  auto& one = p.AddPage("One");
  one.width = -1;
  one.alpha = 200;
  one.cursor = 13;
  one.background = "BM...";
  one.flags.centred = false;
  one.flags.frame = 2;
  one.flags.backgroundTransparentColor = platform::MakeColor(10, 11, 12);
  one.flags.transparentColor = platform::MakeColor(20, 21, 22);
  one.flags.windowColor = platform::MakeColor(30, 31, 32);
  one.flags.transition = 14;
  one.flags.transitionDuration = 750;
  one.transitionDirection = 3;
  one.transitionOption2 = true;
  one.showScript = "show";
  one.wheelScript = "w1\r\nw2";

  auto& text = one.AddText("t1");
  text.bounds = {100, 20, 300, 40};
  text.enabled = false;
  text.caption = "Hello";
  text.font.bold = true;
  text.font.color = platform::MakeColor(200, 0, 0);
  text.hint = "\\qhi\\q";
  text.scripts.mouseUp = "13(\"up\")";
  text.scripts.mouseLeave = "leave";
  auto& edit = one.AddEdit("e1");
  edit.passwordChar = '*';
  edit.text = "typed";
  edit.maxLength = 12;
  edit.changeScript = "changed";
  edit.scripts.mouseLeave = "left";
  auto& button = one.AddButton("b1");
  button.caption = "OK";
  button.tabOrder = 3;
  button.scripts.mouseLeave = "bye";
  auto& picture = one.AddPicture("i1");
  picture.fileName = "photo.png";
  picture.image = "PNG";
  picture.bounds = {1, 2, 3, 4};
  auto& shape = one.AddShape("s1");
  shape.form = 4;
  shape.hint = "tip";
  shape.points = {{1, 2}, {30, 40}};

  auto& two = p.AddPage("Two");
  auto& sound = two.AddSound("snd");
  sound.playWithPageStart = true;
  sound.volume = -900;
  sound.fileName = "[embed]a.wav";
  sound.finishScript = "done";
  auto& video = two.AddVideo("vid");
  video.volume = 50;
  video.path = "v.avi";
  video.finishScript = "vdone";
  auto& flash = two.AddFlash("fl");
  flash.quality = 2;
  flash.movie = "m.swf";
  flash.flashCallScript = "call";
  auto& browser = two.AddBrowser("web");
  browser.defPath = "[embed]index.htm";
  browser.addressScript = "addr";
  return p;
}

TEST(ContainerRoundTrip, ProjectFieldsAndTablesComeBack) {
  ProjectModel model = EveryKind();
  Read r;
  ReadBack(r, model, 42);
  const Project& p = r.project;
  EXPECT_EQ(r.key.Get(), 42);
  EXPECT_EQ(p.title, "Round trip");
  EXPECT_TRUE(p.noScreenSaver);
  EXPECT_FALSE(p.noCursorShadow);
  EXPECT_TRUE(p.HintFollowsMouse);
  EXPECT_EQ(p.hintColor, platform::MakeColor(1, 2, 3));
  EXPECT_EQ(p.hintHidePause, 4321);
  EXPECT_EQ(p.hintPause, 99);
  EXPECT_FALSE(p.ChangeResolution);
  EXPECT_TRUE(p.ExitOnBadResolution);
  EXPECT_EQ(p.requestedMode, model.requestedMode);
  EXPECT_EQ(p.OnErrorScript, LineList{"13(\"x\")"});
  EXPECT_EQ(p.ReservedProjectScript, (LineList{"a", "b"}));
  EXPECT_EQ(p.embeddedFiles, (std::vector<std::string>{"", "pages\\index.htm"}));
  EXPECT_EQ(p.fonts, model.fonts);
  EXPECT_EQ(p.cursorFiles, model.cursorFiles);
  EXPECT_EQ(p.threadPriorities, (std::vector<int>{0, 4, 1}));
  ASSERT_EQ(p.functions.size(), 2u);
  EXPECT_EQ(p.functions[1], (TFunc{"go", "010F2", 0, {"1(a)", "2(b)"}}));
  EXPECT_EQ(r.target.Of(What::InstallFont).size(), 1u);
  EXPECT_TRUE(r.target.Of(What::Ignored).empty());
}

TEST(ContainerRoundTrip, PageFieldsComeBackWithTheirCounters) {
  ProjectModel model = EveryKind();
  Read r;
  ReadBack(r, model);
  const auto starts = r.target.Of(What::PageStart);
  ASSERT_EQ(starts.size(), 2u);
  EXPECT_EQ(starts[0].decoded, "One");
  std::map<int, std::string> page;
  for (const auto& e : r.target.Of(What::PageField))
    if (page.size() < 23) page[e.counter] = e.decoded;
  ASSERT_EQ(page.size(), 23u);
  EXPECT_EQ(page.begin()->first, 12);
  EXPECT_EQ(page[12], "One");
  EXPECT_EQ(page[13], "-1");
  EXPECT_EQ(page[15], "200");
  EXPECT_EQ(page[22], "13");
  EXPECT_EQ(StoredScriptLines(page[31]), LineList{"show"});
  EXPECT_EQ(StoredScriptLines(page[34]), (LineList{"w1", "w2"}));
  EXPECT_EQ(page[25], std::string("03\x00\x01", 4));

  const std::string& flags = page[24];
  ASSERT_EQ(flags.size(), 38u);
  EXPECT_EQ(flags[1], '1');
  EXPECT_EQ(flags[10], '2');
  const std::int8_t k = kDefaultProjectKey;
  EXPECT_EQ(ShiftEncode(flags.substr(22, 3), k), "\x0a\x0b\x0c");
  EXPECT_EQ(ShiftDecode(flags.substr(26, 3), k), "\x14\x15\x16");
  EXPECT_EQ(ShiftDecode(flags.substr(30, 3), k), "\x1e\x1f\x20");
  EXPECT_EQ(flags[34], '\x0e');
  EXPECT_EQ(flags.substr(35), "750");
}

TEST(ContainerRoundTrip, ControlObjectsComeBackFieldByField) {
  Read r;
  ReadBack(r, EveryKind());
  const auto text = HeaderOf(r.target, "t1");
  ASSERT_NE(text.kind, nullptr);
  EXPECT_EQ(text.kind->kind, ObjectKind::Text);
  ASSERT_EQ(text.trailing.size(), 24u);
  EXPECT_EQ(text.trailing[2], '\x01');  // bold
  EXPECT_EQ(text.trailing.substr(6, 3), std::string("\xc8\x00\x00", 3));
  auto t = FieldsOf(r.target, "t1");
  ASSERT_EQ(t.size(), 14u);
  EXPECT_EQ(t[36], "1010");  // left 100, disabled
  EXPECT_EQ(t[37], "21");
  EXPECT_EQ(t[40], "\\qhi\\q");
  EXPECT_EQ(t[41], "Hello");
  EXPECT_EQ(t[42], "Tahoma");
  EXPECT_EQ(StoredScriptLines(t[47]), LineList{"13(\"up\")"});
  EXPECT_EQ(StoredScriptLines(t[49]), LineList{"leave"});

  const auto edit = HeaderOf(r.target, "e1");
  ASSERT_EQ(edit.trailing.size(), 37u);
  EXPECT_EQ(ShiftEncode(edit.trailing.substr(13, 1), kDefaultProjectKey), "*");  // read raw
  auto e = FieldsOf(r.target, "e1");
  ASSERT_EQ(e.size(), 17u);
  EXPECT_EQ(e[41], "typed");
  EXPECT_EQ(e[45], "12");
  EXPECT_EQ(StoredScriptLines(e[48]), LineList{"changed"});
  EXPECT_EQ(StoredScriptLines(e[52]), LineList{"left"});

  auto b = FieldsOf(r.target, "b1");
  ASSERT_EQ(b.size(), 15u);
  EXPECT_EQ(b[41], "OK");
  EXPECT_EQ(b[45], "3");
  EXPECT_EQ(StoredScriptLines(b[50]), LineList{"bye"});

  auto i = FieldsOf(r.target, "i1");
  ASSERT_EQ(i.size(), 11u);
  EXPECT_EQ(i[36], "photo.png");
  EXPECT_EQ(i[37], "1");
  EXPECT_EQ(i[40], "4");

  const auto shape = HeaderOf(r.target, "s1");
  EXPECT_EQ(shape.trailing[12], '\x04');
  auto s = FieldsOf(r.target, "s1");
  ASSERT_EQ(s.size(), 10u);
  EXPECT_EQ(s[40], "tip\x01" "1,2\x01" "30,40");
}

TEST(ContainerRoundTrip, MediaAndHostedObjectsComeBackFieldByField) {
  Read r;
  ReadBack(r, EveryKind());
  const auto sound = HeaderOf(r.target, "snd");
  EXPECT_EQ(sound.trailing, std::string("\x00\x01-900", 6));
  auto s = FieldsOf(r.target, "snd");
  ASSERT_EQ(s.size(), 7u);
  EXPECT_EQ(s[40], "[embed]a.wav");
  EXPECT_EQ(StoredScriptLines(s[42]), LineList{"done"});

  EXPECT_EQ(HeaderOf(r.target, "vid").trailing.substr(3), "0050");
  auto v = FieldsOf(r.target, "vid");
  ASSERT_EQ(v.size(), 10u);
  EXPECT_EQ(v[42], "v.avi");
  EXPECT_EQ(StoredScriptLines(v[45]), LineList{"vdone"});

  EXPECT_EQ(HeaderOf(r.target, "fl").trailing[4], '\x02');
  auto f = FieldsOf(r.target, "fl");
  ASSERT_EQ(f.size(), 10u);
  EXPECT_EQ(f[40], "m.swf");
  EXPECT_EQ(StoredScriptLines(f[45]), LineList{"call"});

  auto w = FieldsOf(r.target, "web");
  ASSERT_EQ(w.size(), 15u);
  EXPECT_EQ(w[42], "[embed]index.htm");
  EXPECT_EQ(StoredScriptLines(w[50]), LineList{"addr"});

  EXPECT_TRUE(r.target.Of(What::Ignored).empty());
}

TEST(ContainerRoundTrip, TimersAndPluginsEndTheirPages) {
  ProjectModel p;
  auto& a = p.AddPage("A");
  a.AddTimer("tick").script = "x";
  a.AddPlugin("plug").path = "[src]p.dll";
  p.AddPage("B").AddTimer("t2").enabled = false;
  Read r;
  ReadBack(r, p);
  EXPECT_EQ(r.target.Of(What::PageStart).size(), 2u);
  EXPECT_EQ(FieldsOf(r.target, "plug")[40], "[src]p.dll");
  EXPECT_EQ(FieldsOf(r.target, "tick").size(), 3u);
  EXPECT_EQ(HeaderOf(r.target, "t2").trailing, std::string(1, '\0'));
}

TEST(ContainerRoundTrip, EveryKeyRoundTrips) {
  ProjectModel p = EveryKind();
  for (int key = 1; key <= 99; ++key) {
    Read r;
    try {
      ReadBack(r, p, static_cast<std::int8_t>(key));
    } catch (const Error& e) {
      // Only the writer's framing guard may refuse a key.
      EXPECT_NE(std::string(e.what()).find("choose another key"), std::string::npos) << key;
      continue;
    }
    EXPECT_EQ(r.key.Get(), key);
    EXPECT_EQ(r.target.Of(What::ObjectHeader).size(), 9u) << key;
  }
}

TEST(ContainerResources, CompanionsAreNumberedInLoadOrder) {
  ProjectModel p = EveryKind();
  p.pages[1].background = "JPG";
  p.pages[1].AddPicture("i2").image = "GIF";
  const auto resources = WriteResources(p);
  std::vector<std::string> names;
  for (const auto& res : resources) names.push_back(res.name);
  EXPECT_EQ(names, (std::vector<std::string>{"PDATA", "BDATAG1", "BDATAG2", "IDATA1", "IDATA2", "DATAE1"}));
  EXPECT_EQ(resources[4].bytes, "GIF");
  EXPECT_EQ(resources[5].bytes, "<html>");
}

TEST(ContainerResources, TrailerCountsItsBlock) {
  EXPECT_EQ(TrailerBytes(false), std::string("0\r\n\x07\0\0\0", 7));
  EXPECT_EQ(TrailerBytes(true), std::string("1\r\n\x07\0\0\0", 7));
}

TEST(ContainerWriterChecks, ValuesThatDoNotFitAreRefused) {
  ProjectModel p;
  p.AddPage("A").flags.frame = 10;
  EXPECT_THROW(WriteContainer(p), Error);
  ProjectModel q;
  q.AddPage("A").AddSound("s").volume = 10001;
  EXPECT_THROW(WriteContainer(q), Error);
  ProjectModel t;
  t.threadPriorityCodes = {7};
  EXPECT_THROW(WriteContainer(t), Error);
  EXPECT_THROW(WriteContainer(ProjectModel{}, 100), Error);
}

TEST(ContainerWriterChecks, FieldBytesThatWouldReadAsAMarkerAreRefused) {
  ContainerBuilder b(5);
  b.Field("VXC1").RawField(std::string("\0\1\0\1\0\1", 6));
  EXPECT_THROW(b.Finish(), Error);
  ContainerBuilder c(5);
  c.RawField(ShiftEncode("VXC1abc", 5) + std::string(1, '\0'));
  EXPECT_THROW(c.Finish(), Error);
}

TEST(ContainerWriterChecks, StoredScriptKeepsEveryLine) {
  EXPECT_EQ(StoredScript(""), "");
  EXPECT_EQ(StoredScript("\r\n"), "\x01");
  EXPECT_EQ(StoredScript("a\r\nb\n\n"), "a\x01" "b\x01\x01");
  EXPECT_EQ(StoredScriptLines(StoredScript("a\n\n")), (LineList{"a", ""}));
}

}  // namespace
}  // namespace vx::tools
