#pragma once
// The process-wide variable store: three independent tables (text, number,
// flag), names normalised, created on first read or write, never removed.
// Each table keeps its entries in creation order and an index beside them so
// that a lookup costs the same with ten variables or a hundred thousand.
// The main thread and script threads share one store: every accessor call
// holds the store's lock for its whole duration, nothing finer.

#include <cstddef>
#include <mutex>
#include <new>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vx {

// Every space removed, A-Z lower-cased; every other byte compared as it is.
std::string NormaliseVarName(std::string_view name);

// Table entries; `name` is always the normalised form.
struct memstring {
  std::string name;
  std::string value;
};
struct meminteger {  // despite the name, any 64-bit float
  std::string name;
  double value = 0;
};
struct memboolean {
  std::string name;
  bool value = false;
};

namespace detail {

// Creation-ordered entries plus a name -> position index. Not guarded itself.
template <typename Entry>
class VarTable {
 public:
  // The entry named by the (already normalised) key, appended when missing.
  Entry& Slot(std::string&& key) {
    if (auto it = index_.find(key); it != index_.end()) return entries_[it->second];
    Entry entry{};
    entry.name = key;
    entries_.push_back(std::move(entry));
    try {
      index_.emplace(std::move(key), entries_.size() - 1);
    } catch (const std::bad_alloc&) {
      entries_.pop_back();  // table and index must never disagree
      throw;
    }
    return entries_.back();
  }
  Entry& Slot(const std::string& key) {
    if (auto it = index_.find(key); it != index_.end()) return entries_[it->second];
    return Slot(std::string(key));
  }
  std::size_t size() const { return entries_.size(); }
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  std::vector<Entry> entries_;
  std::unordered_map<std::string, std::size_t> index_;
};

}  // namespace detail

class TValues {
 public:
  std::string GetStrVar(std::string_view name);
  void SetStrVar(std::string_view name, std::string_view value);
  double GetNumVar(std::string_view name);
  // For names normalised once and kept (parsed statements, loops): no copy
  // unless the variable is new.
  double GetNumVarNormalised(const std::string& key);
  void SetNumVar(std::string_view name, double value);
  void SetNumVarNormalised(const std::string& key, double value);
  bool GetBoolVar(std::string_view name);
  void SetBoolVar(std::string_view name, bool value);

  std::size_t StrCount() const;
  std::size_t NumCount() const;
  std::size_t BoolCount() const;

  // Copies of the tables in creation order, for inspection tools and the
  // script console; taken under the lock, so each is one consistent moment.
  std::vector<memstring> StrVars() const;
  std::vector<meminteger> NumVars() const;
  std::vector<memboolean> BoolVars() const;

 private:
  mutable std::mutex mutex_;
  detail::VarTable<memstring> strs_;
  detail::VarTable<meminteger> nums_;
  detail::VarTable<memboolean> bools_;
};

// "\q" -> '"', "\br" -> CR LF; doubled sequences stand for the escape itself.
// The placeholders "$!#~Q" and "$!#~BR" are reserved: in the input they come
// out as "\q" and "\br".
std::string DecodeEscapes(std::string_view text);

}  // namespace vx
