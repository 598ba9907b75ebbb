#include "app/icons.h"

namespace orvelle {

namespace {
constexpr const char* kToolbarImages[8] = {"exit",  "shutdown",   "options",    "about",
                                           "print", "find_feast", "find_saint", "alarm"};

// The PNGs are drawn from the SVG sources beforehand (tools/render_icons); QIcon reads a file only
// when a size of it is first painted.
QIcon FromPngs(const char* name, std::initializer_list<int> sizes)
{
    QIcon icon;
    for (int size : sizes)
        icon.addFile(QString(":/icons/png/%1-%2.png").arg(name).arg(size), QSize(size, size));
    return icon;
}
} // namespace

QIcon ToolbarIcon(int index)
{
    if (index < 0 || index >= 8)
        return {};
    return FromPngs(kToolbarImages[index], {36, 72});
}

QIcon ApplicationIcon()
{
    return FromPngs("orvelle", {16, 22, 24, 32, 48, 64, 128, 256});
}

} // namespace orvelle
