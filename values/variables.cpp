#include "values/variables.h"

#include <array>
#include <utility>

namespace vx {

std::string NormaliseVarName(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  for (char c : name) {
    if (c == ' ') continue;
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    out.push_back(c);
  }
  return out;
}

// Names are normalised before the lock is taken: it is pure work on the
// caller's text and keeps the guarded part to the index lookup.

std::string TValues::GetStrVar(std::string_view name) {
  std::string key = NormaliseVarName(name);
  std::lock_guard lock(mutex_);
  return strs_.Slot(std::move(key)).value;
}

void TValues::SetStrVar(std::string_view name, std::string_view value) {
  std::string key = NormaliseVarName(name);
  std::lock_guard lock(mutex_);
  strs_.Slot(std::move(key)).value.assign(value);
}

double TValues::GetNumVar(std::string_view name) {
  std::string key = NormaliseVarName(name);
  std::lock_guard lock(mutex_);
  return nums_.Slot(std::move(key)).value;
}

double TValues::GetNumVarNormalised(const std::string& key) {
  std::lock_guard lock(mutex_);
  return nums_.Slot(key).value;
}

void TValues::SetNumVarNormalised(const std::string& key, double value) {
  std::lock_guard lock(mutex_);
  nums_.Slot(key).value = value;
}

void TValues::SetNumVar(std::string_view name, double value) {
  std::string key = NormaliseVarName(name);
  std::lock_guard lock(mutex_);
  nums_.Slot(std::move(key)).value = value;
}

bool TValues::GetBoolVar(std::string_view name) {
  std::string key = NormaliseVarName(name);
  std::lock_guard lock(mutex_);
  return bools_.Slot(std::move(key)).value;
}

void TValues::SetBoolVar(std::string_view name, bool value) {
  std::string key = NormaliseVarName(name);
  std::lock_guard lock(mutex_);
  bools_.Slot(std::move(key)).value = value;
}

std::size_t TValues::StrCount() const {
  std::lock_guard lock(mutex_);
  return strs_.size();
}

std::size_t TValues::NumCount() const {
  std::lock_guard lock(mutex_);
  return nums_.size();
}

std::size_t TValues::BoolCount() const {
  std::lock_guard lock(mutex_);
  return bools_.size();
}

std::vector<memstring> TValues::StrVars() const {
  std::lock_guard lock(mutex_);
  return strs_.entries();
}

std::vector<meminteger> TValues::NumVars() const {
  std::lock_guard lock(mutex_);
  return nums_.entries();
}

std::vector<memboolean> TValues::BoolVars() const {
  std::lock_guard lock(mutex_);
  return bools_.entries();
}

namespace {

// Left to right, non-overlapping, never rescanning what was put in.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  for (std::size_t hit; (hit = text.find(from, pos)) != std::string_view::npos;
       pos = hit + from.size()) {
    out.append(text.substr(pos, hit - pos));
    out.append(to);
  }
  out.append(text.substr(pos));
  return out;
}

struct EscapePass {
  std::string_view from;
  std::string_view to;
};

// The doubled escapes are parked in placeholders so that the single ones can
// be decoded, then come back as the escape text itself.
constexpr std::array<EscapePass, 6> kEscapePasses{{
    {"\\q\\q", "$!#~Q"},
    {"\\br\\br", "$!#~BR"},
    {"\\q", "\""},
    {"\\br", "\r\n"},
    {"$!#~Q", "\\q"},
    {"$!#~BR", "\\br"},
}};

}  // namespace

std::string DecodeEscapes(std::string_view text) {
  std::string out(text);
  for (const EscapePass& pass : kEscapePasses) out = ReplaceAll(out, pass.from, pass.to);
  return out;
}

}  // namespace vx
