// GUID texts and the interface identifiers.

#include <cstring>
#include <initializer_list>

#include <gtest/gtest.h>

#include "platform/com/Com.h"

namespace {

using namespace com;

constexpr GUID kTime = {
    0x6AEDBD6D, 0x3FB5, 0x418A, {0x83, 0xA6, 0x7F, 0x45, 0x22, 0x9D, 0xC8, 0x72}};

GUID Marker() {
  GUID g;
  std::memset(&g, 0xEE, sizeof g);
  return g;
}

TEST(CLSIDFromString, ParsesTheBracedFormInAnyCase) {
  for (const char16_t* text :
       {u"{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}", u"{6aedbd6d-3fb5-418a-83a6-7f45229dc872}",
        u"{6aEdBd6D-3Fb5-418a-83A6-7f45229Dc872}"}) {
    GUID g = Marker();
    EXPECT_EQ(CLSIDFromString(text, &g), S_OK);
    EXPECT_EQ(g, kTime);
  }
}

TEST(CLSIDFromString, ExtremeValues) {
  GUID g = Marker();
  ASSERT_EQ(CLSIDFromString(u"{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}", &g), S_OK);
  EXPECT_EQ(g.Data1, 0xFFFFFFFFu);
  EXPECT_EQ(g.Data2, 0xFFFF);
  EXPECT_EQ(g.Data4[7], 0xFF);
  ASSERT_EQ(CLSIDFromString(u"{00000000-0000-0000-0000-000000000000}", &g), S_OK);
  EXPECT_EQ(g, GUID{});
}

// A text that is not a braced GUID would be a ProgID; with no class registry it names nothing.
// The CLSID is not written.
TEST(CLSIDFromString, RefusesOtherTexts) {
  for (const char16_t* text : {
           u"",
           u"6AEDBD6D-3FB5-418A-83A6-7F45229DC872",     // no braces
           u"{6AEDBD6D-3FB5-418A-83A6-7F45229DC872",    // no closing brace
           u"6AEDBD6D-3FB5-418A-83A6-7F45229DC872}",    // no opening brace
           u"(6AEDBD6D-3FB5-418A-83A6-7F45229DC872)",   // other brackets
           u"{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}x",  // something after it
           u"{6AEDBD6D-3FB5-418A-83A6-7F45229DC87}",    // a digit short
           u"{6AEDBD6D-3FB5-418A-83A6-7F45229DC8721}",  // a digit too many
           u"{6AEDBD6G-3FB5-418A-83A6-7F45229DC872}",   // not hex
           u"{6AEDBD6D-3FB5-418A-83A67F45229DC872-}",   // a dash in the wrong place
           u"{6AEDBD6D 3FB5 418A 83A6 7F45229DC872}",   // no dashes
           u"{ 6AEDBD6D-3FB5-418A-83A6-7F45229DC872}",  // a space
           u"Some.ProgId",
       }) {
    SCOPED_TRACE(testing::Message() << "text length " << std::char_traits<char16_t>::length(text));
    GUID g = Marker();
    EXPECT_EQ(CLSIDFromString(text, &g), CO_E_CLASSSTRING);
    EXPECT_EQ(g, Marker());
  }
}

TEST(CLSIDFromString, NullArguments) {
  EXPECT_EQ(CLSIDFromString(u"{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}", nullptr), E_INVALIDARG);
  // Surprising but documented by the system's behaviour: a null text is the null CLSID.
  GUID g = Marker();
  EXPECT_EQ(CLSIDFromString(nullptr, &g), S_OK);
  EXPECT_EQ(g, GUID{});
}

TEST(InterfaceIds, HaveTheirPublishedValues) {
  GUID g{};
  ASSERT_EQ(CLSIDFromString(u"{00000000-0000-0000-C000-000000000046}", &g), S_OK);
  EXPECT_EQ(IID_IUnknown, g);
  ASSERT_EQ(CLSIDFromString(u"{0000000C-0000-0000-C000-000000000046}", &g), S_OK);
  EXPECT_EQ(IID_IStream, g);
  ASSERT_EQ(CLSIDFromString(u"{0C733A30-2A1C-11CE-ADE5-00AA0044773D}", &g), S_OK);
  EXPECT_EQ(IID_ISequentialStream, g);
}

}  // namespace
