#include "host/application.h"

#include "host/load_form.h"
#include "host/hosted_objects.h"
#include "host/media_playback.h"
#include "host/page_queries_impl.h"
#include "host/vx_form.h"
#include "objects/methods/page_object_actions.h"
#include "script/app_thread.h"

namespace vx {

Application::Application(platform::Platform& p)
    : platform(p),
      random(p.process.RandomSeed()),
      eval{values, p, random, evalFolders, scriptRegistry, scriptIni, nullptr} {
  pageQueries = std::make_unique<ApplicationPageQueries>(*this);
  eval.pages = pageQueries.get();
  pageObjectActions = std::make_unique<PageObjectActions>(*this);
  objectActions = pageObjectActions.get();
  media = std::make_unique<MediaPlayback>();
  hosting = std::make_unique<HostedObjects>();
  scripts = std::make_unique<ScriptThreads>(*this);
}

Application::~Application() {
  // The platform outlives the application; nothing may call back into it.
  platform.forms.SetApplicationHandlers({});
}

TVXForm* Application::FormOf(const platform::Window* window) const {
  for (const auto& form : forms)
    if (&form->Window() == window) return form.get();
  return nullptr;
}

}  // namespace vx
