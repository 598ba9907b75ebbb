#include "dialogs/alarm_dialog.h"

#include "common/clock.h"
#include "common/qt_bridge.h"
#include "dialogs/date_picker.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QTextDocumentFragment>

namespace orvelle {

namespace {
// Each line break is stored as two characters, CR LF.
qsizetype StoredLength(const QString& text)
{
    return text.size() + text.count('\n');
}

template <typename W> W* Named(W* w, const char* name)
{
    w->setObjectName(name);
    return w;
}
} // namespace

TMessageMemo::TMessageMemo(QWidget* parent, int maxLength) : QPlainTextEdit(parent), FMaxLength(maxLength)
{
    setTabChangesFocus(true); // Tab walks the dialog; it never goes into the message
}

std::string TMessageMemo::Message() const
{
    return toPlainText().replace('\n', "\r\n").toStdString();
}

void TMessageMemo::SetMessage(const std::string& message)
{
    setPlainText(QString::fromStdString(message).replace("\r\n", "\n"));
}

int TMessageMemo::Room() const
{
    const qsizetype used = StoredLength(toPlainText()) - StoredLength(textCursor().selection().toPlainText());
    return static_cast<int>(std::max<qsizetype>(0, FMaxLength - used));
}

void TMessageMemo::keyPressEvent(QKeyEvent* event)
{
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = lineBreak ? QString("\n") : event->text();
    const bool printable = lineBreak || (!typed.isEmpty() && typed.front().isPrint());
    if (printable && !isReadOnly() && StoredLength(typed) > Room())
        return; // full: the key types nothing
    QPlainTextEdit::keyPressEvent(event);
}

// Pasted or dropped text is cut to what still fits.
void TMessageMemo::insertFromMimeData(const QMimeData* source)
{
    const QString text = source->text().replace("\r\n", "\n");
    qsizetype room = Room(), keep = 0;
    for (; keep < text.size(); ++keep) {
        room -= text[keep] == '\n' ? 2 : 1;
        if (room < 0)
            break;
    }
    if (keep > 0 && keep < text.size() && text[keep - 1].isHighSurrogate())
        --keep; // never half a character
    insertPlainText(text.left(keep));
}

TForm4::TForm4(const TClock& clock, QWidget* parent)
    : TNoCancelDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    SetUpForm("Form4", "Place an alarm...", 306, 225);

    GroupBox1 = new TFramedGroup(this, "GroupBox1", "Date", 8, 8, 289, 57);
    DateTimePicker1 = Named(GroupBox1->Place(new TDatePicker(GroupBox1), 56, 24, 186, 21), "DateTimePicker1");
    DateTimePicker1->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    DateTimePicker1->setCalendarPopup(true);

    GroupBox2 = new TFramedGroup(this, "GroupBox2", "Optional Message", 8, 72, 289, 105);
    Memo1 = Named(GroupBox2->Place(new TMessageMemo(GroupBox2, 64), 16, 88, 265, 73), "Memo1");

    CheckBox1 = Named(new QCheckBox("Activated", this), "CheckBox1");
    CheckBox1->setGeometry(8, 184, 97, 17);
    Button2 = Named(new QPushButton("OK", this), "Button2");
    Button2->setGeometry(144, 192, 75, 25);
    Button1 = Named(new QPushButton("Cancel", this), "Button1");
    Button1->setGeometry(224, 192, 75, 25);

    setTabOrder(DateTimePicker1, Memo1);
    setTabOrder(Memo1, CheckBox1);
    setTabOrder(CheckBox1, Button1);
    setTabOrder(Button1, Button2);
    connect(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
    SetDateTime(clock.Now());
}

bool TForm4::IsActivated() const
{
    return CheckBox1->isChecked();
}

void TForm4::SetIsActivated(bool value)
{
    CheckBox1->setChecked(value);
}

std::string TForm4::OptionalMessage() const
{
    return Memo1->Message();
}

void TForm4::SetOptionalMessage(const std::string& value)
{
    Memo1->SetMessage(value);
}

TDateTime TForm4::DateTime() const
{
    return FromQDateTime(QDateTime(DateTimePicker1->date(), FTime));
}

void TForm4::SetDateTime(TDateTime value)
{
    const QDateTime dateTime = ToQDateTime(value);
    DateTimePicker1->setDate(dateTime.date());
    FTime = dateTime.time();
}

void TForm4::Button2Click()
{
    accept();
}

void TForm4::Button1Click()
{
    reject();
}

} // namespace orvelle
