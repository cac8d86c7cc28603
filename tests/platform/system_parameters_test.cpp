// SystemParametersInfoA: the caret timeout and the answers to what the
// platform does not keep.
#include <gtest/gtest.h>

#include "platform/win32.h"

TEST(SystemParameters, TheCaretTimeoutIsFiveSecondsAndCanBeSet) {
  DWORD timeout = 0;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETCARETTIMEOUT, 0, &timeout, 0));
  EXPECT_EQ(timeout, 5000u);
  EXPECT_TRUE(SystemParametersInfoA(SPI_SETCARETTIMEOUT, 0, reinterpret_cast<PVOID>(uintptr_t{INFINITE}), SPIF_SENDCHANGE));
  DWORD changed = 0;
  EXPECT_TRUE(SystemParametersInfoA(SPI_GETCARETTIMEOUT, 0, &changed, 0));
  EXPECT_EQ(changed, INFINITE);
  SystemParametersInfoA(SPI_SETCARETTIMEOUT, 0, reinterpret_cast<PVOID>(uintptr_t{timeout}), 0);
}

TEST(SystemParameters, AMissingAnswerPlaceOrAnUnknownActionIsRefused) {
  for (UINT action : {UINT{SPI_GETCARETTIMEOUT}, UINT{0x7FFF}}) {
    SetLastError(0);
    DWORD value = 0;
    EXPECT_FALSE(SystemParametersInfoA(action, 0, action == SPI_GETCARETTIMEOUT ? nullptr : &value, 0)) << action;
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER) << action;
  }
}
