// Sounds and videos: the end of a playing (loops with a count and a delay),
// the start notification, the position variables of the bars, and the
// timers that start media with a page or after a loop's delay.

#include "host/object_events/object_events.h"

#include "host/application.h"
#include "host/media_playback.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_media.h"
#include "util/conversions.h"
#include "util/error.h"

namespace vx {

namespace {

std::string FromFourth(const std::string& name) { return CompanionName("", name); }

void Rewind(platform::MediaGraph& graph) {
  graph.StopPosition();
  graph.SetCurrentPosition(0);
}

void LoopDelay(Application& app, TVXForm& page, TNamedTimer& timer) {
  if (TVXForm* main = app.MainForm()) main->Events().LoopDelayTimer(page, timer);
}

void LoopDelay2(Application& app, TVXForm& page, TNamedTimer& timer) {
  if (TVXForm* main = app.MainForm()) main->Events().LoopDelay2Timer(page, timer);
}

// Hours, minutes and seconds of a position in milliseconds.
struct ClockParts {
  std::int64_t h = 0, m = 0, s = 0;
};
ClockParts Split(std::int64_t ms) {
  ClockParts c;
  c.s = ms / 1000;
  while (c.s >= 60) {
    c.s -= 60;
    ++c.m;
  }
  while (c.m >= 60) {
    c.m -= 60;
    ++c.h;
  }
  return c;
}

std::string Clock(std::int64_t ms) {
  const ClockParts c = Split(ms);
  return ZeroPad(c.h, 2) + ":" + ZeroPad(c.m, 2) + ":" + ZeroPad(c.s, 2);
}

}  // namespace

void ObjectEvents::VEXORELLE_NEW_SOUNDGraphComplete(TVXSound& sender) {
  const ObjectRef ref = RefOf(sender);
  RunScript("VEXORELLE_NEW_SOUNDGraphComplete", sender, sender.evntFinish);
  // The script may have deleted or changed the sound.
  auto* sound = dynamic_cast<TVXSound*>(Find(ref));
  if (sound == nullptr || !sound->Loop) return;
  ++sound->LoopCount;
  if (sound->LoopCount == sound->NumberOfLoops) {
    sound->Loop = false;
    sound->LoopCount = 0;
    return;
  }
  platform::MediaGraph& graph = sound->Graph();
  graph.Stop();
  if (sound->DelayBetweenLoops != 0) {
    TNamedTimer& timer = CreatePageTimer(app_, *ref.page, "LOP" + sound->Name,
                                         static_cast<unsigned>(sound->DelayBetweenLoops), LoopDelay);
    timer.SetEnabled(true);
    return;
  }
  Rewind(graph);
  graph.Run();
}

void ObjectEvents::LoopDelayTimer(TVXForm& page, TNamedTimer& sender) {
  sender.SetEnabled(false);
  try {
    auto* sound = dynamic_cast<TVXSound*>(page.Components().Find(FromFourth(sender.Name)));
    if (sound != nullptr && sound->Loop) {
      platform::MediaGraph& graph = sound->Graph();
      graph.Stop();
      Rewind(graph);
      graph.Run();
    }
  } catch (const Error&) {
    // A loop that cannot go on ends here.
  }
  FreePageTimer(app_, page, sender);
}

void ObjectEvents::VEXORELLE_NEW_SOUNDDSEvent(TVXSound& sender, int code) {
  if (code != kClockChangedEvent) return;
  RunScript("VEXORELLE_NEW_SOUNDDSEvent", sender, sender.evntStart);
}

void ObjectEvents::VEXORELLE_NEW_GRAPHGraphComplete(TFilterGraph& sender) {
  TVXForm* page = PageOf(sender);
  if (page == nullptr) return;
  const std::string name = FromFourth(sender.Name);
  const ObjectRef ref{page, "OBJ" + name};
  auto* video = dynamic_cast<TVXVideo*>(Find(ref));
  if (video == nullptr) return;
  RunScript("VEXORELLE_NEW_GRAPHGraphComplete", *video, video->evntFinish);
  video = dynamic_cast<TVXVideo*>(Find(ref));
  TFilterGraph* graph = GetGraph(*page, ref.name);
  if (video == nullptr || graph == nullptr) return;
  platform::MediaGraph& g = graph->Graph();
  if (video->Loop && video->DelayBetweenLoops != 0) {
    g.Stop();
    TNamedTimer& timer = CreatePageTimer(app_, *page, "TIM" + name, 1, LoopDelay2);
    timer.Timer().SetInterval(static_cast<unsigned>(video->DelayBetweenLoops));
    timer.SetEnabled(true);
  } else if (video->Loop) {
    g.Stop();
    Rewind(g);
    g.Run();
  } else {
    video->SetVisible(false);
    g.Clear();
    g.SetActive(false);
  }
}

void ObjectEvents::LoopDelay2Timer(TVXForm& page, TNamedTimer& sender) {
  sender.SetEnabled(false);
  try {
    const std::string name = FromFourth(sender.Name);
    auto* video = dynamic_cast<TVXVideo*>(page.Components().Find("OBJ" + name));
    if (video != nullptr && video->Loop) {
      if (auto* graph = dynamic_cast<TFilterGraph*>(page.Components().Find("FIL" + name))) {
        Rewind(graph->Graph());
        graph->Graph().Run();
      }
    }
  } catch (const Error&) {
    // A loop that cannot go on ends here.
  }
  FreePageTimer(app_, page, sender);
}

void ObjectEvents::VEXORELLE_NEW_GRAPHDSEvent(TFilterGraph& sender, int code) {
  if (code != kClockChangedEvent) return;
  TVXForm* page = PageOf(sender);
  if (page == nullptr) return;
  if (auto* video = dynamic_cast<TVXVideo*>(page->Components().Find(CompanionName("OBJ", sender.Name))))
    RunScript("VEXORELLE_NEW_GRAPHDSEvent", *video, video->evntStart);
}

void ObjectEvents::VEXORELLE_NEW_TRACKTimer(TDSTrackBar& sender, long long currentMs, long long stopMs) {
  std::string prefix = CompanionName("_", sender.Name);
  prefix += '_';
  const ClockParts c = Split(currentMs);
  TValues& v = app_.values;
  v.SetNumVar(prefix + "mss", static_cast<double>(currentMs));
  v.SetNumVar(prefix + "sec", static_cast<double>(c.s));
  v.SetNumVar(prefix + "min", static_cast<double>(c.m));
  v.SetNumVar(prefix + "hour", static_cast<double>(c.h));
  v.SetNumVar(prefix + "totalmss", static_cast<double>(stopMs));
  v.SetStrVar(prefix + "pos", Clock(currentMs));
  v.SetStrVar(prefix + "totalpos", Clock(stopMs));
}

void ObjectEvents::AutoAudioPlayTimer(TVXForm& page, TNamedTimer& sender) {
  sender.SetEnabled(false);
  auto* sound = dynamic_cast<TVXSound*>(page.Components().Find(FromFourth(sender.Name)));
  if (sound == nullptr) return;
  try {
    ResetGraph(sound->Graph());
    sound->Graph().RenderFile(sound->FileName);
    sound->Graph().Run();
    if (&page == app_.MainForm()) app_.media->currentSound = sound->Name;
  } catch (const Error&) {
    // Nothing asked for this sound but the page: a file that does not play
    // leaves it silent.
  }
}

void ObjectEvents::VideoTimerTimer(TVXForm& page) {
  MediaPlayback::PageMedia* own = PageMediaOf(app_, page);
  if (own == nullptr || !own->VideoTimer) return;
  own->VideoTimer->SetEnabled(false);
  try {
    auto* video = dynamic_cast<TVXVideo*>(page.Components().Find(own->pendingVideo));
    TFilterGraph* graph = video != nullptr ? GetGraph(page, video->Name) : nullptr;
    if (graph != nullptr) {
      ResetGraph(graph->Graph());
      graph->Graph().RenderFile(video->Path);
      graph->Graph().Run();
    }
  } catch (const Error&) {
    // As the page host has it: a video that does not start stays still.
  }
  // Freed from the loop, not from inside its own tick.
  app_.platform.loop.PostToMainThread([&app = app_, &page] {
    if (MediaPlayback::PageMedia* m = PageMediaOf(app, page)) m->VideoTimer.reset();
  });
}

}  // namespace vx
