#include "common/form_widgets.h"

#include "common/qt_bridge.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <qdrawutil.h>

namespace orvelle {

void TNoCancelDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel) || event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Only a focused button answers Enter; with none focused, Enter does nothing here.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled())
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TNoCancelDialog::SetUpForm(const char* name, const QString& caption, int width, int height)
{
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(width, height);
    setFont(DialogFont());
}

bool TNoCancelDialog::event(QEvent* event)
{
    // Before the first showing, where Qt would make the first push button the default.
    if (event->type() == QEvent::Polish)
        for (QPushButton* button : findChildren<QPushButton*>())
            button->setAutoDefault(false);
    return QDialog::event(event);
}

TFramedGroup::TFramedGroup(QWidget* parent, const char* name, const QString& caption, int left, int top,
                           int width, int height)
    : QGroupBox(caption, parent)
{
    setObjectName(name);
    PlaceInClientArea(this, left, top, width, height);
}

void TFramedGroup::PlaceChild(QWidget* w, int left, int top, int width, int height)
{
    if (w->parentWidget() != this)
        w->setParent(this);
    PlaceInClientArea(w, left, top, width, height);
}

void TFramedGroup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    // An etched frame whose top line runs through the middle of the caption.
    const int lineY = metrics.height() / 2;
    qDrawShadeRect(&painter, QRect(0, lineY, width(), height() - lineY), palette(), true, 1, 0);
    if (title().isEmpty())
        return;
    const int padding = 2;
    const QRect caption(8, 0, metrics.horizontalAdvance(title()) + 2 * padding, metrics.height());
    painter.fillRect(caption, palette().window());
    style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(),
                          title(), QPalette::WindowText);
}

TYearUpDown::TYearUpDown(QWidget* parent) : QSpinBox(parent)
{
    setRange(1900, 2100);
    setSingleStep(1);
    setWrapping(false);
    setGroupSeparatorShown(false);
    setValue(1900);
    lineEdit()->setReadOnly(true);
}

// Page Up/Down and Ctrl with the wheel would step by ten.
void TYearUpDown::stepBy(int steps)
{
    QSpinBox::stepBy(steps > 0 ? 1 : steps < 0 ? -1 : 0);
}

TRowHeightDelegate::TRowHeightDelegate(int height, QObject* parent)
    : QStyledItemDelegate(parent), FHeight(height)
{
}

QSize TRowHeightDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width(), FHeight};
}

void BindToCommand(QAbstractButton* button, QAction* command)
{
    button->setEnabled(command->isEnabled());
    QObject::connect(command, &QAction::changed, button,
                     [button, command] { button->setEnabled(command->isEnabled()); });
    QObject::connect(button, &QAbstractButton::clicked, command, &QAction::trigger);
}

} // namespace orvelle
