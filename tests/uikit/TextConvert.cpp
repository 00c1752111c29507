// AnsiToUtf16: system ANSI (GBK) text to UTF-16LE units with a terminating zero unit.
#include "uikit/TextConvert.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::uint8_t> Bytes(const bytes::ByteBlock& block) {
  return block.vector();
}

struct Case {
  const char* name;
  const char* text;
  std::vector<std::uint8_t> expected;
};

TEST(AnsiToUtf16, GivesUnitsAndTheTerminator) {
  const Case cases[] = {
      {"ascii", "abc", {0x61, 0x00, 0x62, 0x00, 0x63, 0x00, 0x00, 0x00}},
      // GBK D6D0 CEC4 is U+4E2D U+6587.
      {"gbk", "\xD6\xD0\xCE\xC4", {0x2D, 0x4E, 0x87, 0x65, 0x00, 0x00}},
      {"mixed", "a\xD6\xD0", {0x61, 0x00, 0x2D, 0x4E, 0x00, 0x00}},
      {"empty text: the terminator alone", "", {0x00, 0x00}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Bytes(uikit::AnsiToUtf16(c.text)), c.expected) << c.name;
  }
}

TEST(AnsiToUtf16, NoTextGivesAnEmptyBlock) {
  EXPECT_TRUE(uikit::AnsiToUtf16(nullptr).empty());
}

TEST(AnsiToUtf16, InvalidGbkBecomesReplacementCharacters) {
  // A lone lead byte at the end is not GBK; it still gives units and the terminator.
  const bytes::ByteBlock block = uikit::AnsiToUtf16("a\x81");
  ASSERT_GE(block.size(), 6u);
  EXPECT_EQ(block.data()[0], 0x61);
  EXPECT_EQ(block.data()[block.size() - 2], 0x00);
  EXPECT_EQ(block.data()[block.size() - 1], 0x00);
}

}  // namespace
