#include "views/commnos_frame.h"

#include "views/saint_views.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMenu>
#include <QTextEdit>

namespace orvelle {

namespace {
QTextEdit* FocusedTextBox()
{
    return qobject_cast<QTextEdit*>(QApplication::focusWidget());
}
} // namespace

TCommnosFrame::TCommnosFrame(QWidget* parent) : QWidget(parent)
{
    setObjectName("TCommnosFrame1");
    setVisible(false);

    EditCopy1 = new QAction("&Copy", this);
    EditCopy1->setObjectName("EditCopy1");
    EditCopy1->setShortcut(QKeySequence::Copy);
    EditCopy1->setStatusTip("Copies the selection and puts it on the Clipboard");
    EditCopy1->setToolTip("Copy");
    connect(EditCopy1, &QAction::triggered, this, [] {
        if (QTextEdit* box = FocusedTextBox())
            box->copy();
    });

    EditSelectAll1 = new QAction("Select &All", this);
    EditSelectAll1->setObjectName("EditSelectAll1");
    EditSelectAll1->setShortcut(QKeySequence::SelectAll);
    EditSelectAll1->setStatusTip("Selects the entire document");
    EditSelectAll1->setToolTip("Select All");
    connect(EditSelectAll1, &QAction::triggered, this, [] {
        if (QTextEdit* box = FocusedTextBox())
            box->selectAll();
    });

    CopyAll = new QAction("Copy", this);
    CopyAll->setObjectName("CopyAll");
    connect(CopyAll, &QAction::triggered, this, &TCommnosFrame::CopyAllExecute);

    Action1 = new QAction("Print Selected", this);
    Action1->setObjectName("Action1");
    connect(Action1, &QAction::triggered, this, &TCommnosFrame::Action1Execute);

    RichEditPopupMenu = new QMenu(this);
    RichEditPopupMenu->setObjectName("RichEditPopupMenu");
    RichEditPopupMenu->addAction(EditCopy1);
    RichEditPopupMenu->addAction(EditSelectAll1);

    SaintsListBoxPopup = new QMenu(this);
    SaintsListBoxPopup->setObjectName("SaintsListBoxPopup");
    SaintsListBoxPopup->addAction(CopyAll);
    SaintsListBoxPopup->addAction(Action1);
    UpdateActions();
}

void TCommnosFrame::SetSaintListBox(QListWidget* listBox)
{
    FSaintListBox = listBox;
    if (listBox) {
        connect(listBox, &QListWidget::itemSelectionChanged, this, &TCommnosFrame::UpdateActions);
        connect(listBox->model(), &QAbstractItemModel::modelReset, this, &TCommnosFrame::UpdateActions);
        connect(listBox->model(), &QAbstractItemModel::rowsRemoved, this, &TCommnosFrame::UpdateActions);
    }
    UpdateActions();
}

void TCommnosFrame::UpdateActions()
{
    const bool selected =
        FSaintListBox && FSaintListBox->currentItem() && FSaintListBox->currentItem()->isSelected();
    CopyAll->setEnabled(selected);
    Action1->setEnabled(selected);
}

void TCommnosFrame::CopyAllExecute()
{
    if (FSaintListBox && FSaintListBox->currentItem())
        QApplication::clipboard()->setText(FSaintListBox->currentItem()->text());
}

void TCommnosFrame::Action1Execute()
{
    if (!FSaintListBox || !PrintSaint)
        return;
    if (const TSaintRecord* record = RecordOf(FSaintListBox->currentItem()))
        PrintSaint(*record);
}

} // namespace orvelle
