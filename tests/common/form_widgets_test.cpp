#include "common/form_widgets.h"
#include "common/qt_bridge.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace orvelle;

namespace {

// A dialog as ours are built: a text box, a check box and two buttons that count their clicks.
struct Dialog {
    TNoCancelDialog d;
    QLineEdit* edit = new QLineEdit(&d);
    QCheckBox* check = new QCheckBox(&d);
    QPushButton* a = new QPushButton("A", &d);
    QPushButton* b = new QPushButton("B", &d);
    int aClicks = 0, bClicks = 0;

    Dialog()
    {
        QObject::connect(a, &QPushButton::clicked, [this] { ++aClicks; });
        QObject::connect(b, &QPushButton::clicked, [this] { ++bClicks; });
        d.show();
        QApplication::setActiveWindow(&d);
    }
};

} // namespace

TEST(NoCancelDialog, EscClosesNothingAndEnterPressesOnlyTheFocusedButton)
{
    struct Case {
        const char* what;
        QWidget* (*focus)(Dialog&);
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int aClicks, bClicks;
    };
    const auto edit = [](Dialog& d) -> QWidget* { return d.edit; };
    const auto check = [](Dialog& d) -> QWidget* { return d.check; };
    const auto button = [](Dialog& d) -> QWidget* { return d.b; };
    const Case cases[] = {
        {"Esc in the text box", edit, Qt::Key_Escape, Qt::NoModifier, 0, 0},
        {"Esc on a button", button, Qt::Key_Escape, Qt::NoModifier, 0, 0},
        {"Enter in the text box", edit, Qt::Key_Return, Qt::NoModifier, 0, 0},
        {"Enter on the check box", check, Qt::Key_Enter, Qt::KeypadModifier, 0, 0},
    };
    for (const auto& c : cases) {
        Dialog dlg;
        QWidget* focus = c.focus(dlg);
        focus->setFocus();
        QTest::keyClick(focus, c.key, c.modifiers);
        EXPECT_TRUE(dlg.d.isVisible()) << c.what;
        EXPECT_EQ(dlg.aClicks, c.aClicks) << c.what;
        EXPECT_EQ(dlg.bClicks, c.bClicks) << c.what;
    }
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        Dialog dlg;
        EXPECT_FALSE(dlg.a->isDefault() || dlg.b->isDefault()) << "no default button";
        dlg.b->setFocus();
        QTest::keyClick(dlg.b, key);
        EXPECT_EQ(dlg.bClicks, 1) << "Enter presses the focused button";
        EXPECT_EQ(dlg.aClicks, 0);
    }
    Dialog dlg;
    dlg.d.close();
    EXPECT_FALSE(dlg.d.isVisible()) << "the close box still closes";
    EXPECT_EQ(dlg.d.result(), QDialog::Rejected);
}

TEST(FramedGroup, CaptionSitsOnTheFrameLineAndChildrenAtTheirDesignedPlaces)
{
    QDialog d;
    d.setFixedSize(273, 218);
    d.setFont(DialogFont());
    auto* group = new TFramedGroup(&d, "GroupBox1", "Name", 8, 8, 257, 49);
    auto* edit = group->Place(new QLineEdit(group), 16, 24, 233, 21);
    EXPECT_EQ(group->objectName(), "GroupBox1");
    EXPECT_EQ(group->geometry(), QRect(8, 8, 257, 49));
    EXPECT_EQ(edit->parentWidget(), group);
    EXPECT_EQ(QRect(edit->mapTo(&d, QPoint(0, 0)), edit->size()), QRect(16, 24, 233, 21));

    const QImage img = group->grab().toImage();
    const QRgb background = img.pixel(4, img.height() / 2); // left of the text box
    // The frame's top line, found at the right end where no caption is.
    int line = -1;
    for (int y = 0; y < img.height() && line < 0; ++y)
        if (img.pixel(img.width() - 3, y) != background)
            line = y;
    // The caption's ink, in the caption's columns.
    int inkTop = -1, inkBottom = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 10; x < 40; ++x)
            if (qGray(img.pixel(x, y)) < 100) {
                inkTop = inkTop < 0 ? y : inkTop;
                inkBottom = y;
            }
    ASSERT_GE(line, 0);
    ASSERT_GE(inkTop, 0);
    EXPECT_LT(inkTop, line) << "the caption reaches above the line";
    EXPECT_GT(inkBottom, line) << "and below it";
    EXPECT_EQ(img.pixel(9, line), background) << "the line stops short of the caption";
    EXPECT_GT(edit->y(), line + 2) << "the text box lies inside the frame";
    EXPECT_NE(img.pixel(img.width() / 2, img.height() - 1), background) << "the frame closes at the bottom";
}

TEST(YearUpDown, EveryKeyOrWheelTurnMovesTheYearByOne)
{
    TYearUpDown year(nullptr);
    EXPECT_EQ(year.value(), 1900);
    const auto wheel = [&](Qt::KeyboardModifiers modifiers, int delta) {
        QWheelEvent e(QPointF(5, 5), year.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&year, &e);
    };
    struct Case {
        const char* what;
        int from;
        std::function<void()> act;
        int expected;
    } cases[] = {
        {"Up", 2000, [&] { QTest::keyClick(&year, Qt::Key_Up); }, 2001},
        {"Down", 2000, [&] { QTest::keyClick(&year, Qt::Key_Down); }, 1999},
        {"Page Up", 2000, [&] { QTest::keyClick(&year, Qt::Key_PageUp); }, 2001},
        {"Page Down", 2000, [&] { QTest::keyClick(&year, Qt::Key_PageDown); }, 1999},
        {"wheel", 2000, [&] { wheel(Qt::NoModifier, 120); }, 2001},
        {"Ctrl and wheel", 2000, [&] { wheel(Qt::ControlModifier, -120); }, 1999},
        {"Page Up at the top", 2100, [&] { QTest::keyClick(&year, Qt::Key_PageUp); }, 2100},
        {"Page Down at the bottom", 1900, [&] { QTest::keyClick(&year, Qt::Key_PageDown); }, 1900},
        {"no wrap-around", 2100, [&] { year.stepBy(1); }, 2100},
    };
    for (const auto& c : cases) {
        year.setValue(c.from);
        c.act();
        EXPECT_EQ(year.value(), c.expected) << c.what;
    }
    EXPECT_EQ(year.text(), "2100") << "no thousands separator";
}

TEST(BindToCommand, ButtonRunsTheCommandAndFollowsItsEnabledState)
{
    QWidget owner;
    auto* command = new QAction("Info", &owner);
    auto* button = new QPushButton("Info", &owner);
    int runs = 0;
    QObject::connect(command, &QAction::triggered, [&] { ++runs; });
    command->setEnabled(false);
    BindToCommand(button, command);
    EXPECT_FALSE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(runs, 0);
    command->setEnabled(true);
    EXPECT_TRUE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(runs, 1);
    command->setEnabled(false);
    EXPECT_FALSE(button->isEnabled());
}
