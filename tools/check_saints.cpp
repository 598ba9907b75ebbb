// check_saints [--format-only] FILE: checks a saints file against the rules of the shipped one.
#include "tools/saints_check.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv)
{
    bool formatOnly = false;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--format-only") == 0)
            formatOnly = true;
        else
            path = argv[i];
    }
    if (!path) {
        std::fprintf(stderr, "usage: check_saints [--format-only] FILE\n");
        return 2;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "check_saints: cannot open %s\n", path);
        return 2;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto report = orvelle::CheckSaintsFile(bytes, formatOnly);
    std::printf("%s: %s", path, orvelle::FormatReport(report).c_str());
    return report.ok() ? 0 : 1;
}
