#pragma once
// The shared saints frame: copy, select-all, copy-list-line and print-selected commands with the
// context menus of a saints list and of a details box.
#include "data/calendar_data.h"

#include <QWidget>
#include <functional>

class QAction;
class QListWidget;
class QMenu;

namespace orvelle {

class TCommnosFrame : public QWidget {
    Q_OBJECT
  public:
    explicit TCommnosFrame(QWidget* parent = nullptr);

    QListWidget* SaintListBox() const { return FSaintListBox; }
    void SetSaintListBox(QListWidget* listBox);

    QAction* EditCopy1;
    QAction* EditSelectAll1;
    QAction* CopyAll;
    QAction* Action1;
    QMenu* RichEditPopupMenu;
    QMenu* SaintsListBoxPopup;

    // Starts printing of one saint (the print selection dialog); nothing happens while unset.
    std::function<void(const TSaintRecord&)> PrintSaint;

    void CopyAllExecute();
    void Action1Execute();
    void UpdateActions();

  private:
    QListWidget* FSaintListBox = nullptr;
};

} // namespace orvelle
