// Methods 50-57, 77-79 and 89 of sounds and videos: volume, playing with
// the page, loops, play, pause, stop, load, their start and finish
// scripts, seek and full screen.

#include <cstdint>

#include "host/application.h"
#include "host/media_playback.h"
#include "host/path_macros.h"
#include "objects/methods/families.h"
#include "objects/vx_hosted.h"
#include "objects/vx_media.h"
#include "util/error.h"

namespace vx::methods {

namespace {

void Volume(MethodCall& m);          // 50
void PlayWithPage(MethodCall& m);    // 51
void Loops(MethodCall& m);           // 52
void Delay(MethodCall& m);           // 53
void Play(MethodCall& m);            // 54
void Pause(MethodCall& m);           // 55
void Stop(MethodCall& m);            // 56
void Load(MethodCall& m);            // 57
void StartScript(MethodCall& m);     // 77
void FinishScript(MethodCall& m);    // 78
void Seek(MethodCall& m);            // 79
void FullScreen(MethodCall& m);      // 89

constexpr MethodRow kRows[] = {
    {50, Volume}, {51, PlayWithPage}, {52, Loops},       {53, Delay},        {54, Play},  {55, Pause},
    {56, Stop},   {57, Load},         {77, StartScript}, {78, FinishScript}, {79, Seek},  {89, FullScreen},
};

void Volume(MethodCall& m) {
  auto* sound = As<TVXSound>(m.object);
  if (sound == nullptr) return;
  const int volume = m.Int(1);
  sound->Graph().SetVolume(volume);
  m.app.media->storedVolume = sound->Graph().Volume();
}

void PlayWithPage(MethodCall& m) {
  if (auto* sound = As<TVXSound>(m.object)) sound->PlayWithPageStart = m.Flag(1);
}

void Loops(MethodCall& m) {
  if (auto* sound = As<TVXSound>(m.object)) sound->NumberOfLoops = m.Int(1);
}

void Delay(MethodCall& m) {
  if (auto* sound = As<TVXSound>(m.object)) sound->DelayBetweenLoops = m.Int(1);
}

void Play(MethodCall& m) {
  if (auto* flash = As<TVXFlash>(m.object)) flash->Player().Play();
  else PlayMedia(m.app, m.page, m.object);
}
void Pause(MethodCall& m) { PauseMedia(m.page, m.object); }
void Stop(MethodCall& m) {
  if (auto* flash = As<TVXFlash>(m.object)) flash->Player().Stop();
  else StopMedia(m.page, m.object);
}

void Load(MethodCall& m) {
  if (auto* flash = As<TVXFlash>(m.object)) {
    flash->Player().SetMovie(ParsePathDirect(m.app, m.Text(1)));
    return;
  }
  if (As<TVXSound>(m.object) == nullptr && As<TVXVideo>(m.object) == nullptr) return;
  LoadMedia(m.page, m.object, ParsePathDirect(m.app, m.Text(1)));
}

void StartScript(MethodCall& m) {
  if (auto* sound = As<TVXSound>(m.object)) sound->evntStart = m.EventText(1);
  else if (auto* video = As<TVXVideo>(m.object)) video->evntStart = m.EventText(1);
}

void FinishScript(MethodCall& m) {
  if (auto* sound = As<TVXSound>(m.object)) sound->evntFinish = m.EventText(1);
  else if (auto* video = As<TVXVideo>(m.object)) video->evntFinish = m.EventText(1);
}

void Seek(MethodCall& m) {
  if (As<TVXSound>(m.object) == nullptr && As<TVXVideo>(m.object) == nullptr) return;
  const std::int64_t units = std::int64_t{m.Int(1)} * platform::kMediaUnitsPerMs;
  // The position goes through a 32-bit integer: 214748 ms at most.
  if (units > INT32_MAX || units < INT32_MIN) throw NotAnInteger(std::to_string(units));
  SeekMedia(m.page, m.object, units);
}

void FullScreen(MethodCall& m) {
  if (auto* video = As<TVXVideo>(m.object)) SetVideoFullScreen(m.app, m.page, *video, m.Flag(1));
}

}  // namespace

std::span<const MethodRow> MediaMethods() { return kRows; }

}  // namespace vx::methods
