#include "app/main_window_fixture.h"
#include "app/options_dialog.h"
#include "dialogs/about_dialog.h"
#include "dialogs/license_window.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QUrl>

using namespace orvelle;
using namespace orvelle::test;

namespace {
// Stands in for the browser: takes the addresses the program asks to open.
class Browser : public QObject {
    Q_OBJECT
  public:
    Browser()
    {
        for (const char* scheme : {"http", "https"})
            QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~Browser() override
    {
        for (const char* scheme : {"http", "https"})
            QDesktopServices::unsetUrlHandler(scheme);
    }
    Q_INVOKABLE void Open(const QUrl& url) { Opened << url.toString(); }
    QStringList Opened;
};

// The next control that Tab reaches.
QWidget* NextTabStop(QWidget* w)
{
    do
        w = w->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled());
    return w;
}

void PressEsc(QWidget& w)
{
    QTest::keyClick(&w, Qt::Key_Escape);
}

class HelpMenu : public MainWindowTest {
  protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        form->SetFrmAbout(&about);
        form->SetForm5(&license);
        QObject::connect(form.get(), &TForm1::Closed, [this] { ++closed; });
        form->show();
    }
    TFrmAbout about;
    TForm5 license;
    Browser browser;
    int closed = 0;
};
} // namespace

TEST_F(HelpMenu, AboutShowsTheVersionAndOpensTheHomePageWhileItStays)
{
    ExpectModal modal("FrmAbout", [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "About");
        QLabel* version = Child<QLabel>(d, "Label1");
        EXPECT_EQ(version->text(), "Orvelle v1.01");
        QLabel* link = Child<QLabel>(d, "Label2");
        EXPECT_EQ(link->text(), "www.orvelle.example");
        EXPECT_TRUE(link->font().italic() && link->font().underline() && link->font().bold());
        QTest::mouseClick(link, Qt::LeftButton);
        EXPECT_TRUE(d.isVisible()) << "the box stays open";
        PressEsc(d);
        EXPECT_TRUE(d.isVisible()) << "Esc does not close it";
        QTest::mouseClick(Child<QPushButton>(d, "Button1"), Qt::LeftButton);
    });
    Trigger(*form, "About");
    EXPECT_EQ(browser.Opened, QStringList{"https://www.orvelle.example"});
    EXPECT_EQ(closed, 0);
}

TEST_F(HelpMenu, VisitHomePageOpensTheSameAddress)
{
    Trigger(*form, "VisitHomePage");
    EXPECT_EQ(browser.Opened, QStringList{"https://www.orvelle.example"}) << "and no window opens";
}

TEST_F(HelpMenu, TheAgreementWindowHoldsTheTextAndTwoPlainButtons)
{
    EXPECT_EQ(license.windowTitle(), "License");
    QPlainTextEdit* text = Child<QPlainTextEdit>(license, "Memo1");
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(text->toPlainText().contains("\"I Disagree!\"")) << "the text says what refusing does";
    auto* agree = Child<QPushButton>(license, "Button1");
    auto* disagree = Child<QPushButton>(license, "Button2");
    EXPECT_EQ(agree->text(), "I Agree!");
    EXPECT_EQ(disagree->text(), "I Disagree!");
    license.ensurePolished();
    EXPECT_FALSE(agree->isDefault() || agree->autoDefault() || disagree->isDefault() ||
                 disagree->autoDefault());
    EXPECT_EQ(NextTabStop(text), agree);
    EXPECT_EQ(NextTabStop(agree), disagree);
}

TEST_F(HelpMenu, AgreeingChangesNothingHoweverOften)
{
    for (int i = 0; i < 2; ++i) {
        ExpectModal modal("Form5", [](QDialog& d) {
            PressEsc(d);
            EXPECT_TRUE(d.isVisible()) << "Esc does not answer";
            QTest::mouseClick(Child<QPushButton>(d, "Button1"), Qt::LeftButton);
        });
        Trigger(*form, "ShowLicense");
    }
    EXPECT_EQ(closed, 0);
    EXPECT_FALSE(form->ShutdownRequested);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(registry.Writes, std::vector<std::string>{}) << "no answer is stored";
}

TEST_F(HelpMenu, RefusingEndsTheProgramEvenWithTheTraySettingOn)
{
    struct Case {
        const char* what;
        void (*answer)(QDialog&);
    } const cases[] = {
        {"I Disagree!",
         [](QDialog& d) { QTest::mouseClick(Child<QPushButton>(d, "Button2"), Qt::LeftButton); }},
        {"the close box", [](QDialog& d) { d.close(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        form->FrmOptions()->SetMinimizeToTray(true);
        form->ShutdownRequested = false;
        form->show();
        closed = 0;
        ExpectModal modal("Form5", c.answer);
        Trigger(*form, "ShowLicense");
        EXPECT_EQ(closed, 1) << "the main window closed for good";
        EXPECT_TRUE(form->ShutdownRequested);
        EXPECT_FALSE(form->TrayIcon()->isVisible()) << "no icon is left behind";
    }
}

#include "about_license_test.moc"
