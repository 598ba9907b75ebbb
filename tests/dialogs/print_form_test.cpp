#include "common/application_title.h"
#include "dialogs/print_form.h"
#include "dialogs/print_job.h"
#include "gui/modal.h"
#include "test_files.h"
#include "views/day_info.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
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

std::string Sentence(int words) // "word1 word2 ..."
{
    std::string text;
    for (int i = 1; i <= words; ++i)
        text += (i > 1 ? " word" : "word") + std::to_string(i);
    return text;
}

QString RunTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(30000)) << program.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << program.toStdString() << ": " << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of each page of a PDF file as `pdftotext -layout` reads it, blank lines dropped.
std::vector<QStringList> PdfPages(const QString& pdf)
{
    std::vector<QStringList> pages;
    QStringList chunks = RunTool("pdftotext", {"-layout", pdf, "-"}).split('\f');
    chunks.removeLast(); // after the last page's form feed
    for (const QString& chunk : chunks) {
        QStringList lines;
        for (const QString& line : chunk.split('\n'))
            if (!line.trimmed().isEmpty())
                lines << line;
        pages.push_back(lines);
    }
    return pages;
}

class PrintFormTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_FALSE(QStandardPaths::findExecutable("pdftotext").isEmpty())
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
    // Opens the dialog for these saints; untick's entries are unticked before OK.
    void PrintWithOk(const std::vector<const TSaintRecord*>& saints, const std::vector<int>& untick = {})
    {
        const ExpectModal dialog("PrintForm", [&](QDialog& d) {
            auto* list = d.findChild<QListWidget*>("CheckListBox1");
            for (int i = 0; i < list->count(); ++i)
                EXPECT_EQ(list->item(i)->checkState(), Qt::Checked) << "every entry starts ticked";
            for (int i : untick)
                list->item(i)->setCheckState(Qt::Unchecked);
            d.findChild<QPushButton*>("Button2")->click();
        });
        form.PrintFrom(Entries(saints));
    }

    QTemporaryDir dir;
    QString pdf;
    TDayInfo dayInfo;
    TPrintForm form{dayInfo};
};
} // namespace

TEST_F(PrintFormTest, ControlsAtTheirPlaces)
{
    EXPECT_EQ(form.windowTitle(), "PrintForm");
    EXPECT_EQ(form.size(), QSize(456, 262));
    EXPECT_EQ(Child<QGroupBox>(form, "GroupBox1")->title(), "Select what to print");
    struct Place {
        const char* name;
        QRect rect;
        const char* caption;
    };
    const Place places[] = {
        {"GroupBox1", {8, 8, 441, 209}, nullptr},      {"CheckListBox1", {8, 16, 177, 153}, nullptr},
        {"Button5", {8, 176, 75, 25}, "Deselect All"}, {"Button4", {112, 176, 75, 25}, "Select All"},
        {"Button6", {192, 144, 75, 25}, "View Saint"}, {"Button1", {8, 232, 75, 25}, "Setup ..."},
        {"Button2", {288, 232, 75, 25}, "OK"},         {"Button3", {368, 232, 75, 25}, "Cancel"},
    };
    for (const Place& p : places) {
        QWidget* w = Child<QWidget>(form, p.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), p.rect) << p.name;
        if (p.caption) {
            EXPECT_EQ(static_cast<QPushButton*>(w)->text(), p.caption) << p.name;
        }
    }
    EXPECT_EQ(Child<QPrintDialog>(form, "PrintDialog1")->printer(), &form.Printer());
    EXPECT_EQ(form.Printer().copyCount(), 1) << "one copy until the user confirms the setup";
}

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

