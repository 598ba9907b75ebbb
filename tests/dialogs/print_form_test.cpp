#include "dialogs/print_form.h"
#include "gui/modal.h"
#include "views/day_info.h"

#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orvelle;
using namespace orvelle::test;

namespace {
TSaintRecord Saint(const std::string& name, const std::string& profile)
{
    return {"06.24.", name, name, "note", profile, "", "", "", "", ""};
}

// The number of pages of a PDF file, as poppler's pdfinfo reads it.
int PageCount(const QString& pdf)
{
    QProcess p;
    p.start("pdfinfo", {pdf});
    EXPECT_TRUE(p.waitForFinished(30000));
    const QRegularExpression pages(R"(Pages:\s+(\d+))");
    return pages.match(QString::fromUtf8(p.readAllStandardOutput())).captured(1).toInt();
}

class PrintFormTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_FALSE(QStandardPaths::findExecutable("pdfinfo").isEmpty())
            << "tools/install-deps.sh installs it";
        pdf = dir.filePath("job.pdf");
        form.PrintToFile(pdf);
    }
    std::vector<TPrintEntry> Entries(const std::vector<const TSaintRecord*>& saints)
    {
        std::vector<TPrintEntry> entries;
        for (const TSaintRecord* s : saints)
            entries.push_back({QString::fromStdString((*s)[1]), s});
        return entries;
    }
    QTemporaryDir dir;
    QString pdf;
    TDayInfo dayInfo;
    TPrintForm form{dayInfo};
};
} // namespace

TEST_F(PrintFormTest, ButtonsTickAndViewSaintShowsTheChosenSaint)
{
    const TSaintRecord anne = Saint("Anne", "Mother of Mary"), joachim = Saint("Joachim", "Father of Mary");
    const ExpectModal dialog("PrintForm", [&](QDialog& d) {
        auto* list = d.findChild<QListWidget*>("CheckListBox1");
        const auto ticks = [list] {
            QString marks;
            for (int i = 0; i < list->count(); ++i)
                marks += list->item(i)->checkState() == Qt::Checked ? 'x' : '-';
            return marks;
        };
        EXPECT_EQ(ticks(), "xx");
        d.findChild<QPushButton*>("Button5")->click();
        EXPECT_EQ(ticks(), "--");
        d.findChild<QPushButton*>("Button4")->click();
        EXPECT_EQ(ticks(), "xx");

        EXPECT_FALSE(form.ViewSaint->isEnabled()) << "nothing highlighted yet";
        EXPECT_FALSE(d.findChild<QPushButton*>("Button6")->isEnabled());
        list->setCurrentRow(1);
        list->item(1)->setCheckState(Qt::Unchecked);
        EXPECT_TRUE(form.ViewSaint->isEnabled()) << "ticked or not";
        EXPECT_EQ(form.PopupMenu1->actions(), QList<QAction*>{form.ViewSaint});
        d.findChild<QPushButton*>("Button6")->click();
        EXPECT_TRUE(dayInfo.isVisible());
        EXPECT_EQ(dayInfo.Saint(), &joachim);
        EXPECT_TRUE(dayInfo.RichEdit1->toPlainText().startsWith("Joachim - ( note )"));
        EXPECT_FALSE(dayInfo.Button2->isEnabled()) << "Print... cannot reopen the open dialog";
        d.findChild<QPushButton*>("Button3")->click();
    });
    form.PrintFrom(Entries({&anne, &joachim}));
    EXPECT_TRUE(dayInfo.Button2->isEnabled());
    EXPECT_FALSE(QFile::exists(pdf)) << "Cancel prints nothing";
}

TEST_F(PrintFormTest, AWayInWhileTheJobPrintsIsIgnored)
{
    const TSaintRecord anne = Saint("Anne", "Mother of Mary"), joachim = Saint("Joachim", "Father of Mary");
    bool triedAgain = false;
    const ExpectModal dialog("PrintForm", [&](QDialog& d) {
        // Runs while the job lets events through between saints.
        QTimer::singleShot(0, &form, [&] {
            triedAgain = true;
            form.PrintFrom(Entries({&joachim}));
        });
        d.findChild<QPushButton*>("Button2")->click();
    });
    form.PrintFrom(Entries({&anne, &joachim}));
    EXPECT_TRUE(triedAgain);
    EXPECT_EQ(PageCount(pdf), 2) << "the running job printed both saints";
    EXPECT_EQ(form.CheckListBox1->count(), 2) << "its list was left alone";
}

TEST_F(PrintFormTest, OnlyOkWithATickedSaintPrints)
{
    const TSaintRecord anne = Saint("Anne", "Mother of Mary");
    struct Case {
        const char* what;
        std::function<void(QDialog&)> close;
    };
    const Case cases[] = {
        {"Cancel", [](QDialog& d) { d.findChild<QPushButton*>("Button3")->click(); }},
        {"the close box", [](QDialog& d) { d.close(); }},
        {"OK with nothing ticked, which says nothing either",
         [](QDialog& d) {
             d.findChild<QPushButton*>("Button5")->click();
             d.findChild<QPushButton*>("Button2")->click();
         }},
    };
    for (const Case& c : cases) {
        const ExpectModal dialog("PrintForm", [&](QDialog& d) {
            QTest::keyClick(&d, Qt::Key_Escape);
            EXPECT_TRUE(d.isVisible()) << "Esc closes nothing";
            c.close(d);
        });
        form.PrintFrom(Entries({&anne}));
        EXPECT_FALSE(QFile::exists(pdf)) << c.what;
    }
}

TEST_F(PrintFormTest, SetupRunsThePrintDialogOfTheJobsPrinter)
{
    EXPECT_EQ(form.PrintDialog()->printer(), &form.Printer());
    EXPECT_EQ(form.Printer().copyCount(), 1) << "one copy until the user confirms the setup";
    const ExpectModal setup("PrintDialog1", [](QDialog& d) { d.reject(); });
    form.Button1->click();
    EXPECT_EQ(form.Printer().outputFileName(), pdf) << "a cancelled setup keeps the printer";
}
