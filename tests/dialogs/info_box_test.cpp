#include "app/main_window_fixture.h"
#include "common/date.h"
#include "dialogs/info_box.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>

using namespace orvelle;
using namespace orvelle::test;
using TPhase = TInfoBoxMotion::TPhase;

namespace {
QRect Available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}
int RightEdge()
{
    return Available().x() + Available().width(); // just outside the work area
}

// Ticks until the slide stops, as Timer1 would.
void Slide(TForm3& box)
{
    for (int i = 0; i < 100 && box.Timer1->isActive(); ++i)
        box.Timer1Timer();
}
} // namespace

TEST(InfoBox, IsAnOnTopToolWindowWhoseTextTakesNoInput)
{
    TForm3 box;
    EXPECT_EQ(box.windowTitle(), "Orvelle");
    EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(box.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    QTextEdit* text = Child<QTextEdit>(box, "RichEdit1");
    EXPECT_FALSE(text->isEnabled()) << "takes no focus, selection or input";
    // Disabled, yet its text is not greyed out.
    EXPECT_EQ(text->palette().color(QPalette::Disabled, QPalette::Text),
              box.palette().color(QPalette::Active, QPalette::WindowText));
    EXPECT_FALSE(box.Timer1->isActive() || box.Timer2->isActive());
}

TEST(InfoBox, SlidesIntoTheCornerOfTheWorkAreaAndOut)
{
    TForm3 box;
    box.show();
    const int h = box.frameGeometry().height();
    EXPECT_EQ(box.frameGeometry().topLeft(), QPoint(RightEdge(), Available().y() + Available().height() - h))
        << "just outside the right edge, its bottom on the work area's bottom";
    EXPECT_TRUE(box.Timer1->isActive());
    box.Timer1Timer();
    EXPECT_EQ(box.frameGeometry().left(), RightEdge() - 6);
    Slide(box);
    EXPECT_EQ(box.frameGeometry().right() + 1, RightEdge()) << "at rest in the corner";
    EXPECT_TRUE(box.Timer2->isActive()) << "the dwell begins";
    box.Timer2Timer();
    EXPECT_TRUE(box.isVisible()) << "the dwell's end starts the slide-out";
    EXPECT_FALSE(box.Timer2->isActive());
    Slide(box);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.frameGeometry().left(), RightEdge());
    EXPECT_FALSE(box.ShowMainWindow());
}

TEST(InfoBox, ALeftClickOnTheTextSendsItAwayAndAsksForTheMainWindow)
{
    TForm3 box;
    box.show();
    box.Timer1Timer();
    QTest::mouseClick(box.RichEdit1->viewport(), Qt::RightButton);
    EXPECT_EQ(box.Motion().Phase(), TPhase::SlidingIn) << "a right click does nothing";
    QTest::mouseClick(box.RichEdit1->viewport(), Qt::LeftButton);
    EXPECT_EQ(box.Motion().Phase(), TPhase::SlidingOut) << "the press reached the window";
    EXPECT_TRUE(box.isVisible());
    Slide(box);
    EXPECT_FALSE(box.isVisible());
    EXPECT_TRUE(box.ShowMainWindow());
}

TEST(InfoBox, TheCloseBoxSlidesItOutWithoutTheMainWindow)
{
    TForm3 box;
    box.show();
    Slide(box);
    box.close();
    EXPECT_TRUE(box.isVisible()) << "closing during the dwell slides out first";
    box.Timer1Timer();
    box.close();
    EXPECT_FALSE(box.isVisible()) << "closing while sliding out ends it at once";
    EXPECT_FALSE(box.ShowMainWindow());
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    TForm3 other;
    other.show();
    QApplication::sendEvent(&other, &esc);
    EXPECT_TRUE(other.isVisible()) << "Esc is no way to close it";
}

class InfoBoxAtStartup : public MainWindowTest {
  protected:
    // Runs the box as start-up does; answer plays the user and the timers inside its loop.
    bool Run(const std::function<void(TForm3&)>& answer)
    {
        ExpectModal modal("Form3", [&](QDialog& d) { answer(static_cast<TForm3&>(d)); });
        return RunInfoBox(*form->SaintsData(), clock.Now());
    }
};

TEST_F(InfoBoxAtStartup, ShowsTodaysSaintsAndReportsAClickAway)
{
    clock.Set(EncodeDate(2026, 12, 25) + 0.4);
    QString names;
    EXPECT_TRUE(Run([&](TForm3& box) {
        names = box.RichEdit1->toPlainText();
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(233, 140)); // on the strip beside the text
        Slide(box);
    }));
    EXPECT_EQ(names, "Stephen\nanne\nBernard") << "one name a line, in the day's order";
}

TEST_F(InfoBoxAtStartup, ADayTheFileCannotGiveIsReportedAndTheBoxStillComes)
{
    file = std::make_unique<TempFile>(SaintRow("08.03.", "Lydia") + "08.04.;short;row;\n");
    form = std::make_unique<TForm1>(services);
    form->FormCreate(QString::fromStdString(file->path()));
    clock.Set(EncodeDate(2026, 8, 4) + 0.4);
    ExpectModal error("Orvelle of Saints", [](QDialog& d) { d.accept(); });
    EXPECT_FALSE(Run([](TForm3& box) {
        EXPECT_EQ(box.RichEdit1->toPlainText(), "");
        box.close();
        Slide(box);
        QTest::mouseClick(&box, Qt::LeftButton); // too late: it has closed
    }));
}
