// The three reminder flags share the data file's "c" entry: whichever flag
// the program turns on, after whatever number the file held, a save and a
// read give it back on, and the others as they were.
#include <gtest/gtest.h>

#include <tuple>

#include "store/data_file.h"

namespace mirevo {
namespace {

using Flags = std::tuple<bool, bool, bool>;

Flags FlagsOf(const SeriesRecord& r) {
  return {r.weekdayDue.On(), r.earliestDue.On(), r.manualNextTime.On()};
}

TEST(FlagsTest, AFlagTurnedOnSurvivesASaveWhateverTheFileHeld) {
  Switch SeriesRecord::*const flags[] = {&SeriesRecord::weekdayDue, &SeriesRecord::earliestDue,
                                         &SeriesRecord::manualNextTime};
  for (const char* held : {"-1", "-1010", "-999", "0", "101", "999", "2147483647"}) {
    for (Switch SeriesRecord::*flag : flags) {
      RecordStore read;
      ASSERT_TRUE(ParseData(std::string("T=0;N=1;c=") + held + ";", read).empty());
      SeriesRecord& record = *read.lists[kAnime].begin();
      record.*flag = kOn;
      const Flags expected = FlagsOf(record);
      RecordStore again;
      ASSERT_TRUE(ParseData(FormatData(read), again).empty());
      EXPECT_EQ(FlagsOf(*again.lists[kAnime].begin()), expected) << held;
    }
  }
}

}  // namespace
}  // namespace mirevo
