#include "churchyear/find_feast_dialog.h"
#include "common/exception.h"
#include "common/form_widgets.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvelle;

namespace {

QRadioButton* Radio(TFind_Feast& d, int n)
{
    return d.findChild<QRadioButton*>(QString("RadioButton%1").arg(n));
}

QRect InDialog(QWidget* w)
{
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

// The last pixel column holding text or indicator strokes.
int RightmostInk(QWidget* w)
{
    const QImage image = w->grab().toImage();
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128)
                return x;
    return -1;
}

} // namespace

TEST(FindFeastDialog, LayoutFillsTheFeastsColumnByColumn)
{
    TFind_Feast d;
    EXPECT_EQ(d.objectName(), "Find_Feast");
    EXPECT_EQ(d.windowTitle(), "Find Feast...");
    EXPECT_EQ(d.size(), QSize(523, 305));
    EXPECT_EQ(d.minimumSize(), d.maximumSize());
    EXPECT_EQ(d.findChild<QGroupBox*>("RadioGroup1")->title(), "Select a feast :");
    EXPECT_EQ(d.findChild<QGroupBox*>("GroupBox1")->title(), "Select a year :");

    const char* captions[] = {"Baptism of the Lord",
                              "Mardi Gras",
                              "Ash Wednesday",
                              "Lent",
                              "Holy Week",
                              "Palm Sunday",
                              "Holy Thursday",
                              "Good Friday",
                              "Easter",
                              "Divine Mercy",
                              "Ascension",
                              "Pentecost",
                              "Corpus Christi",
                              "The Sacred Heart of Jesus",
                              "Immaculate Heart of Mary",
                              "Advent"};
    const int lefts[] = {23, 143, 247, 343}, tops[] = {32, 64, 96, 128};
    const int frameRight = 8 + 505;
    for (int n = 1; n <= 16; ++n) {
        SCOPED_TRACE(n);
        QRadioButton* b = Radio(d, n);
        ASSERT_TRUE(b);
        EXPECT_EQ(b->text(), captions[n - 1]);
        const QRect r = InDialog(b);
        const int column = (n - 1) / 4;
        EXPECT_EQ(r.topLeft(), QPoint(lefts[column], tops[(n - 1) % 4]));
        EXPECT_EQ(r.height(), 17);
        EXPECT_GE(r.width(), (n == 14 || n == 15) ? 154 : 113);
        // The whole caption is drawn, and it ends before the next column (or the frame) begins.
        const int ink = RightmostInk(b);
        EXPECT_LT(ink, r.width() - 1);
        EXPECT_LT(r.left() + ink, column < 3 ? lefts[column + 1] : frameRight - 2);
    }
    EXPECT_TRUE(Radio(d, 1)->isChecked());

    auto* button1 = d.findChild<QPushButton*>("Button1");
    auto* button2 = d.findChild<QPushButton*>("Button2");
    EXPECT_EQ(button1->text(), "Compute !");
    EXPECT_EQ(button2->text(), "Cancel");
    d.show(); // Qt picks a default button when a dialog shows
    for (QPushButton* b : {button1, button2})
        EXPECT_FALSE(b->isDefault() || b->autoDefault());
}

TEST(FindFeastDialog, YearStartsAt1900AndShowsNoSeparator)
{
    TFind_Feast d;
    auto* edit = d.findChild<QLineEdit*>("Edit1");
    ASSERT_TRUE(edit);
    ASSERT_TRUE(d.findChild<QSpinBox*>("UpDown1"));
    EXPECT_EQ(d.GetYear(), 1900);
    EXPECT_EQ(edit->text(), "1900");
    EXPECT_EQ(edit->font().pixelSize(), 16);
    d.SetYear(2024);
    EXPECT_EQ(d.GetYear(), 2024);
    EXPECT_EQ(edit->text(), "2024");
}

TEST(FindFeastDialog, YearStepsByOneAndStopsAtBothEnds)
{
    TFind_Feast d;
    auto* upDown = d.findChild<QSpinBox*>("UpDown1");
    d.SetYear(2099);
    QTest::keyClick(upDown, Qt::Key_Up);
    EXPECT_EQ(d.GetYear(), 2100);
    QTest::keyClick(upDown, Qt::Key_Up);
    EXPECT_EQ(d.GetYear(), 2100);
    upDown->stepBy(5);
    EXPECT_EQ(d.GetYear(), 2100);

    d.SetYear(1901);
    QTest::keyClick(upDown, Qt::Key_Down);
    EXPECT_EQ(d.GetYear(), 1900);
    QTest::keyClick(upDown, Qt::Key_Down);
    EXPECT_EQ(d.GetYear(), 1900);
    upDown->stepBy(-1);
    EXPECT_EQ(d.GetYear(), 1900);

    d.SetYear(2024);
    QTest::keyClick(upDown, Qt::Key_PageUp);
    EXPECT_EQ(d.GetYear(), 2025) << "Page Up steps one year too";
    QTest::keyClick(upDown, Qt::Key_PageDown);
    QTest::keyClick(upDown, Qt::Key_PageDown);
    EXPECT_EQ(d.GetYear(), 2023);

    d.SetYear(3000);
    EXPECT_EQ(d.GetYear(), 2100);
}

