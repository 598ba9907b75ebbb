#include "views/saint_views.h"

#include "common/exception.h"
#include "common/qt_bridge.h"

#include <QCollator>
#include <QListWidget>
#include <QTextCursor>
#include <QTextEdit>

namespace orvelle {

namespace {
// Sorted as users expect: case-insensitive, by the user's locale.
class SaintItem : public QListWidgetItem {
  public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem& other) const override
    {
        static const QCollator collator = [] {
            QCollator c;
            c.setCaseSensitivity(Qt::CaseInsensitive);
            return c;
        }();
        return collator.compare(text(), other.text()) < 0;
    }
};

void AddSaint(QListWidget* listBox, const TSaintRecord& record)
{
    unsigned month, day;
    SplitDayKey(record[0], month, day);
    const QString text =
        FromFileBytes(record[1]) + " - " + QString::fromStdString(Format("%.2u.%.2u", day, month));
    auto* item = new SaintItem(text);
    SetRecordOf(item, record);
    listBox->addItem(item);
}

void StartFill(QListWidget* listBox)
{
    listBox->clear();
    listBox->setSortingEnabled(true);
    listBox->sortItems();
}
} // namespace

void SetRecordOf(QListWidgetItem* item, const TSaintRecord& record)
{
    item->setData(Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(&record)));
}

const TSaintRecord* RecordOf(const QListWidgetItem* item)
{
    return item ? reinterpret_cast<const TSaintRecord*>(item->data(Qt::UserRole).value<quintptr>()) : nullptr;
}

void FillSaintList(QListWidget* listBox, const TSaintList* list)
{
    StartFill(listBox);
    if (list)
        for (const TSaintRecord& record : *list)
            AddSaint(listBox, record);
}

void FillSaintList(QListWidget* listBox, const TSaintRefs& list)
{
    StartFill(listBox);
    for (const TSaintRecord* record : list)
        AddSaint(listBox, *record);
}

void ShowSaintDetails(QTextEdit* richEdit, const TSaintRecord& record)
{
    richEdit->clear();
    QTextCursor cursor(richEdit->document());
    QTextCharFormat fmt;
    fmt.setFontPointSize(10);
    fmt.setForeground(Qt::red);
    fmt.setFontPointSize(14);
    fmt.setFontWeight(QFont::Bold);
    fmt.setFontUnderline(true);
    cursor.insertText(FromFileBytes(record[1]), fmt);
    fmt.setForeground(Qt::black);
    fmt.setFontUnderline(false);
    cursor.insertText(" - ", fmt);
    fmt.setFontItalic(true);
    cursor.insertText("( " + FromFileBytes(record[3]) + " )", fmt);
    cursor.insertBlock();
    fmt.setFontWeight(QFont::Normal);
    fmt.setFontItalic(false);
    fmt.setFontPointSize(10);
    cursor.insertText(FromFileBytes(record[4]), fmt);
    cursor.insertBlock();
    richEdit->moveCursor(QTextCursor::Start);
}

void ShowSaintNames(QTextEdit* richEdit, const TSaintList* list)
{
    richEdit->clear();
    if (!list)
        return;
    QStringList names;
    for (const TSaintRecord& record : *list)
        names << FromFileBytes(record[1]);
    richEdit->setPlainText(names.join('\n'));
    richEdit->moveCursor(QTextCursor::Start);
}

TDateTime SaintDayInYear(const TSaintRecord& record, int year)
{
    unsigned month, day;
    SplitDayKey(record[0], month, day);
    TDateTime date;
    // A saint of 29 February is kept on the 28th in common years rather than failing.
    if (month == 2 && day == 29 && !TryEncodeDate(year, month, day, date))
        return EncodeDate(year, 2, 28);
    return EncodeDate(year, month, day);
}

} // namespace orvelle
