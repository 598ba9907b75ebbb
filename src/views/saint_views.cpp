#include "views/saint_views.h"

#include "common/exception.h"
#include "common/qt_bridge.h"

#include <QAbstractItemView>
#include <QCollator>
#include <QHelpEvent>
#include <QListWidget>
#include <QStyle>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolTip>

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

constexpr char kDaySeparator[] = " - ";

// The room the style leaves for an item's text.
int TextWidth(const QStyleOptionViewItem& option)
{
    const QStyle* style = option.widget ? option.widget->style() : nullptr;
    if (!style)
        return option.rect.width();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, option.widget) + 1;
    return style->subElementRect(QStyle::SE_ItemViewItemText, &option, option.widget).width() - 2 * margin;
}

void AddSaint(QListWidget* listBox, const TSaintRecord& record)
{
    unsigned month, day;
    SplitDayKey(record[0], month, day);
    const QString text =
        FromFileBytes(record[1]) + kDaySeparator + QString::fromStdString(Format("%.2u.%.2u", day, month));
    auto* item = new SaintItem(text);
    item->setData(Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(&record)));
    listBox->addItem(item);
}

void StartFill(QListWidget* listBox)
{
    listBox->clear();
    listBox->setSortingEnabled(true);
    listBox->sortItems();
}
} // namespace

QString FitSaintLine(const QString& line, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(line) <= width)
        return line;
    const qsizetype split = line.lastIndexOf(kDaySeparator);
    if (split < 0)
        return metrics.elidedText(line, Qt::ElideRight, width);
    const QString day = line.mid(split);
    return metrics.elidedText(line.left(split), Qt::ElideRight, width - metrics.horizontalAdvance(day)) + day;
}

TSaintLineDelegate::TSaintLineDelegate(int height, QObject* parent) : TRowHeightDelegate(height, parent) {}

// No wider than the list, so no line ever asks for a horizontal scroll bar.
QSize TSaintLineDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {0, TRowHeightDelegate::sizeHint(option, index).height()};
}

void TSaintLineDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    TRowHeightDelegate::initStyleOption(option, index);
    if (option->rect.isValid())
        option->text = FitSaintLine(option->text, option->fontMetrics, TextWidth(*option));
}

bool TSaintLineDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                   const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip)
        return TRowHeightDelegate::helpEvent(event, view, option, index);
    QStyleOptionViewItem fitted = option;
    initStyleOption(&fitted, index);
    const QString line = index.data(Qt::DisplayRole).toString();
    if (fitted.text != line)
        QToolTip::showText(event->globalPos(), line, view->viewport(), option.rect);
    else
        QToolTip::hideText();
    return true;
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