TEST(FindFeastDialog, YearCannotBeTyped)
{
    TFind_Feast d;
    d.SetYear(2024);
    auto* upDown = d.findChild<QSpinBox*>("UpDown1");
    auto* edit = d.findChild<QLineEdit*>("Edit1");
    QTest::keyClick(upDown, Qt::Key_End);
    QTest::keyClick(upDown, Qt::Key_Backspace);
    QTest::keyClicks(upDown, "1999");
    QTest::keyClick(upDown, Qt::Key_Return);
    EXPECT_EQ(d.GetYear(), 2024);
    EXPECT_EQ(edit->text(), "2024");
}

TEST(FindFeastDialog, GetMoveableFeastFollowsTheCheckedButton)
{
    TFind_Feast d;
    EXPECT_EQ(d.GetMoveableFeast(), 0);
    for (int n : {16, 4, 14, 1, 9}) {
        QTest::mouseClick(Radio(d, n), Qt::LeftButton, {}, QPoint(5, 8));
        EXPECT_EQ(d.GetMoveableFeast(), n - 1);
        for (int other = 1; other <= 16; ++other)
            EXPECT_EQ(Radio(d, other)->isChecked(), other == n);
    }
}

TEST(FindFeastDialog, NoFeastCheckedRaises)
{
    TFind_Feast d;
    QRadioButton* first = Radio(d, 1);
    first->setAutoExclusive(false);
    first->setChecked(false);
    try {
        d.GetMoveableFeast();
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "TFind_Feast.GetMoveableFeast: unable to determine feast.");
    }
}

TEST(FindFeastDialog, ComputeAcceptsCancelRejectsAndTheChoiceStays)
{
    TFind_Feast d;
    d.SetYear(2024);

    d.open();
    QTest::mouseClick(Radio(d, 4), Qt::LeftButton, {}, QPoint(5, 8));
    QTest::keyClick(d.findChild<QSpinBox*>("UpDown1"), Qt::Key_Up);
    QTest::mouseClick(d.findChild<QPushButton*>("Button2"), Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Rejected);

    // Reopened after Cancel: still Lent, 2025.
    d.open();
    EXPECT_EQ(d.GetMoveableFeast(), 3);
    EXPECT_EQ(d.GetYear(), 2025);
    QTest::mouseClick(d.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.GetMoveableFeast(), 3);
    EXPECT_EQ(d.GetYear(), 2025);
}

TEST(FindFeastDialog, OpensCentredOnTheScreen)
{
    QWidget owner;
    owner.setGeometry(0, 0, 200, 100);
    TFind_Feast d(&owner);
    d.open();
    EXPECT_LE((d.frameGeometry().center() - d.screen()->geometry().center()).manhattanLength(), 2);
    d.reject();
}

TEST(FindFeastDialog, EscDoesNotCloseItAndTheFramesHoldTheirControls)
{
    TFind_Feast d;
    d.open();
    QApplication::setActiveWindow(&d);
    for (QWidget* w : {static_cast<QWidget*>(Radio(d, 3)), d.findChild<QWidget*>("Edit1"),
                       static_cast<QWidget*>(d.findChild<QPushButton*>("Button2"))}) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible()) << w->objectName().toStdString();
    }
    // The radio buttons and the year sit in frames whose caption is on the frame line.
    auto* feasts = qobject_cast<TFramedGroup*>(d.findChild<QWidget*>("RadioGroup1"));
    auto* year = qobject_cast<TFramedGroup*>(d.findChild<QWidget*>("GroupBox1"));
    ASSERT_TRUE(feasts && year);
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(Radio(d, n)->parentWidget(), feasts) << n;
    EXPECT_EQ(d.findChild<QSpinBox*>("UpDown1")->parentWidget(), year);
    EXPECT_EQ(InDialog(feasts), QRect(8, 8, 505, 153));
    EXPECT_EQ(InDialog(year), QRect(8, 168, 505, 89));
    EXPECT_EQ(InDialog(d.findChild<QSpinBox*>("UpDown1")).topLeft(), QPoint(200, 200));
    d.reject();
}
