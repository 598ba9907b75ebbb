#pragma once
// The print selection dialog: the user ticks the saints to print, may set up the printer and may
// view a saint; OK prints what is ticked, one saint to a page.
#include "common/form_widgets.h"
#include "data/calendar_data.h"

#include <QDialog>
#include <QPrinter>
#include <memory>
#include <QString>
#include <vector>

class QAction;
class QGroupBox;
class QListWidget;
class QMenu;
class QPrintDialog;
class QPushButton;

namespace orvelle {

class TDayInfo;

struct TPrintEntry {
    QString Text;
    const TSaintRecord* Record; // borrowed from the saints table
};

class TPrintForm : public TNoCancelDialog {
    Q_OBJECT
  public:
    // View Saint shows its saint in dayInfo.
    explicit TPrintForm(TDayInfo& dayInfo, QWidget* parent = nullptr);
    ~TPrintForm() override;

    // One way in: the list gets these entries, all ticked; after OK the ticked ones print.
    // Ignored while the dialog or its job is running.
    void PrintFrom(const std::vector<TPrintEntry>& entries);
    // The records of the ticked entries, in list order.
    TSaintRefs Ticked() const;

    TDayInfo& DayInfo() const { return FDayInfo; }
    // The printer of every job; the print dialog changes it. Both are made on first use: finding
    // the printers costs start-up more than all the windows together.
    QPrinter& Printer();
    QPrintDialog* PrintDialog();
    // For tests: the next jobs go to this PDF file, with no dialog.
    void PrintToFile(const QString& pdfPath);

    void SelectAll();
    void Button5Click();
    void Button1Click();
    void ViewSaintUpdate();
    void ViewSaintExecute();

    QGroupBox* GroupBox1;
    QListWidget* CheckListBox1;
    QPushButton* Button5;
    QPushButton* Button4;
    QPushButton* Button6;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QAction* ViewSaint;
    QMenu* PopupMenu1;

  private:
    TDayInfo& FDayInfo;
    std::unique_ptr<QPrinter> FPrinter;
    QPrintDialog* FPrintDialog = nullptr;
    bool FBusy = false;
};

} // namespace orvelle
