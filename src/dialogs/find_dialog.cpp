#include "dialogs/find_dialog.h"

#include "common/qt_bridge.h"
#include "dialogs/date_picker.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace orvelle {

TFormFind::TFormFind(QWidget* parent)
    : TNoCancelDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    SetUpForm("FormFind", "Find", 273, 218);
    move(333, 452);

    // Created in tab order: the buttons first, then the criteria from top to bottom.
    Button1 = new QPushButton("OK", this);
    Button1->setObjectName("Button1");
    Button2 = new QPushButton("Cancel", this);
    Button2->setObjectName("Button2");
    PlaceInClientArea(Button1, 104, 184, 75, 25);
    PlaceInClientArea(Button2, 184, 184, 75, 25);

    GroupBox1 = new TFramedGroup(this, "GroupBox1", "Name", 8, 8, 257, 49);
    Edit1 = GroupBox1->Place(new QLineEdit(GroupBox1), 16, 24, 233, 21);
    Edit1->setObjectName("Edit1");

    GroupBox2 = new TFramedGroup(this, "GroupBox2", "Date", 8, 64, 257, 49);
    DateTimePicker1 = GroupBox2->Place(new TDatePicker(QDate(2006, 8, 24), GroupBox2), 40, 80, 209, 21);
    DateTimePicker1->setObjectName("DateTimePicker1");
    DateTimePicker1->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    DateTimePicker1->setCalendarPopup(true);
    CheckBox1 = GroupBox2->Place(new QCheckBox(GroupBox2), 16, 80, 17, 17);
    CheckBox1->setObjectName("CheckBox1");

    GroupBox3 = new TFramedGroup(this, "GroupBox3", "Profile", 8, 120, 257, 49);
    Edit2 = GroupBox3->Place(new QLineEdit(GroupBox3), 16, 136, 233, 21);
    Edit2->setObjectName("Edit2");

    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Edit1);
    setTabOrder(Edit1, DateTimePicker1);
    setTabOrder(DateTimePicker1, CheckBox1);
    setTabOrder(CheckBox1, Edit2);

    Edit1->installEventFilter(this);
    Edit2->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, &TFormFind::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFormFind::Button2Click);
}

TDateTime TFormFind::GetSearchDate() const
{
    return CheckBox1->isChecked() ? FromQDate(DateTimePicker1->date()) : NoDate;
}

std::string TFormFind::GetSearchName() const
{
    return Edit1->text().toStdString();
}

std::string TFormFind::GetSearchProfile() const
{
    return Edit2->text().toStdString();
}

// Edit1KeyDown and Edit2KeyDown: Enter in either text box runs the search, whatever the modifiers.
bool TFormFind::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == Edit1 || watched == Edit2) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Users open the dialog to type a name: the name box has the focus, whatever the tab order.
void TFormFind::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Edit1->setFocus(Qt::OtherFocusReason);
}

void TFormFind::Button1Click()
{
    accept();
}

void TFormFind::Button2Click()
{
    reject();
}

} // namespace orvelle
