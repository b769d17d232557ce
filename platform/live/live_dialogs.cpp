#include "platform/live/live_dialogs.h"

#include <fstream>
#include <future>
#include <iostream>
#include <iterator>

#include "platform/live/message_dialog.h"
#include "util/conversions.h"

namespace vx::live {

namespace {

// GTK is the main thread's: a script thread's dialog is handed to it and
// waited for, as its message boxes are.
template <typename Result>
Result OnMainThread(const std::function<Result()>& run) {
  if (g_main_context_is_owner(g_main_context_default()) || gtk_main_level() == 0) return run();
  struct Handover {
    const std::function<Result()>& run;
    std::promise<Result> result;
  } handover{run, {}};
  std::future<Result> result = handover.result.get_future();
  g_main_context_invoke(
      nullptr,
      [](gpointer data) -> gboolean {
        auto* h = static_cast<Handover*>(data);
        h->result.set_value(h->run());
        return G_SOURCE_REMOVE;
      },
      &handover);
  return result.get();
}

std::string TakeGString(gchar* text) {
  std::string out = text != nullptr ? text : "";
  g_free(text);
  return out;
}

void AddFilters(GtkFileChooser* chooser, const std::string& filterUtf8) {
  for (const FilterEntry& entry : ParseFilter(filterUtf8)) {
    GtkFileFilter* filter = gtk_file_filter_new();
    gtk_file_filter_set_name(filter, entry.name.c_str());
    for (const std::string& pattern : entry.patterns) {
      // "*.*" is every file on Windows, also one without a dot.
      gtk_file_filter_add_pattern(filter, pattern == "*.*" ? "*" : pattern.c_str());
    }
    gtk_file_chooser_add_filter(chooser, filter);
  }
}

bool Confirmed(GtkWidget* dialog) { return gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT; }

}  // namespace

int LiveDialogs::ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  const std::string textUtf8 = codePages_.ToSystem(text);
  const std::string captionUtf8 = codePages_.ToSystem(caption);
  // An error box may be the last thing the presentation says ("Executable
  // file is corrupted."): standard error keeps it for the person who started
  // it from a terminal.
  if ((flags & 0xF0u) == platform::mb::IconError) std::cerr << "vxplay: [" << captionUtf8 << "] " << textUtf8 << '\n';
  const int answer = AskWithMessageDialog(parent_ ? parent_() : nullptr, textUtf8, captionUtf8, flags);
  log_.Add("msgbox [" + caption + "] " + text + " -> " + std::to_string(answer));
  return answer;
}

bool LiveDialogs::BringOntoDisk(const std::string& realPath, const std::string& virtualPath) {
  std::ifstream in(realPath, std::ios::binary);
  if (!in) return false;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;
  disk_.AddFile(virtualPath, std::move(bytes));
  return true;
}

bool LiveDialogs::ShowFileDialog(bool save, platform::FileDialogState& state) {
  const std::string kind = save ? "save" : "open";
  log_.Add(kind + " dialog [" + state.filter + "] " + state.initialFolder + " " + state.fileName);
  std::vector<std::string> chosen;  // the system's UTF-8 Windows paths
  const bool confirmed = OnMainThread<bool>([&] {
    GtkWidget* dialog = gtk_file_chooser_dialog_new(
        nullptr, parent_ ? parent_() : nullptr, save ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN,
        "_Cancel", GTK_RESPONSE_CANCEL, save ? "_Save" : "_Open", GTK_RESPONSE_ACCEPT, nullptr);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
    AddFilters(chooser, codePages_.ToSystem(state.filter));
    gtk_file_chooser_set_current_folder(chooser,
                                        RealFolderOfInitial(codePages_.ToSystem(state.initialFolder), places_).c_str());
    if (save) {
      gtk_file_chooser_set_current_name(chooser, LastPartOf(codePages_.ToSystem(state.fileName)).c_str());
      gtk_file_chooser_set_do_overwrite_confirmation(chooser, state.overwritePrompt);
    } else {
      gtk_file_chooser_set_select_multiple(chooser, state.multiSelect);
    }
    bool ok = Confirmed(dialog);
    if (ok) {
      GSList* names = gtk_file_chooser_get_filenames(chooser);
      for (GSList* n = names; n != nullptr; n = n->next) {
        const std::string real = static_cast<const char*>(n->data);
        const std::optional<std::string> path = VirtualPathOfChosen(real, places_);
        // A file from outside is read from a copy: the runtime sees only the virtual disk.
        if (path && (save || !IsOutsidePath(*path) || BringOntoDisk(real, *path))) chosen.push_back(*path);
      }
      g_slist_free_full(names, g_free);
      ok = !chosen.empty();
    }
    gtk_widget_destroy(dialog);
    return ok;
  });
  if (!confirmed) {
    log_.Add(kind + " dialog cancelled");
    return false;
  }
  std::vector<std::string> files;
  for (const std::string& f : chosen) files.push_back(WithDefaultExtension(codePages_.FromSystem(f), state.defaultExtension));
  if (!state.multiSelect) files.resize(1);
  state.files = files;
  state.fileName = files.front();
  std::string joined;
  for (const std::string& f : files) joined += (joined.empty() ? "" : " | ") + f;
  log_.Add(kind + " dialog -> " + joined);
  return true;
}

