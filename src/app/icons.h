#pragma once
#include <QIcon>

namespace orvelle {

// Toolbar image N (0 exit, 1 shutdown, 2 options, 3 About, 4 print, 5 Find Feast, 6 Find Saint,
// 7 alarm), at 1x and 2x so it stays sharp on scaled screens.
QIcon ToolbarIcon(int index);
QIcon ApplicationIcon();

} // namespace orvelle
