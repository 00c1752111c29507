// The input boxes as the user types into them: the integer boxes' typed-character filter and
// their rewrite when the focus moves away, and the weapon name box that takes any text.
#include <string>
#include <string_view>

#include "editor/WeaponBoxes.h"
#include "tests/editor/MainWindowHarness.h"
#include "tests/support/runtime/RuntimeTestSupport.h"

namespace editor::test {
namespace {

namespace rt = runtime::test;

enum class Entry { Typed, Pasted };

struct BoxCase {
  Entry entry;
  std::string input;
  std::string whileFocused;  // what the box holds before the focus moves
  std::string afterFocusOut;
};

const BoxCase kIntegerCases[] = {
    {Entry::Typed, "0", "0", ""},
    {Entry::Typed, "007", "007", "7"},
    {Entry::Typed, "12x", "12", "12"},  // x cannot be typed
    {Entry::Typed, "-5", "-5", "-5"},
    {Entry::Typed, "a b+", "", ""},
    {Entry::Pasted, "12x", "12x", "12"},
    {Entry::Pasted, "abc", "abc", ""},
    {Entry::Typed, "99999999999", "99999999999", "2147483647"},
    {Entry::Typed, "-99999999999", "-99999999999", "-2147483648"},
    {Entry::Pasted, "  +42", "  +42", "42"},
    {Entry::Typed, "2147483647", "2147483647", "2147483647"},
};

TEST_F(MainWindowTest, IntegerBoxesFilterAndRewrite) {
  for (std::size_t k = 1; k < kWeaponFieldCount; ++k) {
    const std::string_view box = WeaponBoxNames()[k];
    for (const BoxCase& c : kIntegerCases) {
      SCOPED_TRACE(std::string(box) + (c.entry == Entry::Typed ? " typed " : " pasted ") + c.input);
      window().Get(box).SetText({});
      if (c.entry == Entry::Typed) {
        rt::TypeInto(window(), box, c.input);
      } else {
        rt::PasteInto(window(), box, c.input);
      }
      EXPECT_EQ(rt::ShownText(window(), box), c.whileFocused);
      rt::MoveFocusAway(window(), box);
      EXPECT_EQ(window().Get(box).GetText(), c.afterFocusOut);
      EXPECT_EQ(rt::ShownText(window(), box), c.afterFocusOut);
    }
  }
}

TEST_F(MainWindowTest, WeaponNameBoxTakesAnyText) {
  for (std::string_view input : {"abc 12x", "0", "木剑", " "}) {
    SCOPED_TRACE(std::string(input));
    window().Get("编辑框1").SetText({});
    rt::TypeInto(window(), "编辑框1", input);
    rt::MoveFocusAway(window(), "编辑框1");
    EXPECT_EQ(window().Get("编辑框1").GetText(), input);
  }
}

// A text put in by a command is neither filtered nor rewritten.
TEST_F(MainWindowTest, CommandTextIsNotRewritten) {
  window().Get("编辑框2").SetText("abc");
  EXPECT_EQ(window().Get("编辑框2").GetText(), "abc");
  EXPECT_EQ(rt::ShownText(window(), "编辑框2"), "abc");
}

}  // namespace
}  // namespace editor::test
