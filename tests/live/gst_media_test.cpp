#include "platform/live/gst_media.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include <unistd.h>

#include "platform/sim/sim_desktop.h"
#include "util/error.h"

namespace vx::live {
namespace {

// A mono 16-bit PCM WAV of the given length: a square wave, so that a
// decoder has something to decode.
std::string Wave(int milliseconds, int rate = 8000) {
  const std::uint32_t samples = static_cast<std::uint32_t>(rate) * static_cast<std::uint32_t>(milliseconds) / 1000;
  const std::uint32_t dataBytes = samples * 2;
  std::string b;
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  auto u16 = [&](std::uint16_t v) {
    b.push_back(static_cast<char>(v & 0xFF));
    b.push_back(static_cast<char>(v >> 8));
  };
  b += "RIFF";
  u32(36 + dataBytes);
  b += "WAVEfmt ";
  u32(16);
  u16(1);
  u16(1);
  u32(static_cast<std::uint32_t>(rate));
  u32(static_cast<std::uint32_t>(rate) * 2);
  u16(2);
  u16(16);
  b += "data";
  u32(dataBytes);
  for (std::uint32_t i = 0; i < samples; ++i) u16((i / 20) % 2 == 0 ? 0x2000 : 0xE000);
  return b;
}

class GstMediaTest : public ::testing::Test {
 protected:
  GstMediaTest() {
    // Sounds go nowhere, in real time.
    setenv("VX_AUDIO_SINK", "fakesink sync=true", 1);
  }

  void Put(const std::string& path, const std::string& bytes) {
    desktop.files.Open(path, platform::OpenMode::Create)->Write(bytes);
  }

