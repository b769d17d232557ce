#include "platform/live/message_dialog.h"

#include <future>
#include <thread>

#include "platform/dialogs.h"
#include "platform/live/message_buttons.h"

namespace vx::live {

namespace {

GtkMessageType TypeOf(unsigned flags) {
  switch (flags & 0xF0u) {
    case platform::mb::IconError: return GTK_MESSAGE_ERROR;
    case platform::mb::IconQuestion: return GTK_MESSAGE_QUESTION;
    case platform::mb::IconWarning: return GTK_MESSAGE_WARNING;
    case platform::mb::IconInformation: return GTK_MESSAGE_INFO;
    default: return GTK_MESSAGE_OTHER;
  }
}

int RunDialog(GtkWindow* parent, const std::string& text, const std::string& caption, unsigned flags) {
  const MessageButtons set = ButtonsOf(flags);
  GtkWidget* dialog = gtk_message_dialog_new(parent, GTK_DIALOG_MODAL, TypeOf(flags), GTK_BUTTONS_NONE, "%s",
                                             text.c_str());
  gtk_window_set_title(GTK_WINDOW(dialog), caption.c_str());
  for (const MessageButton& b : set.buttons) gtk_dialog_add_button(GTK_DIALOG(dialog), b.label.c_str(), b.answer);
  // MB_DEFBUTTON2 and 3 choose the button Enter presses.
  const std::size_t defaultButton = (flags >> 8) & 0x3u;
  if (defaultButton < set.buttons.size())
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), set.buttons[defaultButton].answer);
  int answer = 0;
  while (answer == 0) {
    const int response = gtk_dialog_run(GTK_DIALOG(dialog));
    // Closed without a button: an answer only where Windows has one.
    answer = response > 0 ? response : set.closeAnswer;
  }
  gtk_widget_destroy(dialog);
  return answer;
}

struct Handover {
  GtkWindow* parent;
  const std::string& text;
  const std::string& caption;
  unsigned flags;
  std::promise<int> answer;
};

gboolean RunHandedOver(gpointer data) {
  auto* h = static_cast<Handover*>(data);
  h->answer.set_value(RunDialog(h->parent, h->text, h->caption, h->flags));
  return G_SOURCE_REMOVE;
}

}  // namespace

int AskWithMessageDialog(GtkWindow* parent, const std::string& text, const std::string& caption, unsigned flags) {
  if (g_main_context_is_owner(g_main_context_default()) || gtk_main_level() == 0)
    return RunDialog(parent, text, caption, flags);
  Handover handover{parent, text, caption, flags, {}};
  std::future<int> answer = handover.answer.get_future();
  g_main_context_invoke(nullptr, RunHandedOver, &handover);
  return answer.get();
}

}  // namespace vx::live
