#pragma once
// Saints as text: the list of a day or a search, one saint's details, and a plain list of names.
#include "data/calendar_data.h"

#include <QListWidgetItem>

class QListWidget;
class QTextEdit;

namespace orvelle {

// The record an item of a saints list carries (nullptr for any other item).
const TSaintRecord* RecordOf(const QListWidgetItem* item);
void SetRecordOf(QListWidgetItem* item, const TSaintRecord& record);

void FillSaintList(QListWidget* listBox, const TSaintList* list);
void FillSaintList(QListWidget* listBox, const TSaintRefs& list);
void ShowSaintDetails(QTextEdit* richEdit, const TSaintRecord& record);
void ShowSaintNames(QTextEdit* richEdit, const TSaintList* list);

// The date of a record's day in the given year. 29 February in a common year gives 28 February.
TDateTime SaintDayInYear(const TSaintRecord& record, int year);

} // namespace orvelle