bool LiveDialogs::ShowOpenDialog(platform::Window*, platform::FileDialogState& state) {
  return ShowFileDialog(false, state);
}

bool LiveDialogs::ShowSaveDialog(platform::Window*, platform::FileDialogState& state) {
  return ShowFileDialog(true, state);
}

bool LiveDialogs::ShowFolderDialog(platform::Window*, platform::FolderDialogState& state) {
  log_.Add("folder dialog [" + state.caption + "] " + state.text + " " + state.folder);
  std::string chosen;
  const bool confirmed = OnMainThread<bool>([&] {
    const std::string caption = codePages_.ToSystem(state.caption.empty() ? state.text : state.caption);
    GtkWidget* dialog = gtk_file_chooser_dialog_new(caption.empty() ? nullptr : caption.c_str(),
                                                    parent_ ? parent_() : nullptr,
                                                    GTK_FILE_CHOOSER_ACTION_SELECT_FOLDER, "_Cancel",
                                                    GTK_RESPONSE_CANCEL, "_Select", GTK_RESPONSE_ACCEPT, nullptr);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
    gtk_file_chooser_set_current_folder(chooser,
                                        RealFolderOfInitial(codePages_.ToSystem(state.folder), places_).c_str());
    gtk_file_chooser_set_create_folders(chooser, state.newFolderButton);
    bool ok = Confirmed(dialog);
    if (ok) {
      const std::optional<std::string> path = VirtualPathOfChosen(TakeGString(gtk_file_chooser_get_filename(chooser)), places_);
      ok = path.has_value();
      if (ok) chosen = *path;
    }
    gtk_widget_destroy(dialog);
    return ok;
  });
  if (!confirmed) {
    log_.Add("folder dialog cancelled");
    return false;
  }
  state.folder = codePages_.FromSystem(chosen);
  log_.Add("folder dialog -> " + state.folder);
  return true;
}

bool LiveDialogs::ShowColorDialog(platform::Window*, platform::ColorDialogState& state) {
  log_.Add("color dialog " + ColorToHex(state.color));
  platform::Color chosen = state.color;
  const bool confirmed = OnMainThread<bool>([&] {
    GtkWidget* dialog = gtk_color_chooser_dialog_new(nullptr, parent_ ? parent_() : nullptr);
    const Channels c = ChannelsOfColor(state.color);
    const GdkRGBA start{c.red, c.green, c.blue, 1.0};
    gtk_color_chooser_set_use_alpha(GTK_COLOR_CHOOSER(dialog), FALSE);
    gtk_color_chooser_set_rgba(GTK_COLOR_CHOOSER(dialog), &start);
    g_object_set(dialog, "show-editor", state.fullOpen ? TRUE : FALSE, nullptr);
    const bool ok = gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK;
    if (ok) {
      GdkRGBA rgba{};
      gtk_color_chooser_get_rgba(GTK_COLOR_CHOOSER(dialog), &rgba);
      chosen = ColorOfChannels(rgba.red, rgba.green, rgba.blue);
    }
    gtk_widget_destroy(dialog);
    return ok;
  });
  if (!confirmed) {
    log_.Add("color dialog cancelled");
    return false;
  }
  state.color = chosen;
  log_.Add("color dialog -> " + ColorToHex(chosen));
  return true;
}

bool LiveDialogs::ShowFontDialog(platform::Window*, platform::FontDialogState& state) {
  log_.Add("font dialog " + state.font.name + " " + std::to_string(state.font.size));
  platform::FontSpec chosen = state.font;
  const bool confirmed = OnMainThread<bool>([&] {
    GtkWidget* dialog = gtk_font_chooser_dialog_new(nullptr, parent_ ? parent_() : nullptr);
    platform::FontSpec start = state.font;
    start.name = codePages_.ToSystem(start.name);
    gtk_font_chooser_set_font(GTK_FONT_CHOOSER(dialog), PangoNameOf(start).c_str());
    const bool ok = gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK;
    if (ok) {
      PangoFontDescription* font = gtk_font_chooser_get_font_desc(GTK_FONT_CHOOSER(dialog));
      if (font != nullptr) {
        const char* family = pango_font_description_get_family(font);
        const std::string name = family != nullptr ? family : "";
        chosen = FontSpecOfChosen(state.font, codePages_.FromSystem(name),
                                  static_cast<double>(pango_font_description_get_size(font)) / PANGO_SCALE,
                                  static_cast<int>(pango_font_description_get_weight(font)),
                                  pango_font_description_get_style(font) != PANGO_STYLE_NORMAL);
        pango_font_description_free(font);
      }
    }
    gtk_widget_destroy(dialog);
    return ok;
  });
  if (!confirmed) {
    log_.Add("font dialog cancelled");
    return false;
  }
  // The chooser has no colour: the font keeps the one it had.
  state.font = chosen;
  log_.Add("font dialog -> " + state.font.name + " " + std::to_string(state.font.size));
  return true;
}

}  // namespace vx::live
