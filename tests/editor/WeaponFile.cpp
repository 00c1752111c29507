// The weapon file reader and writer on byte-level cases. Literals here compile to GBK like the
// tool's own; bytes that matter are spelled as escapes.
#include "editor/WeaponFile.h"

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace editor {
namespace {

using namespace std::string_literals;

using Rows = std::vector<WeaponEntry>;
using Pieces = std::vector<std::string_view>;

// The rows the reader's separate stages give: what the load command gets when it splits the text
// buffer itself. Must always equal the one-pass parse.
Rows RowsByStages(std::string_view fileBytes) {
  Rows rows;
  for (std::string_view line : SplitWeaponLines(WeaponFileText(fileBytes))) {
    rows.push_back(WeaponEntryFromFields(SplitWeaponFields(line)));
  }
  return rows;
}

std::string ReadFixture(const char* name) {
  std::ifstream in(std::string(WEAPON_FIXTURE_DIR) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// --- Texts of the tool ---

TEST(WeaponFileTexts, LiteralsAreGbkBytes) {
  EXPECT_EQ("新"s, "\xD0\xC2"s);
  EXPECT_EQ("木剑"s, "\xC4\xBE\xBD\xA3"s);
  // The header is built in the format library, so this also proves its literals are GBK.
  EXPECT_EQ(WeaponFileHeader().substr(0, 5), "\x3B\xCE\xE4\xC6\xF7"s);  // ";武器"
}

TEST(WeaponFileTexts, ColumnTitlesAndHeaderLine) {
  const auto titles = WeaponColumnTitles();
  EXPECT_EQ(titles[kWeaponName], "武器名称");
  EXPECT_EQ(titles[kPoisonChance], "中毒机率");
  EXPECT_EQ(titles[kHpDrain], "掉血数值");
  EXPECT_EQ(titles[kBaseTime], "基本时间");
  EXPECT_EQ(titles[kExtendedTime], "扩展时间");
  // The header writes 几 where the column title writes 机.
  EXPECT_EQ(WeaponFileHeader(), ";武器名称 中毒几率 掉血数值 基本时间 扩展时间");
  EXPECT_EQ(WeaponFileHeader().find(titles[kPoisonChance]), std::string_view::npos);
  EXPECT_EQ("\xBB\xFA"s, "机");
  EXPECT_EQ("\xBC\xB8"s, "几");
}

// --- Stage 1: file bytes to text ---

struct TextCase {
  const char* name;
  std::string bytes;
  std::string text;
};

TEST(WeaponFileText, EndsAtNulOrCtrlZOutsideDoubleByteCharacters) {
  const TextCase cases[] = {
      {"empty file", "", ""},
      {"plain text kept", "木剑 50\r\n", "木剑 50\r\n"},
      {"NUL in the middle", "ab\0cd"s, "ab"},
      {"NUL first", "\0ab"s, ""},
      {"0x1A in the middle", "ab\x1Axy", "ab"},
      {"0x1A as second byte", "a\x81\x1Axy", "a\x81\x1Axy"},
      {"0x1A after a double-byte char", "\xD0\xC2\x1Axy", "\xD0\xC2"},
      {"lead byte before NUL dropped", "ab\xD0\0cd"s, "ab"},
      {"second byte 0x1A, then NUL", "\x81\x1A\0"s, "\x81\x1A"},
      {"second byte 0x81 is no lead", "\x81\x81\0"s, "\x81\x81"},
      {"third 0x81 is a lead again", "\x81\x81\x81\0"s, "\x81\x81"},
      {"lone lead byte at the end kept", "ab\xD0", "ab\xD0"},
      {"byte-order mark kept", "\xEF\xBB\xBFxy", "\xEF\xBB\xBFxy"},
      {"invalid GBK kept", "\xFF\xFF\x80\x30\x80", "\xFF\xFF\x80\x30\x80"},
      {"CR and LF are plain bytes", "\r\n\r\r\n\n", "\r\n\r\r\n\n"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string_view text = WeaponFileText(c.bytes);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(text.data(), c.bytes.data());  // a prefix of the file's bytes, not a copy
  }
}

// --- Stages 2 and 3: text to lines, a line to fields ---

struct SplitCase {
  const char* name;
  std::string text;
  Pieces pieces;
};

TEST(WeaponFileLines, SplitAtCrLfPassingOverDoubleByteCharacters) {
  const SplitCase cases[] = {
      {"empty text", "", {}},
      {"CR LF alone", "\r\n", {""}},
      {"two CR LF", "\r\n\r\n", {"", ""}},
      {"last line without CR LF", "a\r\nb", {"a", "b"}},
      {"ends with CR LF", "a\r\nb\r\n", {"a", "b"}},
      {"empty line between", "a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"lone CR", "a\rb\r\n", {"a\rb"}},
      {"lone LF", "a\nb", {"a\nb"}},
      {"LF CR", "a\n\rb", {"a\n\rb"}},
      {"CR CR LF", "a\r\r\n", {"a\r"}},
      {"second byte 0x0D", "\x81\r\nb\r\n", {"\x81\r\nb"}},
      {"second byte 0x0A", "\x81\n\r\nb", {"\x81\n", "b"}},
      {"double-byte char before CR LF", "\xD0\xC2\r\n", {"\xD0\xC2"}},
      {"lone lead byte at the end", "a\r\n\xD0", {"a", "\xD0"}},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SplitWeaponLines(c.text), c.pieces);
  }
}

TEST(WeaponFileFields, SplitAtEachSpacePassingOverDoubleByteCharacters) {
  const SplitCase cases[] = {
      {"empty line", "", {}},
      {"one field", "a", {"a"}},
      {"space alone", " ", {""}},
      {"two fields", "a b", {"a", "b"}},
      {"space at the start", " a", {"", "a"}},
      {"one space at the end adds nothing", "a ", {"a"}},
      {"two spaces at the end add one field", "a  ", {"a", ""}},
      {"double spaces", "a  b  c", {"a", "", "b", "", "c"}},
      {"tab is text", "a\tb", {"a\tb"}},
      {"GBK double-byte space is text", "a\xA1\xA1z", {"a\xA1\xA1z"}},
      {"second byte 0x20", "\x81 b", {"\x81 b"}},
      {"second byte 0x20, then a space", "\x81  b", {"\x81 ", "b"}},
      {"lone lead byte at the end", "a \xD0", {"a", "\xD0"}},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SplitWeaponFields(c.text), c.pieces);
  }
}

// --- Stage 4: fields to a row ---

TEST(WeaponFileRow, TakesTheFirstFiveFieldsAndLeavesTheRestEmpty) {
  EXPECT_EQ(WeaponEntryFromFields(Pieces{}), (WeaponEntry{}));
  EXPECT_EQ(WeaponEntryFromFields(Pieces{"木剑", "50"}), (WeaponEntry{"木剑", "50", "", "", ""}));
  EXPECT_EQ(WeaponEntryFromFields(Pieces{"a", "1", "2", "3", "4"}),
            (WeaponEntry{"a", "1", "2", "3", "4"}));
  EXPECT_EQ(WeaponEntryFromFields(Pieces{"a", "1", "2", "3", "4", "5", "6"}),
            (WeaponEntry{"a", "1", "2", "3", "4"}));
}

// --- The whole reader ---

struct ReadCase {
  const char* name;
  std::string bytes;
  Rows rows;
};

TEST(WeaponFileReader, FileBytesToRows) {
  const ReadCase cases[] = {
      {"empty file", "", {}},
      {"last line without CR LF",
       "木剑 50 100 3 5\r\n银蛇 20 80 4 6",
       {{"木剑", "50", "100", "3", "5"}, {"银蛇", "20", "80", "4", "6"}}},
      {"CR LF alone", "\r\n", {{"", "", "", "", ""}}},
      {"empty line between two entries",
       "a 1 2 3 4\r\n\r\nb 5 6 7 8\r\n",
       {{"a", "1", "2", "3", "4"}, {}, {"b", "5", "6", "7", "8"}}},
      {"seven fields", "a 1 2 3 4 5 6\r\n", {{"a", "1", "2", "3", "4"}}},
      {"two fields", "木剑 50\r\n", {{"木剑", "50", "", "", ""}}},
      {"help-text layout with runs of spaces",
       "木剑        50         100          3           5\r\n",
       {{"木剑", "", "", "", ""}}},
      {"double spaces", "a  b  c\r\n", {{"a", "", "b", "", "c"}}},
      {"leading space", " 50 100 3 5\r\n", {{"", "50", "100", "3", "5"}}},
      {"header line is an ordinary row",
       ";武器名称 中毒几率 掉血数值 基本时间 扩展时间\r\n",
       {{";武器名称", "中毒几率", "掉血数值", "基本时间", "扩展时间"}}},
      {"byte-order mark stays in the first cell",
       "\xEF\xBB\xBFw 50 100 3 5\r\n",
       {{"\xEF\xBB\xBFw", "50", "100", "3", "5"}}},
      // The mark's three bytes put the pairing off by one: its last byte pairs with the name's
      // first, and the name's last byte takes the space after it along.
      {"byte-order mark before a GBK name",
       "\xEF\xBB\xBF木剑 50 100 3 5\r\n",
       {{"\xEF\xBB\xBF木剑 50", "100", "3", "5", ""}}},
      {"NUL in the middle",
       "a 1\r\nb 2\0 3\r\nc 4\r\n"s,
       {{"a", "1", "", "", ""}, {"b", "2", "", "", ""}}},
      {"0x1A in the middle", "a 1\r\nb\x1A 2\r\n", {{"a", "1", "", "", ""}, {"b", "", "", "", ""}}},
      {"0x1A as second byte",
       "\x81\x1A 1\r\nb 2\r\n",
       {{"\x81\x1A", "1", "", "", ""}, {"b", "2", "", "", ""}}},
      {"second byte 0x20 joins the fields", "\x81 1 2\r\n", {{"\x81 1", "2", "", "", ""}}},
      {"second byte 0x0D joins the lines", "a\x81\r\nb 1\r\n", {{"a\x81\r\nb", "1", "", "", ""}}},
      {"lead byte before NUL dropped",
       "a 1\r\nb\xD0\0 2\r\n"s,
       {{"a", "1", "", "", ""}, {"b", "", "", "", ""}}},
      {"lone lead byte at the end",
       "a 1\r\nb \xD0",
       {{"a", "1", "", "", ""}, {"b", "\xD0", "", "", ""}}},
      {"invalid GBK kept",
       "\xFF\xFF \x80\x30 \x80\x80\r\n",
       {{"\xFF\xFF", "\x80\x30", "\x80\x80", "", ""}}},
      {"lone CR and lone LF end no line", "a\r1\nb 2\r\n", {{"a\r1\nb", "2", "", "", ""}}},
      {"tab and GBK space are text", "a\tb\xA1\xA1z 1\r\n", {{"a\tb\xA1\xA1z", "1", "", "", ""}}},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ReadWeaponFile(c.bytes), c.rows);
    EXPECT_EQ(RowsByStages(c.bytes), c.rows);
  }
}

TEST(WeaponFileReader, OneMegabyteLines) {
  constexpr std::size_t kSize = 1 << 20;
  // One field of a megabyte.
  const std::string longName(kSize, 'x');
  EXPECT_EQ(ReadWeaponFile(longName + " 1\r\n"), (Rows{{longName, "1", "", "", ""}}));
  // A megabyte of double-byte characters whose second byte is a space: no split at all.
  std::string pairs;
  for (std::size_t i = 0; i < kSize / 2; ++i) pairs += "\x81 ";
  EXPECT_EQ(ReadWeaponFile(pairs + "\r\n"), (Rows{{pairs, "", "", "", ""}}));
  // Half a million fields: the first five are the row.
  std::string many;
  for (std::size_t i = 0; i < kSize / 2; ++i) many += "7 ";
  EXPECT_EQ(ReadWeaponFile(many), (Rows{{"7", "7", "7", "7", "7"}}));
  EXPECT_EQ(SplitWeaponFields(many).size(), kSize / 2);
}

// --- The writer ---

struct WriteCase {
  const char* name;
  Rows rows;
  std::string bytes;
};

TEST(WeaponFileWriter, ExactBytes) {
  const std::string header = ";武器名称 中毒几率 掉血数值 基本时间 扩展时间\r\n";
  const WriteCase cases[] = {
      {"empty table gives the header alone", {}, header},
      {"one row", {{"木剑", "50", "100", "3", "5"}}, header + "木剑 50 100 3 5 \r\n"},
      {"empty extended time", {{"木剑", "50", "100", "3", ""}}, header + "木剑 50 100 3  \r\n"},
      {"empty cells in the middle", {{"a", "", "1", "", "2"}}, header + "a  1  2 \r\n"},
      {"all cells empty", {WeaponEntry{}}, header + "     \r\n"},
      {"rows top to bottom",
       {{"a", "1", "2", "3", "4"}, {"b", "5", "6", "7", "8"}},
       header + "a 1 2 3 4 \r\nb 5 6 7 8 \r\n"},
      {"cells written as they are",
       {{"\xFF\x80", "\t", "a b", ";", "\r\n"}},
       header + "\xFF\x80 \t a b ; \r\n \r\n"},
  };
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WriteWeaponFile(c.rows), c.bytes);
  }
  EXPECT_EQ("\xCE\xE4"s + "\xC6\xF7", header.substr(1, 4));  // the header is GBK on disk
}

TEST(WeaponFileRoundTrip, WriterThenReaderGivesTheHeaderRowAndTheRows) {
  const WeaponEntry headerRow = {";武器名称", "中毒几率", "掉血数值", "基本时间", "扩展时间"};
  const Rows rows = {
      {"木剑", "50", "100", "3", "5"},
      {"银蛇", "", "80", "", ""},
      {},
      {"\xFF\xFF", "-7", "2147483647", "0", "x"},
  };
  Rows expected = {headerRow};
  expected.insert(expected.end(), rows.begin(), rows.end());
  EXPECT_EQ(ReadWeaponFile(WriteWeaponFile(rows)), expected);

  // A second export writes the old header as a row, with a space before its CR LF.
  const std::string second = WriteWeaponFile(ReadWeaponFile(WriteWeaponFile({})));
  EXPECT_EQ(second,
            ";武器名称 中毒几率 掉血数值 基本时间 扩展时间\r\n"
            ";武器名称 中毒几率 掉血数值 基本时间 扩展时间 \r\n");
}

TEST(WeaponFileRoundTrip, SpaceInACellSplitsItAndShiftsTheRest) {
  const Rows full = {{"屠龙 宝刀", "5", "300", "1", "2"}};
  EXPECT_EQ(ReadWeaponFile(WriteWeaponFile(full))[1],
            (WeaponEntry{"屠龙", "宝刀", "5", "300", "1"}));  // the last number falls off
  const Rows partial = {{"屠龙 宝刀", "5", "300", "", ""}};
  EXPECT_EQ(ReadWeaponFile(WriteWeaponFile(partial))[1],
            (WeaponEntry{"屠龙", "宝刀", "5", "300", ""}));
}

// --- Real weapon files ---

TEST(WeaponFileFixtures, ServerFileReadsAndExports) {
  const std::string file = ReadFixture("PoisonWeapon.txt");
  const Rows rows = ReadWeaponFile(file);
  const Rows expected = {
      {";武器名称", "中毒几率", "掉血数值", "基本时间", "扩展时间"},
      {"木剑", "50", "100", "3", "5"},
      {"青铜剑", "30", "20", "5", "3"},
      {"炼狱", "10", "200", "2", "2"},
      {"银蛇", "20", "80", "4", "6"},
      {"井中月", "15", "120", "3", "3"},
      {"裁决之杖", "8", "250", "2", "4"},
      {"嗜魂法杖", "12", "180", "3", "2"},
      {"骨玉权杖", "25", "60", "6", "5"},
  };
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(RowsByStages(file), expected);

  // The export of that table: the new header, then the file's own header line as a row.
  const std::string exported = ReadFixture("PoisonWeapon.export.txt");
  EXPECT_EQ(WriteWeaponFile(rows), exported);
  Rows reread = {expected.front()};
  reread.insert(reread.end(), expected.begin(), expected.end());
  EXPECT_EQ(ReadWeaponFile(exported), reread);
}

}  // namespace
}  // namespace editor
