#include "views/day_info.h"

#include "views/commnos_frame.h"

#include <QMenu>
#include <QPushButton>
#include <QTextEdit>

namespace orvelle {

TDayInfo::TDayInfo(QWidget* parent) : TNoCancelDialog(parent)
{
    setObjectName("DayInfo");
    setWindowTitle("Day Info");
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(371, 464);

    TCommnosFrame1 = new TCommnosFrame(this);
    TCommnosFrame1->setGeometry(192, 416, 88, 45);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->setGeometry(8, 8, 353, 401);
    RichEdit1->setReadOnly(true);
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        TCommnosFrame1->RichEditPopupMenu->popup(RichEdit1->mapToGlobal(pos));
    });
    addActions({TCommnosFrame1->EditCopy1, TCommnosFrame1->EditSelectAll1});

    Button1 = new QPushButton("Close", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(288, 432, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TDayInfo::Button1Click);

    Button2 = new QPushButton("Print...", this);
    Button2->setObjectName("Button2");
    Button2->setGeometry(8, 432, 75, 25);
    connect(Button2, &QPushButton::clicked, this, &TDayInfo::Button2Click);
}

void TDayInfo::Button1Click()
{
    hide();
}

void TDayInfo::Button2Click()
{
    if (FSaint && TCommnosFrame1->PrintSaint)
        TCommnosFrame1->PrintSaint(*FSaint);
}

} // namespace orvelle
