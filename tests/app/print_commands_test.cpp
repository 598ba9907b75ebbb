#include "common/application_title.h"
#include "dialogs/print_form.h"
#include "gui/modal.h"
#include "main_window_fixture.h"
#include "views/commnos_frame.h"
#include "views/saint_views.h"

#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

using namespace orvelle;
using namespace orvelle::test;

namespace {
class PrintCommandsTest : public MainWindowTest {
  protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        printForm = std::make_unique<TPrintForm>(*dayInfo);
        form->SetPrintForm(printForm.get());
        printForm->PrintToFile(pdf);
        Select(2024, 12, 1);
        ClickDay(25);
    }

    // Runs a way in; returns the entries the dialog showed ("x" ticked), then presses Cancel.
    QStringList EntriesOf(const std::function<void()>& command)
    {
        QStringList shown;
        const ExpectModal dialog("PrintForm", [&](QDialog& d) {
            for (int i = 0; i < printForm->CheckListBox1->count(); ++i) {
                const QListWidgetItem* item = printForm->CheckListBox1->item(i);
                shown << (item->checkState() == Qt::Checked ? "x " : "- ") + item->text();
                EXPECT_NE(RecordOf(item), nullptr);
            }
            d.findChild<QPushButton*>("Button3")->click();
        });
        command();
        return shown;
    }

    QTemporaryDir dir;
    QString pdf = dir.filePath("out.pdf");
    std::unique_ptr<TPrintForm> printForm;
};
} // namespace

TEST_F(PrintCommandsTest, EachWayInFillsTheListAsItSays)
{
    form->ListBox1->setCurrentRow(1);
    form->SaintInfo->trigger(); // Bernard in the Day Info window
    struct Case {
        const char* way;
        std::function<void()> run;
        QStringList entries;
    };
    const Case cases[] = {
        {"Print: every line of the list, in its order",
         [&] { Trigger(*form, "Print"); },
         {"x anne - 25.12", "x Bernard - 25.12", "x Stephen - 25.12"}},
        {"Print Selected: the selected saint's name",
         [&] { form->TCommnosFrame1->Action1->trigger(); },
         {"x Bernard"}},
        {"Print... of the Day Info window: its saint's name",
         [&] { dayInfo->Button2->click(); },
         {"x Bernard"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EntriesOf(c.run), c.entries) << c.way;
        EXPECT_FALSE(QFile::exists(pdf)) << "Cancel prints nothing: " << c.way;
    }
}

TEST_F(PrintCommandsTest, PrinterErrorsEndInTheErrorBoxAndTheProgramGoesOn)
{
    const QString nowhere = dir.filePath("no/such/folder/out.pdf");
    struct Case {
        std::function<void(QPrinter&)> printer;
        QString message;
    };
    const Case cases[] = {
        {[&](QPrinter&) { printForm->PrintToFile(nowhere); },
         "The printer [" + nowhere + "] refused the print job"},
        {[](QPrinter& p) {
             p.setOutputFileName({});
             p.setOutputFormat(QPrinter::NativeFormat);
             p.setPrinterName({});
         },
         "No printer is installed: choose a printer or a PDF file under \"Setup ...\""},
    };
    form->ListBox1->setCurrentRow(0);
    for (const Case& c : cases) {
        c.printer(printForm->Printer());
        QString message;
        const ExpectModal dialog("PrintForm",
                                 [](QDialog& d) { d.findChild<QPushButton*>("Button2")->click(); });
        const ExpectModal error(kApplicationTitle, [&](QDialog& box) {
            message = static_cast<QMessageBox&>(box).text();
            box.accept();
        });
        form->TCommnosFrame1->Action1->trigger();
        EXPECT_EQ(message, c.message);
        EXPECT_TRUE(dayInfo->Button2->isEnabled());
        EXPECT_EQ(EntriesOf([&] { Trigger(*form, "Print"); }).size(), 3) << "the commands still work";
    }
}