  // Runs the GLib loop and the virtual loop's queue until the condition
  // holds or the time is up.
  bool PumpUntil(const std::function<bool()>& done, int milliseconds = 5000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end) {
      while (g_main_context_iteration(nullptr, FALSE)) {
      }
      desktop.loop.RunPosted();
      if (done()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return done();
  }

  bool Logged(const std::string& start) const {
    for (const auto& line : desktop.log.Lines())
      if (line.rfind(start, 0) == 0) return true;
    return false;
  }

  // A file made with GStreamer's own elements (the chain up to the sink);
  // empty when this machine lacks one of them.
  static std::string Made(const std::string& chain) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("vx-gst-test-" + std::to_string(::getpid()) + ".bin");
    const std::string description = chain + " ! filesink location=" + path.string();
    GError* error = nullptr;
    GstElement* pipeline = gst_parse_launch(description.c_str(), &error);
    if (error != nullptr) {
      g_error_free(error);
      if (pipeline != nullptr) gst_object_unref(pipeline);
      return {};
    }
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstBus* bus = gst_element_get_bus(pipeline);
    GstMessage* end = gst_bus_timed_pop_filtered(bus, 10 * GST_SECOND,
                                                 static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    const bool made = end != nullptr && GST_MESSAGE_TYPE(end) == GST_MESSAGE_EOS;
    if (end != nullptr) gst_message_unref(end);
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::filesystem::remove(path);
    return made ? bytes : std::string();
  }

  sim::SimDesktop desktop;
  GstMedia media{desktop.log, desktop.loop, desktop.files};
};

TEST(AudioSink, TheEnvironmentChoosesElseTheAutomaticSink) {
  EXPECT_EQ(AudioSinkDescription(nullptr), "autoaudiosink");
  EXPECT_EQ(AudioSinkDescription("  \t"), "autoaudiosink");
  EXPECT_EQ(AudioSinkDescription(" fakesink sync=true\t"), "fakesink sync=true");
}

TEST(PictureRect, KeepsTheAspectCentredUnlessStretched) {
  const platform::Rect bounds{10, 20, 200, 100};
  EXPECT_EQ(PictureRect(bounds, {64, 48}, true), bounds);
  // 4:3 in 2:1: full height, centred across.
  EXPECT_EQ(PictureRect(bounds, {64, 48}, false), (platform::Rect{10 + 33, 20, 133, 100}));
  // A wide picture in a tall box: full width, centred down.
  EXPECT_EQ(PictureRect({0, 0, 100, 100}, {200, 50}, false), (platform::Rect{0, 38, 100, 25}));
  // No picture yet: the whole bounds.
  EXPECT_EQ(PictureRect(bounds, {0, 0}, false), bounds);
}

TEST_F(GstMediaTest, AMissingFileFailsAsOnTheSimulatedDesktop) {
  auto graph = media.CreateGraph();
  try {
    graph->RenderFile("C:\\NOPE.WAV");
    FAIL() << "rendered a missing file";
  } catch (const OsError& e) {
    EXPECT_STREQ(e.what(), "Cannot render the file \"C:\\NOPE.WAV\": The system cannot find the file specified.");
  }
  EXPECT_TRUE(graph->Active());
  EXPECT_EQ(graph->State(), platform::MediaState::Uninitialised);
  EXPECT_TRUE(Logged("media cannot open C:\\NOPE.WAV"));
}

TEST_F(GstMediaTest, ABrokenFileFailsWithALogLineAndHoldsNothing) {
  Put("C:\\BROKEN.AVI", "RIFF\x10\0\0\0AVI LIST not really a movie at all, only bytes");
  auto graph = media.CreateGraph();
  try {
    graph->RenderFile("C:\\BROKEN.AVI");
    FAIL() << "rendered a broken file";
  } catch (const OsError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Cannot render the file \"C:\\BROKEN.AVI\": ", 0), 0U) << e.what();
  }
  EXPECT_TRUE(Logged("media cannot render C:\\BROKEN.AVI: "));
  EXPECT_EQ(graph->State(), platform::MediaState::Uninitialised);
  EXPECT_THROW(graph->Run(), OsError);
}

TEST_F(GstMediaTest, AnEmptyFileFails) {
  Put("C:\\EMPTY.WAV", "");
  auto graph = media.CreateGraph();
  EXPECT_THROW(graph->RenderFile("C:\\EMPTY.WAV"), OsError);
  EXPECT_TRUE(Logged("media empty C:\\EMPTY.WAV"));
}

TEST_F(GstMediaTest, ASoundPlaysToItsEndAndTellsTheStartAndTheEnd) {
  Put("C:\\CHIME.WAV", Wave(300));
  auto graph = media.CreateGraph();
  int started = 0;
  int completed = 0;
  graph->SetHandlers({[&] { ++completed; }, [&] { ++started; }});
  graph->RenderFile("C:\\CHIME.WAV");
  EXPECT_EQ(graph->State(), platform::MediaState::Stopped);
  EXPECT_NEAR(static_cast<double>(graph->StopPosition()), 300.0 * platform::kMediaUnitsPerMs,
              10.0 * platform::kMediaUnitsPerMs);
  EXPECT_EQ(graph->CurrentPosition(), 0);
  const auto begun = std::chrono::steady_clock::now();
  graph->Run();
  EXPECT_EQ(graph->State(), platform::MediaState::Playing);
  // Both notifications come only through the loop's queue.
  EXPECT_EQ(started, 0);
  ASSERT_TRUE(PumpUntil([&] { return completed == 1; }));
  // In real time: the null sink keeps the clock.
  EXPECT_GE(std::chrono::steady_clock::now() - begun, std::chrono::milliseconds(250));
  EXPECT_EQ(started, 1);
  EXPECT_EQ(graph->CurrentPosition(), graph->StopPosition());
  EXPECT_TRUE(Logged("media complete C:\\CHIME.WAV"));
  // Run again at the end: the end again, at once.
  graph->Run();
  ASSERT_TRUE(PumpUntil([&] { return completed == 2; }, 1000));
}

TEST_F(GstMediaTest, ASeekMovesThePositionAndKeepsTheStop) {
  Put("C:\\LONG.WAV", Wave(2000));
  auto graph = media.CreateGraph();
  int completed = 0;
  graph->SetHandlers({[&] { ++completed; }, nullptr});
  graph->RenderFile("C:\\LONG.WAV");
  const std::int64_t stop = graph->StopPosition();
  graph->SetCurrentPosition(1800 * platform::kMediaUnitsPerMs);
  EXPECT_EQ(graph->StopPosition(), stop);
  ASSERT_TRUE(PumpUntil([&] { return graph->CurrentPosition() >= 1790 * platform::kMediaUnitsPerMs; }));
  // Beyond the end it is the end.
  graph->SetCurrentPosition(stop * 2);
  EXPECT_LE(graph->CurrentPosition(), stop);
  graph->SetCurrentPosition(1800 * platform::kMediaUnitsPerMs);
  const auto begun = std::chrono::steady_clock::now();
  graph->Run();
  ASSERT_TRUE(PumpUntil([&] { return completed == 1; }));
  // Only the last 200 ms played.
  EXPECT_LT(std::chrono::steady_clock::now() - begun, std::chrono::milliseconds(1500));
}

TEST_F(GstMediaTest, PauseAndStopKeepThePositionAndNoCompletionFollows) {
  Put("C:\\TONE.WAV", Wave(400));
  auto graph = media.CreateGraph();
  int completed = 0;
  graph->SetHandlers({[&] { ++completed; }, nullptr});
  graph->RenderFile("C:\\TONE.WAV");
  graph->Run();
  ASSERT_TRUE(PumpUntil([&] { return graph->CurrentPosition() > 50 * platform::kMediaUnitsPerMs; }));
  graph->Pause();
  EXPECT_EQ(graph->State(), platform::MediaState::Paused);
  const std::int64_t paused = graph->CurrentPosition();
  graph->Stop();
  EXPECT_EQ(graph->State(), platform::MediaState::Stopped);
  EXPECT_FALSE(PumpUntil([&] { return completed > 0; }, 700));
  EXPECT_NEAR(static_cast<double>(graph->CurrentPosition()), static_cast<double>(paused),
              30.0 * platform::kMediaUnitsPerMs);
}

TEST_F(GstMediaTest, TheVolumeIsClampedAndKeptAcrossARender) {
  Put("C:\\A.WAV", Wave(100));
  auto graph = media.CreateGraph();
  graph->SetVolume(20000);
  EXPECT_EQ(graph->Volume(), platform::kMaxMediaVolume);
  graph->SetVolume(-5);
  EXPECT_EQ(graph->Volume(), 0);
  graph->SetVolume(2500);
  graph->RenderFile("C:\\A.WAV");
  EXPECT_EQ(graph->Volume(), 2500);
}

TEST_F(GstMediaTest, ClearAndInactiveLeaveNothingToPlay) {
  Put("C:\\A.WAV", Wave(100));
  auto graph = media.CreateGraph();
  graph->Clear();  // nothing on an inactive graph
  EXPECT_FALSE(graph->Active());
  graph->RenderFile("C:\\A.WAV");
  graph->Clear();
  EXPECT_TRUE(graph->Active());
  EXPECT_EQ(graph->State(), platform::MediaState::Uninitialised);
  EXPECT_THROW(graph->CurrentPosition(), OsError);
  graph->RenderFile("C:\\A.WAV");
  graph->SetActive(false);
  EXPECT_EQ(graph->State(), platform::MediaState::Uninitialised);
  graph->Stop();  // nothing on an inactive graph
}

TEST_F(GstMediaTest, AVideoFrameIsDrawnAtTheWindowsPlace) {
  const std::string movie = Made(
      "videotestsrc num-buffers=8 pattern=red ! video/x-raw,width=64,height=48,framerate=25/1 ! jpegenc ! avimux");
  if (movie.empty()) GTEST_SKIP() << "no JPEG encoder or AVI muxer to make the clip";
  Put("C:\\CLIP.AVI", movie);
  auto page = desktop.forms.OpenWindow({});
  page->SetFrameStyle(platform::FrameStyle::None);
  page->SetClientSize({200, 100});
  auto graph = media.CreateGraph();
  auto video = media.CreateVideoWindow(*page, *graph);
  video->SetBounds({20, 10, 64, 48});
  video->SetVisible(true);
  graph->RenderFile("C:\\CLIP.AVI");
  auto& gst = dynamic_cast<GstMediaGraph&>(*graph);
  EXPECT_TRUE(gst.HasVideo());
  // The first picture arrives before the run.
  ASSERT_TRUE(PumpUntil([&] { return !gst.Frames().Newest().Empty(); }));
  EXPECT_EQ(gst.Frames().Newest().Width(), 64);
  const Rgba inside = static_cast<sim::SimWindow&>(*page).Snapshot().At(52, 34);
  EXPECT_GT(inside.r, 200);
  EXPECT_LT(inside.g, 60);
  // Outside the video the page is untouched.
  EXPECT_EQ(static_cast<sim::SimWindow&>(*page).Snapshot().At(5, 5), RgbaOf(platform::kButtonFaceColor));
  int completed = 0;
  graph->SetHandlers({[&] { ++completed; }, nullptr});
  graph->Run();
  ASSERT_TRUE(PumpUntil([&] { return completed == 1; }));
  video.reset();
}

TEST_F(GstMediaTest, AnMp3WithoutALengthInItsHeaderHasOneOnceRendered) {
  // 20 blocks of 1024 samples at 44.1 kHz: 464 ms.
  const std::string sound = Made(
      "audiotestsrc num-buffers=20 samplesperbuffer=1024 ! audio/x-raw,rate=44100,channels=1 ! audioconvert ! "
      "lamemp3enc ! id3v2mux");
  if (sound.empty()) GTEST_SKIP() << "no MP3 encoder to make the sound";
  Put("C:\\TONE.MP3", sound);
  auto graph = media.CreateGraph();
  graph->RenderFile("C:\\TONE.MP3");
  EXPECT_NEAR(static_cast<double>(graph->StopPosition()), 464.0 * platform::kMediaUnitsPerMs,
              60.0 * platform::kMediaUnitsPerMs);
  // A seek inside it is not pulled to 0.
  graph->SetCurrentPosition(200 * platform::kMediaUnitsPerMs);
  ASSERT_TRUE(PumpUntil([&] {
    const std::int64_t at = graph->CurrentPosition();
    return at >= 190 * platform::kMediaUnitsPerMs && at <= 210 * platform::kMediaUnitsPerMs;
  }));
}

TEST_F(GstMediaTest, AVideoWindowWantsThePagesOwnGraph) {
  auto page = desktop.forms.OpenWindow({});
  auto simGraph = desktop.media.CreateGraph();
  EXPECT_THROW(media.CreateVideoWindow(*page, *simGraph), OsError);
}

}  // namespace
}  // namespace vx::live
