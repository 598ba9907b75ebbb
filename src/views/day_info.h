#pragma once
// The Day Info window: one saint's details, always on top, reused for the whole run.
#include "common/form_widgets.h"
#include "data/calendar_data.h"

#include <functional>

class QPushButton;
class QTextEdit;

namespace orvelle {

class TCommnosFrame;

class TDayInfo : public TNoCancelDialog {
    Q_OBJECT
  public:
    explicit TDayInfo(QWidget* parent = nullptr);

    void SetSaint(const TSaintRecord* record) { FSaint = record; }
    const TSaintRecord* Saint() const { return FSaint; }

    QTextEdit* RichEdit1;
    QPushButton* Button1;
    QPushButton* Button2;
    TCommnosFrame* TCommnosFrame1;

    void Button1Click();
    void Button2Click();

  private:
    const TSaintRecord* FSaint = nullptr; // borrowed from the saints table
};

} // namespace orvelle
