#pragma once
// The Find Feast dialog: the user picks one of the sixteen moveable feasts and a year.
#include "common/form_widgets.h"

#include <array>
#include <cstdint>

class QPushButton;
class QRadioButton;

namespace orvelle {

class TFind_Feast : public TNoCancelDialog {
    Q_OBJECT
  public:
    explicit TFind_Feast(QWidget* parent = nullptr);

    // 0..15 for the checked radio button (the feast numbers of ComputeFeast).
    // Throws Exception("TFind_Feast.GetMoveableFeast: unable to determine feast.") if none is.
    uint8_t GetMoveableFeast() const;
    int16_t GetYear() const;
    void SetYear(int year); // kept within 1900..2100

  protected:
    void showEvent(QShowEvent* event) override;

  private slots:
    void Button1Click();
    void Button2Click();

  private:
    void FitFeastCaptions();

    TFramedGroup* RadioGroup1;
    std::array<QRadioButton*, 16> RadioButtons{};
    TFramedGroup* GroupBox1;
    TYearUpDown* UpDown1; // its line edit is Edit1
    QPushButton* Button1;
    QPushButton* Button2;
};

} // namespace orvelle
