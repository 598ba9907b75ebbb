// make_saints_file SIZE_MB OUT: writes a synthetic saints file of about SIZE_MB megabytes.
#include "tools/synthetic_saints.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_saints_file SIZE_MB OUT\n");
        return 2;
    }
    const double mb = std::atof(argv[1]);
    if (mb <= 0 || mb >= 4000) {
        std::fprintf(stderr, "make_saints_file: SIZE_MB must be above 0 and below 4000\n");
        return 2;
    }
    const std::string data = orvelle::MakeSyntheticSaints(static_cast<size_t>(mb * 1024 * 1024));
    std::ofstream out(argv[2], std::ios::binary);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    if (!out) {
        std::fprintf(stderr, "make_saints_file: could not write %s\n", argv[2]);
        return 1;
    }
    std::printf("%s: %zu bytes\n", argv[2], data.size());
    return 0;
}
