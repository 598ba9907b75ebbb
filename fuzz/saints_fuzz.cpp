// Any bytes as a saints file: build the table, load every day, search. Only the program's own
// errors may come out; a crash, a leak or a sanitizer report is a fault.
#include "common/exception.h"
#include "data/calendar_data.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

using namespace orvelle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/dev/shm/orvelle-fuzz-" + std::to_string(::getpid()) + ".csv";
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    } else {
        return 0;
    }
    try {
        TCalendarData2 table(path);
        for (unsigned m = 1; m <= 12; ++m)
            for (unsigned d = 1; d <= 31; ++d) {
                try {
                    for (const auto& rec : table.SaintsOfDay(m, d))
                        if (rec.size() != 10)
                            __builtin_trap(); // a record always has ten columns
                } catch (const Exception&) {
                }
            }
        TSaintRefs found;
        table.FindSaints("a", "", found, NoDate);
        table.FindSaints("", "", found, EncodeDate(2024, 2, 29));
    } catch (const Exception&) {
    }
    return 0;
}
