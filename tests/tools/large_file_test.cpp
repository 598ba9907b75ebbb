#include "data/calendar_data.h"
#include "test_files.h"
#include "tools/synthetic_saints.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>

using namespace orvelle;

#if defined(__linux__)
namespace {
// Private anonymous memory of this process, in kB.
long AnonymousKb()
{
    std::ifstream in("/proc/self/smaps_rollup");
    std::string key;
    long value = 0;
    while (in >> key) {
        if (key == "Anonymous:") {
            in >> value;
            return value;
        }
        in.ignore(4096, '\n');
    }
    return -1;
}
} // namespace

TEST(LargeFile, ScanMapsTheFileInsteadOfReadingIt)
{
    test::TempFile file(MakeSyntheticSaints(50u << 20));
    const long before = AnonymousKb();
    ASSERT_GE(before, 0);
    TCalendarData2 table(file.path());
    const long after = AnonymousKb();
    EXPECT_LT(after - before, 2048) << "kB of private memory added by the scan of a 50 MB file";
    EXPECT_FALSE(table.SaintsOfDay(12, 31).empty());
    EXPECT_FALSE(table.SaintsOfDay(2, 29).empty());
}
#endif
