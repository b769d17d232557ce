#pragma once
// A component's name. Its page finds objects by name through an index; an
// object renamed while a page holds it tells that page, so the index never
// goes stale. Reads as the text it holds.

#include <ostream>
#include <string>
#include <string_view>

namespace vx {

class TVXObject;

class ComponentName {
 public:
  explicit ComponentName(TVXObject& owner) : owner_(owner) {}
  ComponentName(const ComponentName&) = delete;
  ComponentName& operator=(const ComponentName&) = delete;

  ComponentName& operator=(std::string text);

  const std::string& Text() const { return text_; }
  operator const std::string&() const { return text_; }
  operator std::string_view() const { return text_; }
  bool empty() const { return text_.empty(); }
  std::size_t size() const { return text_.size(); }
  const char* c_str() const { return text_.c_str(); }

  friend bool operator==(const ComponentName& a, std::string_view b) { return a.text_ == b; }
  friend bool operator==(const ComponentName& a, const std::string& b) { return a.text_ == b; }
  friend bool operator==(const ComponentName& a, const char* b) { return a.text_ == b; }
  friend std::string operator+(const std::string& a, const ComponentName& b) { return a + b.text_; }
  friend std::string operator+(const char* a, const ComponentName& b) { return a + b.text_; }
  friend std::string operator+(char a, const ComponentName& b) { return a + b.text_; }
  friend std::string operator+(const ComponentName& a, const std::string& b) { return a.text_ + b; }
  friend std::string operator+(const ComponentName& a, const char* b) { return a.text_ + b; }
  friend std::ostream& operator<<(std::ostream& out, const ComponentName& name) { return out << name.text_; }

 private:
  TVXObject& owner_;
  std::string text_;
};

}  // namespace vx