TEST_F(PrintFormTest, TickedSaintsPrintOneToAPage)
{
    const TSaintRecord first = Saint("Anne", "Mother of Mary."), skipped = Saint("Bernard", "Abbot."),
                       wrapped = Saint("Joachim", Sentence(40));
    PrintWithOk({&first, &skipped, &wrapped}, {1});
    const auto pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 2u) << "the unticked saint leaves no page";
    EXPECT_EQ(pages[0].value(0).trimmed(), "Anne");
    EXPECT_EQ(pages[0].value(1).trimmed(), "Mother of Mary.");
    EXPECT_EQ(pages[1].value(0).trimmed(), "Joachim");
    ASSERT_GE(pages[1].size(), 3) << "the profile wraps";
    EXPECT_TRUE(pages[1][1].trimmed().startsWith("word1 word2"));
    for (const auto& page : pages)
        for (const QString& line : page)
            EXPECT_FALSE(line.contains("Bernard") || line.contains("Abbot")) << line.toStdString();

    // The continuation lines begin with their space: one space's width right of the first line.
    const QString boxes = RunTool("pdftotext", {"-bbox-layout", "-f", "2", "-l", "2", pdf, "-"});
    QList<double> lefts;
    const QRegularExpression lineStart(R"re(<line xMin="([0-9.]+)")re");
    for (auto m = lineStart.globalMatch(boxes); m.hasNext();)
        lefts << m.next().captured(1).toDouble();
    ASSERT_GE(lefts.size(), 3); // the name, then the body lines
    EXPECT_NEAR(lefts[1], lefts[0], 1.0) << "the first body line starts under the name";
    for (int i = 2; i < lefts.size(); ++i)
        EXPECT_NEAR(lefts[i] - lefts[1], 4.4, 0.8) << "a 16 pt space in front of line " << i;
}

TEST_F(PrintFormTest, ALongProfileContinuesOnTheNextPageWithNoLineCut)
{
    const TSaintRecord long_ = Saint("Benedict", Sentence(1500)), next = Saint("Scholastica", "His sister.");
    PrintWithOk({&long_, &next});
    const auto pages = PdfPages(pdf);
    ASSERT_GE(pages.size(), 3u);
    EXPECT_EQ(pages[0].value(0).trimmed(), "Benedict");
    EXPECT_TRUE(pages[1].value(0).trimmed().startsWith("word")) << "no repeated name";
    EXPECT_EQ(pages.back().value(0).trimmed(), "Scholastica");
    QString body;
    for (std::size_t p = 0; p + 1 < pages.size(); ++p)
        for (int i = p == 0 ? 1 : 0; i < pages[p].size(); ++i)
            body += pages[p][i].trimmed() + " ";
    EXPECT_EQ(body.simplified().toStdString(), Sentence(1500)) << "every word printed once, in order";

    // Every line ends above the bottom of the printable area.
    const double bottom = form.Printer().pageLayout().paintRectPoints().bottom() + 0.5;
    const QString boxes = RunTool("pdftotext", {"-bbox-layout", pdf, "-"});
    const QRegularExpression lineBox(
        R"re(<line xMin="[0-9.]+" yMin="[0-9.]+" xMax="[0-9.]+" yMax="([0-9.]+)")re");
    int lines = 0;
    for (auto m = lineBox.globalMatch(boxes); m.hasNext(); ++lines)
        EXPECT_LE(m.next().captured(1).toDouble(), bottom);
    EXPECT_GT(lines, 40);
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
    ASSERT_EQ(PdfPages(pdf).size(), 2u) << "the running job printed both saints";
    EXPECT_EQ(form.CheckListBox1->count(), 2) << "its list was left alone";
}

TEST_F(PrintFormTest, NothingTickedPrintsNothingAndSaysNothing)
{
    const TSaintRecord anne = Saint("Anne", "Mother of Mary");
    PrintWithOk({&anne}, {0});
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintFormTest, APrinterThatRefusesTheJobIsReported)
{
    const TSaintRecord anne = Saint("Anne", "Mother of Mary");
    const QString nowhere = dir.filePath("missing/folder/job.pdf");
    form.PrintToFile(nowhere);
    EXPECT_THROW(
        try { PrintSaints(form.Printer(), {&anne}); } catch (const std::exception& e) {
            EXPECT_EQ(e.what(), "The printer [" + nowhere.toStdString() + "] refused the print job");
            throw;
        },
        std::exception);
    form.Printer().setOutputFormat(QPrinter::NativeFormat);
    form.Printer().setPrinterName("");
    EXPECT_THROW(PrintSaints(form.Printer(), {&anne}), std::exception) << "no printer installed";
}

TEST_F(PrintFormTest, SetupRunsThePrintDialog)
{
    const ExpectModal setup("PrintDialog1", [](QDialog& d) { d.reject(); });
    form.Button1->click();
    EXPECT_EQ(form.Printer().outputFileName(), pdf) << "a cancelled setup keeps the printer";
}
