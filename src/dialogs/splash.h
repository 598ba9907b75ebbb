#pragma once
// The splash: a borderless round window shown while the program starts.
#include <QWidget>

class QImage;
class QLabel;

namespace orvelle {

class TForm2 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm2(QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label1;

    // Builds the window's shape from the picture: every key-coloured pixel is cut away.
    void FormCreate(const QImage& picture);
    // Start-up: on screen and painted at once, before any event loop runs.
    void ShowNow();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace orvelle
