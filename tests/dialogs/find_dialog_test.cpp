#include "common/form_widgets.h"
#include "dialogs/find_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

using namespace orvelle;

namespace {

template <typename T> T* Child(QWidget& d, const char* name)
{
    T* w = d.findChild<T*>(name);
    EXPECT_TRUE(w) << name;
    return w;
}

QRect InDialog(QWidget* w)
{
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

} // namespace

TEST(FindDialog, LayoutAndCaptions)
{
    TFormFind d;
    EXPECT_EQ(d.objectName(), "FormFind");
    EXPECT_EQ(d.windowTitle(), "Find");
    EXPECT_EQ(d.size(), QSize(273, 218));
    EXPECT_EQ(d.minimumSize(), d.maximumSize());
    EXPECT_EQ(d.pos(), QPoint(333, 452));

    for (auto [name, title] :
         {std::pair{"GroupBox1", "Name"}, {"GroupBox2", "Date"}, {"GroupBox3", "Profile"}})
        EXPECT_EQ(Child<QGroupBox>(d, name)->title(), title);
    auto* check = Child<QCheckBox>(d, "CheckBox1");
    auto* picker = Child<QDateEdit>(d, "DateTimePicker1");
    EXPECT_EQ(check->text(), "");
    EXPECT_FALSE(check->isChecked());
    EXPECT_EQ(check->parentWidget()->objectName(), "GroupBox2");
    EXPECT_EQ(picker->parentWidget()->objectName(), "GroupBox2");
    EXPECT_EQ(InDialog(check), QRect(16, 80, 17, 17));
    EXPECT_EQ(InDialog(picker), QRect(40, 80, 209, 21));
    EXPECT_TRUE(picker->calendarPopup());
    EXPECT_EQ(InDialog(Child<QLineEdit>(d, "Edit1")), QRect(16, 24, 233, 21));
    EXPECT_EQ(InDialog(Child<QLineEdit>(d, "Edit2")), QRect(16, 136, 233, 21));

    auto* ok = Child<QPushButton>(d, "Button1");
    auto* cancel = Child<QPushButton>(d, "Button2");
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(cancel->text(), "Cancel");
    d.show(); // Qt picks a default button when a dialog shows
    for (QPushButton* b : {ok, cancel})
        EXPECT_FALSE(b->isDefault() || b->autoDefault());
}

TEST(FindDialog, DateCountsOnlyWhileTicked)
{
    TFormFind d;
    EXPECT_EQ(d.GetSearchDate(), -1);
    Child<QCheckBox>(d, "CheckBox1")->setChecked(true);
    EXPECT_EQ(d.GetSearchDate(), EncodeDate(2006, 8, 24));
    Child<QDateEdit>(d, "DateTimePicker1")->setDate(QDate(2011, 6, 24));
    EXPECT_EQ(d.GetSearchDate(), EncodeDate(2011, 6, 24));
    Child<QCheckBox>(d, "CheckBox1")->setChecked(false);
    EXPECT_EQ(d.GetSearchDate(), -1);
}

TEST(FindDialog, TextCriteriaAreUtf8AsTyped)
{
    TFormFind d;
    EXPECT_EQ(d.GetSearchName(), "");
    EXPECT_EQ(d.GetSearchProfile(), "");
    QTest::keyClicks(Child<QLineEdit>(d, "Edit1"), " jan ");
    Child<QLineEdit>(d, "Edit2")->setText(QString::fromUtf8("Łódź "));
    EXPECT_EQ(d.GetSearchName(), " jan ");
    EXPECT_EQ(d.GetSearchProfile(), "\xC5\x81\xC3\xB3\x64\xC5\xBA ");
}

TEST(FindDialog, EnterInTheTextBoxesAcceptsWhateverTheModifiers)
{
    const std::tuple<const char*, Qt::Key, Qt::KeyboardModifiers> presses[] = {
        {"Edit1", Qt::Key_Return, Qt::NoModifier},
        {"Edit1", Qt::Key_Enter, Qt::KeypadModifier},
        {"Edit2", Qt::Key_Return, Qt::ShiftModifier | Qt::ControlModifier},
        {"Edit2", Qt::Key_Return, Qt::AltModifier},
    };
    TFormFind d;
    for (auto& [name, key, modifiers] : presses) {
        SCOPED_TRACE(name);
        d.open();
        QTest::keyClick(Child<QLineEdit>(d, name), key, modifiers);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
}

TEST(FindDialog, EnterOnTheCheckBoxOrPickerDoesNothing)
{
    TFormFind d;
    d.open();
    for (const char* name : {"CheckBox1", "DateTimePicker1"}) {
        auto* w = Child<QWidget>(d, name);
        QTest::keyClick(w, Qt::Key_Return);
        QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_TRUE(d.isVisible()) << name;
    }
    EXPECT_FALSE(Child<QCheckBox>(d, "CheckBox1")->isChecked());
    d.reject();
}

TEST(FindDialog, TabVisitsButtonsThenCriteriaTopToBottom)
{
    TFormFind d;
    d.show();
    QApplication::setActiveWindow(&d);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    Child<QPushButton>(d, "Button1")->setFocus();
    const char* order[] = {"Button2", "Edit1", "DateTimePicker1", "CheckBox1", "Edit2", "Button1"};
    for (const char* name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        // The picker's inner line edit takes the focus on its behalf.
        while (focus && focus->objectName() != name && focus->parentWidget() != &d &&
               focus->parentWidget()->objectName() != "GroupBox2")
            focus = focus->parentWidget();
        ASSERT_TRUE(focus);
        EXPECT_EQ(focus->objectName().toStdString(), name);
    }
}

TEST(FindDialog, ExecReturnsOkOrCancelAndTheCriteriaStay)
{
    TFormFind d;
    Child<QLineEdit>(d, "Edit1")->setText("Anna");
    Child<QCheckBox>(d, "CheckBox1")->setChecked(true);
    QTimer::singleShot(0, &d, [&] { QTest::mouseClick(Child<QPushButton>(d, "Button2"), Qt::LeftButton); });
    EXPECT_EQ(d.exec(), QDialog::Rejected);

    Child<QLineEdit>(d, "Edit2")->setText("martyr");
    QTimer::singleShot(0, &d, [&] { QTest::mouseClick(Child<QPushButton>(d, "Button1"), Qt::LeftButton); });
    EXPECT_EQ(d.exec(), QDialog::Accepted);
    EXPECT_EQ(d.GetSearchName(), "Anna");
    EXPECT_EQ(d.GetSearchProfile(), "martyr");
    EXPECT_EQ(d.GetSearchDate(), EncodeDate(2006, 8, 24));
}

TEST(FindDialog, NameBoxHasTheFocusWhenOpened)
{
    TFormFind d;
    d.show();
    QApplication::setActiveWindow(&d);
    EXPECT_EQ(QApplication::focusWidget(), d.findChild<QLineEdit*>("Edit1"));
}

TEST(FindDialog, EscDoesNotCloseItAndTheFramesHoldTheirControls)
{
    TFormFind d;
    d.open();
    QApplication::setActiveWindow(&d);
    for (const char* name : {"Edit1", "CheckBox1", "Edit2", "Button1"}) {
        auto* w = Child<QWidget>(d, name);
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible()) << name;
    }
    // Each frame holds its controls, with the caption on the frame line.
    const std::pair<const char*, std::vector<const char*>> groups[] = {
        {"GroupBox1", {"Edit1"}}, {"GroupBox2", {"CheckBox1", "DateTimePicker1"}}, {"GroupBox3", {"Edit2"}}};
    for (const auto& [group, children] : groups) {
        auto* frame = qobject_cast<TFramedGroup*>(Child<QWidget>(d, group));
        ASSERT_TRUE(frame) << group;
        for (const char* child : children)
            EXPECT_EQ(Child<QWidget>(d, child)->parentWidget(), frame) << child;
    }
    d.reject();
    EXPECT_EQ(d.result(), QDialog::Rejected);
}
