#include "platform/live/web_download.h"

#include <libsoup/soup.h>

#include <optional>

#include "platform/live/web_address.h"
#include "util/error.h"

namespace vx::live {

namespace {

std::optional<std::string> Fetch(const std::string& address, std::string& failure) {
  SoupMessage* message = soup_message_new("GET", address.c_str());
  if (message == nullptr) {
    failure = "not a valid address";
    return std::nullopt;
  }
  SoupSession* session = soup_session_new_with_options("timeout", kDownloadTimeoutSeconds, "idle-timeout",
                                                       kDownloadTimeoutSeconds, nullptr);
  GError* error = nullptr;
  GBytes* body = soup_session_send_and_read(session, message, nullptr, &error);
  std::optional<std::string> bytes;
  const guint status = soup_message_get_status(message);
  if (body == nullptr) {
    failure = error != nullptr ? error->message : "no answer";
  } else if (!SOUP_STATUS_IS_SUCCESSFUL(status)) {
    failure = "the server answered " + std::to_string(status);
  } else {
    gsize size = 0;
    const auto* data = static_cast<const char*>(g_bytes_get_data(body, &size));
    bytes = std::string(data != nullptr ? data : "", size);
  }
  if (body != nullptr) g_bytes_unref(body);
  if (error != nullptr) g_error_free(error);
  g_object_unref(message);
  g_object_unref(session);
  return bytes;
}

}  // namespace

bool DownloadToFile(platform::Files& files, sim::SimLog& log, const std::string& address, const std::string& file) {
  std::string failure;
  std::optional<std::string> bytes;
  switch (KindOfAddress(address)) {
    case AddressKind::Web: bytes = Fetch(address, failure); break;
    case AddressKind::LocalPage:
      if (const auto path = WindowsPathOfPageUri(PageUriOf(address)); path && files.FileExists(*path)) {
        try {
          bytes = platform::ReadWholeFile(files, *path);
        } catch (const Error& e) {
          failure = e.what();
        }
      } else {
        failure = "no such file";
      }
      break;
    default: failure = "not an address to download"; break;
  }
  if (!bytes) {
    log.Add("download " + address + " failed: " + failure);
    return false;
  }
  try {
    platform::WriteWholeFile(files, file, *bytes);
  } catch (const Error& e) {
    log.Add("download " + address + " -> " + file + " failed: " + e.what());
    return false;
  }
  log.Add("download " + address + " -> " + file);
  return true;
}

}  // namespace vx::live
