// The page's index of names against a plain search of its list: through
// adding, renaming, z-order changes, taking off, deleting and moving to
// another page.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "objects/page_objects.h"
#include "objects/vx_text.h"
#include "platform/sim/sim_desktop.h"

namespace vx {
namespace {

// The lookup as the list defines it: the first in z-order (bottom first)
// whose name matches with A to Z folded, and nothing else.
TVXObject* ScanFor(const PageObjects& objects, std::string_view name) {
  auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (const auto& object : objects.InZOrder()) {
    const std::string& own = object->Name;
    if (own.size() != name.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < own.size() && same; ++i) same = fold(own[i]) == fold(name[i]);
    if (same) return object.get();
  }
  return nullptr;
}

class PageObjectsIndexTest : public ::testing::Test {
 protected:
  PageObjectsIndexTest()
      : windowA(desktop.forms.OpenWindow({})),
        windowB(desktop.forms.OpenWindow({})),
        a(std::make_unique<PageObjects>(*windowA, nullptr)),
        b(std::make_unique<PageObjects>(*windowB, nullptr)) {}
  static std::unique_ptr<TVXText> Text(const std::string& name) {
    auto text = std::make_unique<TVXText>();
    text->Name = name;
    return text;
  }

  sim::SimDesktop desktop;
  std::unique_ptr<platform::Window> windowA, windowB;
  std::unique_ptr<PageObjects> a, b;
};

TEST_F(PageObjectsIndexTest, OnlyAToZFoldAndLengthsMustMatch) {
  TVXObject& plain = a->Add(Text("OBJButton"));
  TVXObject& accented = a->Add(Text("OBJ\xC9t\xE9"));  // Windows-1256 bytes are not folded
  EXPECT_EQ(a->Find("objbutton"), &plain);
  EXPECT_EQ(a->Find("OBJBUTTON"), &plain);
  EXPECT_EQ(a->Find("OBJButto"), nullptr);
  EXPECT_EQ(a->Find("OBJButtons"), nullptr);
  EXPECT_EQ(a->Find("OBJ\xC9t\xE9"), &accented);
  EXPECT_EQ(a->Find("obj\xC9T\xE9"), &accented);
  EXPECT_EQ(a->Find("OBJ\xE9t\xE9"), nullptr);
  EXPECT_EQ(a->Find(""), nullptr);
}

TEST_F(PageObjectsIndexTest, ARenameMovesTheObjectInTheIndex) {
  TVXObject& text = a->Add(Text("new_vexorelle_new_text"));
  EXPECT_EQ(a->Find("new_vexorelle_new_text"), &text);
  text.Name = "OBJTitle";
  EXPECT_EQ(a->Find("new_vexorelle_new_text"), nullptr);
  EXPECT_EQ(a->Find("objtitle"), &text);
  EXPECT_EQ(text.Holder(), a.get());
}

TEST_F(PageObjectsIndexTest, OfTwoWithOneNameTheLowerWinsAsTheZOrderChanges) {
  TVXObject& first = a->Add(Text("OBJx"));
  TVXObject& second = a->Add(Text("objX"));
  EXPECT_EQ(a->Find("OBJX"), &first);
  a->BringToFront(first);
  EXPECT_EQ(a->Find("OBJX"), &second);
  a->SendToBack(first);
  EXPECT_EQ(a->Find("OBJX"), &first);
  a->Retire(first);
  EXPECT_EQ(a->Find("OBJX"), &second);
  EXPECT_EQ(first.Holder(), nullptr);
  // A retired object's rename reaches no index.
  first.Name = "OBJy";
  EXPECT_EQ(a->Find("OBJy"), nullptr);
}

TEST_F(PageObjectsIndexTest, MovingToAnotherPageMovesTheEntry) {
  TVXObject& text = a->Add(Text("OBJtravel"));
  std::unique_ptr<TVXObject> owned = a->Take(text);
  ASSERT_NE(owned, nullptr);
  EXPECT_EQ(a->Find("OBJtravel"), nullptr);
  EXPECT_EQ(text.Holder(), nullptr);
  b->Add(std::move(owned));
  EXPECT_EQ(b->Find("objtravel"), &text);
  EXPECT_EQ(text.Holder(), b.get());
  text.Name = "OBJarrived";
  EXPECT_EQ(b->Find("OBJarrived"), &text);
  EXPECT_EQ(a->Find("OBJarrived"), nullptr);
  EXPECT_EQ(a->Take(text), nullptr);  // not a's to give
}

// An object whose end looks itself up: the list has let it go by then.
class LookingBack : public TVXText {
 public:
  LookingBack(PageObjects& list, TVXObject*& seen) : list_(list), seen_(seen) {}
  ~LookingBack() override { seen_ = list_.Find("OBJback"); }

 private:
  PageObjects& list_;
  TVXObject*& seen_;
};

TEST_F(PageObjectsIndexTest, AnObjectGoingWithItsListIsNoLongerFound) {
  TVXText sentinel;
  TVXObject* seen = &sentinel;
  auto back = std::make_unique<LookingBack>(*a, seen);
  back->Name = "OBJback";
  a->Add(std::move(back));
  a.reset();
  EXPECT_EQ(seen, nullptr);
}

// Random changes of every kind, the index checked against the scan after each.
TEST_F(PageObjectsIndexTest, FollowsEveryChangeAsAScanWould) {
  const std::vector<std::string> names = {"OBJa", "objA", "OBJb", "OBJB", "OBJc", "new_vexorelle_new_text", "OBJ\xC7"};
  std::mt19937 random(2612);
  auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
  std::vector<TVXObject*> everyone;  // alive for the whole test: retired, or on a or b
  for (int step = 0; step < 4000; ++step) {
    PageObjects& list = pick(2) == 0 ? *a : *b;
    PageObjects& other = &list == a.get() ? *b : *a;
    const auto& held = list.InZOrder();
    TVXObject* some = held.empty() ? nullptr : held[pick(held.size())].get();
    switch (pick(7)) {
      case 0: everyone.push_back(&list.Add(Text(names[pick(names.size())]))); break;
      case 1:
        if (some) some->Name = names[pick(names.size())];
        break;
      case 2:
        if (some) list.BringToFront(*some);
        break;
      case 3:
        if (some) list.SendToBack(*some);
        break;
      case 4:
        if (some) list.Retire(*some);
        break;
      case 5:
        if (some) other.Add(list.Take(*some));
        break;
      case 6:
        if (!everyone.empty()) everyone[pick(everyone.size())]->Name = names[pick(names.size())];
        break;
    }
    for (const std::string& name : names) {
      ASSERT_EQ(a->Find(name), ScanFor(*a, name)) << "step " << step << " " << name;
      ASSERT_EQ(b->Find(name), ScanFor(*b, name)) << "step " << step << " " << name;
    }
  }
}

}  // namespace
}  // namespace vx
