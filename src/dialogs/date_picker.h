#pragma once
// The dialogs' date picker.
#include <QDateEdit>

namespace orvelle {

// Tab leaves the picker for the next control, as the tab order says; the arrow keys still move
// between its day, month and year.
class TDatePicker : public QDateEdit {
  public:
    using QDateEdit::QDateEdit;

  protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

} // namespace orvelle
