#pragma once
// Building blocks that the program's windows share, so that every window behaves the same way:
// dialogs without a cancel button, framed groups, the year field, fixed row heights and buttons
// bound to commands.
#include <QDialog>
#include <QGroupBox>
#include <QSpinBox>
#include <QStyledItemDelegate>

class QAbstractButton;
class QAction;

namespace orvelle {

// A dialog with no default and no cancel button, as all of ours are laid out: Esc closes
// nothing (the close box, where there is one, still cancels), and Enter presses a button only
// when that button has the focus.
class TNoCancelDialog : public QDialog {
    Q_OBJECT
  public:
    using QDialog::QDialog;

  protected:
    // What every form sets first: its name, caption, fixed client size and the dialog font.
    void SetUpForm(const char* name, const QString& caption, int width, int height);
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A framed group whose caption sits on the frame's top line, with its children placed at their
// designed coordinates in the window's client area.
class TFramedGroup : public QGroupBox {
    Q_OBJECT
  public:
    // Placed at its designed rectangle in the client area of parent's window.
    TFramedGroup(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                 int height);

    // Makes w a child of the group at a rectangle given in the window's client area.
    template <typename W> W* Place(W* w, int left, int top, int width, int height)
    {
        PlaceChild(w, left, top, width, height);
        return w;
    }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void PlaceChild(QWidget* w, int left, int top, int width, int height);
};

// A year field with up-down arrows: 1900 to 2100, no wrap-around, no thousands separator. The
// year is stepped, never typed, and moves by one whatever steps it (arrows, keys, wheel).
class TYearUpDown : public QSpinBox {
    Q_OBJECT
  public:
    explicit TYearUpDown(QWidget* parent);
    void stepBy(int steps) override;
};

// Items of the designed height, whatever the style would give them.
class TRowHeightDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    TRowHeightDelegate(int height, QObject* parent);
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    int FHeight;
};

// The button runs the command and is enabled exactly while the command is.
void BindToCommand(QAbstractButton* button, QAction* command);

} // namespace orvelle
