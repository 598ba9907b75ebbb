#pragma once
// The Find dialog: criteria for the saint search (part of the name, a day, part of the profile).
#include "common/date.h"
#include "common/form_widgets.h"

#include <string>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

namespace orvelle {

class TFormFind : public TNoCancelDialog {
    Q_OBJECT
  public:
    explicit TFormFind(QWidget* parent = nullptr);

    // The picked day while CheckBox1 is ticked, else NoDate (-1).
    TDateTime GetSearchDate() const;
    // UTF-8, exactly as typed: blanks at either end are part of the criterion.
    std::string GetSearchName() const;
    std::string GetSearchProfile() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private slots:
    void Button1Click();
    void Button2Click();

  private:
    TFramedGroup* GroupBox1;
    QLineEdit* Edit1;
    TFramedGroup* GroupBox2;
    QCheckBox* CheckBox1;
    QDateEdit* DateTimePicker1;
    TFramedGroup* GroupBox3;
    QLineEdit* Edit2;
    QPushButton* Button1;
    QPushButton* Button2;
};

} // namespace orvelle
