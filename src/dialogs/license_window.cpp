#include "dialogs/license_window.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orvelle {

TForm5::TForm5(QWidget* parent)
    : TNoCancelDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    SetUpForm("Form5", "License", 379, 336);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(8, 8, 361, 289);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFile text(":/license.txt");
    if (text.open(QIODevice::ReadOnly | QIODevice::Text))
        Memo1->setPlainText(QString::fromUtf8(text.readAll()));

    Button1 = new QPushButton("I Agree!", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(296, 304, 75, 25);
    Button2 = new QPushButton("I Disagree!", this);
    Button2->setObjectName("Button2");
    Button2->setGeometry(8, 304, 75, 25);
    setTabOrder(Memo1, Button1);
    setTabOrder(Button1, Button2);
    connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm5::Button2Click);
}

void TForm5::Button1Click()
{
    accept();
}

void TForm5::Button2Click()
{
    reject();
}

} // namespace orvelle
