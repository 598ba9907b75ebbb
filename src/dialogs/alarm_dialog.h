#pragma once
// The alarm dialog "Place an alarm...": a day, a short message and whether to store them.
#include "common/date.h"
#include "common/form_widgets.h"

#include <QPlainTextEdit>
#include <QTime>
#include <limits>
#include <string>

class QCheckBox;
class QDateEdit;
class QPushButton;

namespace orvelle {

class TClock;

// The message box of both alarm windows. Its text is stored with CR LF line breaks; typing and
// pasting stop at the limit, counted on the text as stored.
class TMessageMemo : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit TMessageMemo(QWidget* parent, int maxLength = std::numeric_limits<int>::max());

    std::string Message() const;
    void SetMessage(const std::string& message);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    int Room() const;

    int FMaxLength;
};

class TForm4 : public TNoCancelDialog {
    Q_OBJECT
  public:
    explicit TForm4(const TClock& clock, QWidget* parent = nullptr);

    bool IsActivated() const;
    void SetIsActivated(bool value);
    std::string OptionalMessage() const;
    void SetOptionalMessage(const std::string& value);
    // The picker shows the day; the time of day it was given rides along unchanged.
    TDateTime DateTime() const;
    void SetDateTime(TDateTime value);

    void Button2Click();
    void Button1Click();

    TFramedGroup* GroupBox1;
    QDateEdit* DateTimePicker1;
    TFramedGroup* GroupBox2;
    TMessageMemo* Memo1;
    QCheckBox* CheckBox1;
    QPushButton* Button2;
    QPushButton* Button1;

  private:
    QTime FTime;
};

} // namespace orvelle
