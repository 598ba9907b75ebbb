#pragma once
// The application object: the last net for errors, so none crosses the event loop uncaught.
#include "common/application_title.h"

#include <QApplication>

namespace orvelle {

class TApplication : public QApplication {
    Q_OBJECT
  public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace orvelle
