// OLE initialisation is counted per thread.

#include <thread>

#include <gtest/gtest.h>

#include "platform/com/Com.h"

namespace {

using namespace com;

TEST(OleInitialize, FirstCallOnAThreadIsOkLaterOnesAreFalse) {
  std::thread([] {
    EXPECT_EQ(OleInitialize(nullptr), S_OK);
    EXPECT_EQ(OleInitialize(nullptr), S_FALSE);
    OleUninitialize();
    OleUninitialize();
    EXPECT_EQ(OleInitialize(nullptr), S_OK);  // fully uninitialised again: a fresh start
    OleUninitialize();
  }).join();
}

TEST(OleInitialize, EachThreadHasItsOwnCount) {
  std::thread([] {
    ASSERT_EQ(OleInitialize(nullptr), S_OK);
    std::thread([] {
      EXPECT_EQ(OleInitialize(nullptr), S_OK);
      OleUninitialize();
    }).join();
    OleUninitialize();
  }).join();
}

TEST(OleInitialize, ReservedMustBeNull) {
  std::thread([] {
    int something = 0;
    EXPECT_EQ(OleInitialize(&something), E_INVALIDARG);
    EXPECT_EQ(OleInitialize(nullptr), S_OK);  // the refused call counted nothing
    OleUninitialize();
  }).join();
}

TEST(OleUninitialize, WithoutInitialisationDoesNothing) {
  std::thread([] {
    OleUninitialize();
    EXPECT_EQ(OleInitialize(nullptr), S_OK);
    OleUninitialize();
  }).join();
}

}  // namespace
