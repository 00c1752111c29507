// Edit boxes through real typing, pasting and focus changes: the integer box's filter and its
// rewrite on losing the focus, read-only boxes, and the exact-bytes rule once the user has edited.
#include <string>

#include "tests/platform/runtime/TestWindow.h"

namespace runtime::test {
namespace {

FormSpec BoxesForm() {
  FormSpec form = SmallForm();
  auto box = [](const char* name, InputKind input, int top) {
    ControlSpec spec;
    spec.name = name;
    spec.kind = ControlKind::EditBox;
    spec.input = input;
    spec.left = 10;
    spec.top = top;
    spec.width = 90;
    spec.height = 24;
    spec.textColor = Rgb{0, 255, 0};
    return spec;
  };
  form.controls = {box("编辑框1", InputKind::Normal, 10), box("编辑框2", InputKind::Integer, 40),
                   box("编辑框6", InputKind::ReadOnly, 70)};
  form.controls.back().text = "操作状态：";
  return form;
}

class EditBoxTest : public RuntimeTest {};

struct IntegerCase {
  const char* input;
  bool pasted;
  const char* beforeFocusOut;
  const char* afterFocusOut;
};

TEST_F(EditBoxTest, IntegerBoxFiltersTypingAndRewritesOnFocusOut) {
  const IntegerCase cases[] = {
      {"0", false, "0", ""},
      {"007", false, "007", "7"},
      {"x", false, "", ""},
      {"1a2-3 4", false, "12-34", "12"},
      {"-15", false, "-15", "-15"},
      {"+5", false, "5", "5"},  // '+' cannot be typed
      {"12x", true, "12x", "12"},
      {"abc", true, "abc", ""},
      {" 42", true, " 42", "42"},
      {"99999999999", false, "99999999999", "2147483647"},
      {"-99999999999", false, "-99999999999", "-2147483648"},
      {"中文", false, "", ""},
  };
  for (const IntegerCase& c : cases) {
    SCOPED_TRACE(std::string(c.pasted ? "pasted " : "typed ") + c.input);
    LoadedWindow window(BoxesForm());
    ASSERT_TRUE(window);
    if (c.pasted) {
      PasteInto(*window, "编辑框2", c.input);
    } else {
      TypeInto(*window, "编辑框2", c.input);
    }
    EXPECT_EQ(window->Get("编辑框2").GetText(), c.beforeFocusOut);
    MoveFocusAway(*window, "编辑框2");
    EXPECT_EQ(window->Get("编辑框2").GetText(), c.afterFocusOut);
    EXPECT_EQ(ShownText(*window, "编辑框2"), c.afterFocusOut);
  }
}

TEST_F(EditBoxTest, BackspaceStillWorksInAnIntegerBox) {
  LoadedWindow window(BoxesForm());
  ASSERT_TRUE(window);
  TypeInto(*window, "编辑框2", "123");
  PressKey(*window, "编辑框2", Key::Backspace);
  EXPECT_EQ(window->Get("编辑框2").GetText(), "12");
}

TEST_F(EditBoxTest, TextSetByTheSystemIsNeitherFilteredNorRewritten) {
  LoadedWindow window(BoxesForm());
  ASSERT_TRUE(window);
  for (const char* text : {"12x", "abc", "0", "007", "\xff\xfe"}) {
    SCOPED_TRACE(text);
    window->Get("编辑框2").SetText(text);
    EXPECT_EQ(window->Get("编辑框2").GetText(), text);
  }
}

TEST_F(EditBoxTest, NormalBoxTakesEveryCharacterAndKeepsItsText) {
  LoadedWindow window(BoxesForm());
  ASSERT_TRUE(window);
  TypeInto(*window, "编辑框1", "x 007");
  MoveFocusAway(*window, "编辑框1");
  EXPECT_EQ(window->Get("编辑框1").GetText(), "x 007");
}

TEST_F(EditBoxTest, ReadOnlyBoxIgnoresTypingAndPasting) {
  LoadedWindow window(BoxesForm());
  ASSERT_TRUE(window);
  TypeInto(*window, "编辑框6", "abc");
  PasteInto(*window, "编辑框6", "def");
  PressKey(*window, "编辑框6", Key::Backspace);
  EXPECT_EQ(window->Get("编辑框6").GetText(), "操作状态：");
  EXPECT_EQ(ShownText(*window, "编辑框6"), "操作状态：");
}

TEST_F(EditBoxTest, AfterAnEditTheBoxGivesItsOwnText) {
  LoadedWindow window(BoxesForm());
  ASSERT_TRUE(window);
  Control& box = window->Get("编辑框1");
  box.SetText("木\xff");
  EXPECT_EQ(box.GetText(), "木\xff");
  TypeInto(*window, "编辑框1", "剑");
  EXPECT_NE(box.GetText(), "木\xff");
  EXPECT_EQ(box.GetText(), ShownText(*window, "编辑框1"));
  box.SetText("青铜剑");
  TypeInto(*window, "编辑框1", "1");
  EXPECT_EQ(box.GetText(), "青铜剑1");
}

TEST_F(EditBoxTest, EnterKeepsTheFocusInTheBox) {
  LoadedWindow window(BoxesForm());
  ASSERT_TRUE(window);
  if (!ActivateWindow(*window)) GTEST_SKIP() << "the platform gives no window the focus";
  TypeInto(*window, "编辑框1", "a");
  ASSERT_TRUE(WidgetHasFocus(*window, "编辑框1"));
  PressKey(*window, "编辑框1", Key::Return);
  EXPECT_TRUE(WidgetHasFocus(*window, "编辑框1"));
  EXPECT_EQ(window->Get("编辑框1").GetText(), "a");
}

}  // namespace
}  // namespace runtime::test
