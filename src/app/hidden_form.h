#pragma once
#include <QWidget>

namespace orvelle {

// An empty window that exists for the whole run and is never shown.
class THiddenForm : public QWidget {
    Q_OBJECT
  public:
    THiddenForm()
    {
        setWindowTitle("HiddenForm");
        setObjectName("HiddenForm");
    }
};

} // namespace orvelle
