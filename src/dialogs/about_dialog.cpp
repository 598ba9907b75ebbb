#include "dialogs/about_dialog.h"

#include "common/application_title.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

namespace orvelle {

void OpenHomePage()
{
    QDesktopServices::openUrl(QUrl(QString("https://") + kHomePage));
}

namespace {
QLabel* ComicLabel(const QString& text, QWidget* parent, const char* name, int x, int y, int pixels)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font("Comic Sans MS");
    font.setPixelSize(pixels);
    font.setBold(true);
    label->setFont(font);
    label->move(x, y);
    return label;
}
} // namespace

TFrmAbout::TFrmAbout(QWidget* parent)
    : TNoCancelDialog(parent,
                      Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    SetUpForm("FrmAbout", "About", 312, 146);

    GroupBox1 = new TFramedGroup(this, "GroupBox1", "", 8, 8, 297, 129);

    Label1 = ComicLabel("Orvelle v1.01", GroupBox1, "Label1", 20, 11, 21);
    Label1->setStyleSheet("color: red;");
    Label2 = ComicLabel(kHomePage, GroupBox1, "Label2", 80, 48, 16);
    QFont link = Label2->font();
    link.setItalic(true);
    link.setUnderline(true);
    Label2->setFont(link);
    Label2->setStyleSheet("color: blue;");
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->installEventFilter(this);
    // The labels take the size of their text, which the fallback font may make wider.
    Label1->adjustSize();
    Label2->adjustSize();

    Button1 = new QPushButton("OK", GroupBox1);
    Button1->setObjectName("Button1");
    Button1->setGeometry(104, 88, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TFrmAbout::Button1Click);
}

void TFrmAbout::Label2Click()
{
    OpenHomePage();
}

void TFrmAbout::Button1Click()
{
    accept();
}

bool TFrmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label2 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label2Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace orvelle
