#pragma once
// The application object: the last net for errors, so none crosses the event loop uncaught.
#include <QApplication>

namespace orvelle {

inline constexpr char kApplicationTitle[] = "Orvelle of Saints";

class TApplication : public QApplication {
    Q_OBJECT
  public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace orvelle
