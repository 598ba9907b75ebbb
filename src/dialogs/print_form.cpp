#include "dialogs/print_form.h"

#include "common/form_widgets.h"
#include "common/modal.h"
#include "common/qt_bridge.h"
#include "dialogs/print_job.h"
#include "views/day_info.h"
#include "views/saint_views.h"

#include <QAction>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QPrintDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QWindow>

namespace orvelle {

namespace {
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

void CheckAll(QListWidget* list, Qt::CheckState state)
{
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setCheckState(state);
}
} // namespace

TPrintForm::TPrintForm(TDayInfo& dayInfo, QWidget* parent)
    : TNoCancelDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      FDayInfo(dayInfo)
{
    SetUpForm("PrintForm", "PrintForm", 456, 262);

    auto* group = new TFramedGroup(this, "GroupBox1", "Select what to print", 8, 8, 441, 209);
    GroupBox1 = group;
    // The group's children at their designed places, in the window's client area.
    CheckListBox1 = group->Place(new QListWidget, 16, 24, 177, 153);
    CheckListBox1->setObjectName("CheckListBox1");
    CheckListBox1->setUniformItemSizes(true);
    CheckListBox1->setItemDelegate(new TRowHeightDelegate(13, CheckListBox1));
    CheckListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    CheckListBox1->setHorizontalScrollBarPolicy(
        Qt::ScrollBarAlwaysOff); // long names are cut, as in a list box
    Button5 = group->Place(MakeButton(nullptr, "Button5", "Deselect All"), 16, 184, 75, 25);
    Button4 = group->Place(MakeButton(nullptr, "Button4", "Select All"), 120, 184, 75, 25);

    ViewSaint = new QAction("View Saint", this);
    ViewSaint->setObjectName("ViewSaint");
    addAction(ViewSaint);
    Button6 = group->Place(MakeButton(nullptr, "Button6", ViewSaint->text()), 200, 152, 75, 25);
    BindToCommand(Button6, ViewSaint);
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    PopupMenu1->addAction(ViewSaint);

    Button1 = MakeButton(this, "Button1", "Setup ...");
    Button2 = MakeButton(this, "Button2", "OK");
    Button3 = MakeButton(this, "Button3", "Cancel");
    PlaceInClientArea(Button1, 8, 232, 75, 25);
    PlaceInClientArea(Button2, 288, 232, 75, 25);
    PlaceInClientArea(Button3, 368, 232, 75, 25);

    connect(Button5, &QPushButton::clicked, this, &TPrintForm::Button5Click);
    connect(Button4, &QPushButton::clicked, this, &TPrintForm::SelectAll);
    connect(Button1, &QPushButton::clicked, this, &TPrintForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
    connect(ViewSaint, &QAction::triggered, this, &TPrintForm::ViewSaintExecute);
    connect(CheckListBox1, &QListWidget::itemSelectionChanged, this, &TPrintForm::ViewSaintUpdate);
    connect(CheckListBox1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(CheckListBox1->viewport()->mapToGlobal(pos)); });
    ViewSaintUpdate();
}

void TPrintForm::PrintFrom(const std::vector<TPrintEntry>& entries)
{
    // Printing lets events through between saints: a second way in must not clear the list under
    // the running job, nor open the dialog that is already open.
    if (FBusy)
        return;
    const QScopedValueRollback busy(FBusy, true);
    CheckListBox1->clear();
    for (const TPrintEntry& entry : entries) {
        auto* item = new QListWidgetItem(entry.Text, CheckListBox1);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        SetRecordOf(item, *entry.Record);
    }
    SelectAll();
    ViewSaintUpdate();

    FDayInfo.Button2->setEnabled(false);
    const QScopeGuard restore([this] {
        FDayInfo.Button2->setEnabled(true);
        if (QWindow* w = FDayInfo.windowHandle())
            w->setTransientParent(nullptr);
    });
    if (ExecModal(*this) == QDialog::Accepted)
        PrintSaints(Printer(), Ticked());
}

TSaintRefs TPrintForm::Ticked() const
{
    TSaintRefs ticked;
    for (int i = 0; i < CheckListBox1->count(); ++i)
        if (CheckListBox1->item(i)->checkState() == Qt::Checked)
            ticked.push_back(RecordOf(CheckListBox1->item(i)));
    return ticked;
}

TPrintForm::~TPrintForm()
{
    delete FPrintDialog; // before the printer it points to
}

QPrinter& TPrintForm::Printer()
{
    if (!FPrinter)
        FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution); // the printer's own units
    return *FPrinter;
}

QPrintDialog* TPrintForm::PrintDialog()
{
    if (!FPrintDialog) {
        FPrintDialog = new QPrintDialog(&Printer(), this);
        FPrintDialog->setObjectName("PrintDialog1");
        // The job prints every ticked saint: no page ranges or selection to offer.
        FPrintDialog->setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                                 QAbstractPrintDialog::PrintCollateCopies);
    }
    return FPrintDialog;
}

void TPrintForm::PrintToFile(const QString& pdfPath)
{
    Printer().setOutputFormat(QPrinter::PdfFormat);
    Printer().setOutputFileName(pdfPath);
}

void TPrintForm::SelectAll()
{
    CheckAll(CheckListBox1, Qt::Checked);
}

void TPrintForm::Button5Click()
{
    CheckAll(CheckListBox1, Qt::Unchecked);
}

void TPrintForm::Button1Click()
{
    ExecModal(*PrintDialog());
}

void TPrintForm::ViewSaintUpdate()
{
    const QListWidgetItem* item = CheckListBox1->currentItem();
    ViewSaint->setEnabled(item && item->isSelected());
}

void TPrintForm::ViewSaintExecute()
{
    const TSaintRecord* record = RecordOf(CheckListBox1->currentItem());
    if (!record)
        return;
    ShowSaintDetails(FDayInfo.RichEdit1, *record);
    FDayInfo.SetSaint(record);
    FDayInfo.show();
    // Belonging to this dialog, the Day Info window takes the user's input while the dialog is open.
    if (QWindow* w = FDayInfo.windowHandle(); w && windowHandle())
        w->setTransientParent(windowHandle());
    FDayInfo.raise();
}

} // namespace orvelle
