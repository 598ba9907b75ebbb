#pragma once
// Saints as text: the list of a day or a search, one saint's details, and a plain list of names.
#include "common/form_widgets.h"
#include "data/calendar_data.h"

#include <QListWidgetItem>

class QListWidget;
class QTextEdit;

namespace orvelle {

// The record an item of a saints list carries (nullptr for any other item).
const TSaintRecord* RecordOf(const QListWidgetItem* item);

// A saints list line ("name - DD.MM") as it fits into width pixels: unchanged when it fits,
// else the name is shortened with "…" and the day stays whole.
QString FitSaintLine(const QString& line, const QFontMetrics& metrics, int width);

// Lines of a saints list ("name - DD.MM") at the list's item height. A line too long for the
// list keeps its day and shortens the name, and shows in full as a tooltip; the item's text
// (what Copy takes) stays whole. The list then never needs a horizontal scroll bar.
class TSaintLineDelegate : public TRowHeightDelegate {
    Q_OBJECT
  public:
    TSaintLineDelegate(int height, QObject* parent);
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

void FillSaintList(QListWidget* listBox, const TSaintList* list);
void FillSaintList(QListWidget* listBox, const TSaintRefs& list);
void ShowSaintDetails(QTextEdit* richEdit, const TSaintRecord& record);
void ShowSaintNames(QTextEdit* richEdit, const TSaintList* list);

// The date of a record's day in the given year. 29 February in a common year gives 28 February.
TDateTime SaintDayInYear(const TSaintRecord& record, int year);

} // namespace orvelle
