#include "churchyear/find_feast_dialog.h"

#include "churchyear/feasts.h"
#include "common/exception.h"
#include "common/qt_bridge.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace orvelle {

namespace {

constexpr int kColumnLefts[4] = {23, 143, 247, 343};
constexpr int kRowTops[4] = {32, 64, 96, 128};
constexpr int kFrameRight = 8 + 505 - 8; // inner edge of RadioGroup1, in client coordinates

// Room for a caption: up to the next column, or to the frame for the last one.
int ColumnRoom(int column)
{
    return (column < 3 ? kColumnLefts[column + 1] : kFrameRight) - kColumnLefts[column];
}

int CaptionWidth(const QRadioButton* button)
{
    const QStyle* style = button->style();
    return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
           style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button) +
           button->fontMetrics().horizontalAdvance(button->text()) + 2;
}

} // namespace

TFind_Feast::TFind_Feast(QWidget* parent)
    : TNoCancelDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::MSWindowsFixedSizeDialogHint)
{
    SetUpForm("Find_Feast", "Find Feast...", 523, 305);

    RadioGroup1 = new TFramedGroup(this, "RadioGroup1", "Select a feast :", 8, 8, 505, 153);
    // Four columns of four, filled column by column.
    for (int i = 0; i < kFeastCount; ++i) {
        auto* button = new QRadioButton(kFeastCaptions[i], RadioGroup1);
        button->setObjectName(QString("RadioButton%1").arg(i + 1));
        RadioButtons[i] = button;
    }
    FitFeastCaptions();
    RadioButtons[0]->setChecked(true);

    GroupBox1 = new TFramedGroup(this, "GroupBox1", "Select a year :", 8, 168, 505, 89);
    // One spin box stands for the year box and its arrows.
    UpDown1 = GroupBox1->Place(new TYearUpDown(GroupBox1), 200, 200, 97 + 24, 26);
    UpDown1->setObjectName("UpDown1");
    QFont yearFont("Arial");
    yearFont.setPixelSize(16);
    UpDown1->setFont(yearFont);
    UpDown1->findChild<QLineEdit*>()->setObjectName("Edit1");

    Button1 = new QPushButton("Compute !", this);
    Button1->setObjectName("Button1");
    PlaceInClientArea(Button1, 432, 272, 75, 25);
    Button2 = new QPushButton("Cancel", this);
    Button2->setObjectName("Button2");
    PlaceInClientArea(Button2, 8, 272, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TFind_Feast::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFind_Feast::Button2Click);
}

// The columns were laid out for a narrower font than most platform defaults. When a caption would
// run under the next column, the captions take the condensed face of the dialog font; each button
// is then at least as wide as its caption, so none is cut off.
void TFind_Feast::FitFeastCaptions()
{
    auto allFit = [this] {
        for (int i = 0; i < kFeastCount; ++i)
            if (CaptionWidth(RadioButtons[i]) > ColumnRoom(i / 4))
                return false;
        return true;
    };
    if (!allFit()) {
        QFont condensed = font();
        condensed.setStretch(QFont::SemiCondensed);
        for (QRadioButton* button : RadioButtons)
            button->setFont(condensed);
    }
    for (int i = 0; i < kFeastCount; ++i) {
        const int documentedWidth = (i == 13 || i == 14) ? 154 : 113;
        const int width = std::max(documentedWidth, CaptionWidth(RadioButtons[i]));
        RadioGroup1->Place(RadioButtons[i], kColumnLefts[i / 4], kRowTops[i % 4], width, 17);
    }
}

uint8_t TFind_Feast::GetMoveableFeast() const
{
    for (size_t i = 0; i < RadioButtons.size(); ++i)
        if (RadioButtons[i]->isChecked())
            return static_cast<uint8_t>(i);
    throw Exception("TFind_Feast.GetMoveableFeast: unable to determine feast.");
}

int16_t TFind_Feast::GetYear() const
{
    return static_cast<int16_t>(UpDown1->value());
}

void TFind_Feast::SetYear(int year)
{
    UpDown1->setValue(year);
}

void TFind_Feast::showEvent(QShowEvent* event)
{
    // Centred on the screen at every opening, not over the owner.
    if (QScreen* s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->geometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

void TFind_Feast::Button1Click()
{
    accept();
}

void TFind_Feast::Button2Click()
{
    reject();
}

} // namespace orvelle
