#pragma once
// The whole platform as the core sees it: one reference per area. A backend
// fills this in; the core never includes a system header.

#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/display.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/hosted.h"
#include "platform/input.h"
#include "platform/loop.h"
#include "platform/media.h"
#include "platform/pictures.h"
#include "platform/process.h"
#include "platform/registry.h"

namespace vx::platform {

struct Platform {
  Forms& forms;
  EventLoop& loop;
  Dialogs& dialogs;
  Files& files;
  Display& display;
  Fonts& fonts;
  Pictures& pictures;
  Input& input;
  Process& process;
  HostedControls& hosted;
  Clipboard& clipboard;
  Registry& registry;
  Media& media;
};

}  // namespace vx::platform
