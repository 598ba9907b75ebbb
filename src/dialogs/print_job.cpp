#include "dialogs/print_job.h"

#include "common/exception.h"
#include "common/text.h"
#include "dialogs/print_layout.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace orvelle {

namespace {
QFont JobFont(TPrintFont font)
{
    return QFont("Arial", font == TPrintFont::Heading ? 32 : 16, QFont::Bold);
}

// Measures with the printer's own metrics, so the layout and the drawing agree.
class TPrinterMeasurer : public TTextMeasurer {
  public:
    explicit TPrinterMeasurer(QPrinter& printer)
        : FHeading(JobFont(TPrintFont::Heading), &printer), FBody(JobFont(TPrintFont::Body), &printer)
    {
    }
    int TextWidth(TPrintFont font, const std::string& text) const override
    {
        return Metrics(font).horizontalAdvance(QString::fromStdString(text));
    }
    int TextHeight(TPrintFont font, const std::string&) const override { return Metrics(font).height(); }
    const QFontMetrics& Metrics(TPrintFont font) const
    {
        return font == TPrintFont::Heading ? FHeading : FBody;
    }

  private:
    QFontMetrics FHeading, FBody;
};

QString PrinterName(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName();
}

[[noreturn]] void Refused(const QPrinter& printer)
{
    throw Exception(
        Format("The printer [%s] refused the print job", PrinterName(printer).toStdString().c_str()));
}
} // namespace

void PrintSaints(QPrinter& printer, const TSaintRefs& saints)
{
    if (saints.empty())
        return;
    if (PrinterName(printer).isEmpty())
        throw Exception("No printer is installed: choose a printer or a PDF file under \"Setup ...\"");
    printer.setDocName("Orvelle");
    QPainter painter;
    if (!painter.begin(&printer))
        Refused(printer);
    const TPrinterMeasurer measurer(printer);
    TPageLayout layout(measurer, printer.width(), printer.height());
    int page = 0;
    for (const TSaintRecord* saint : saints) {
        // Windows repaint while a long selection prints.
        QCoreApplication::processEvents();
        for (const TPrintItem& item : layout.AddSaint(ToUtf8((*saint)[1]), ToUtf8((*saint)[4]))) {
            for (; page < item.Page; ++page)
                if (!printer.newPage())
                    Refused(printer);
            if (item.Kind == TPrintItem::TKind::Rule) {
                painter.setPen(QPen(Qt::black, 1));
                painter.drawLine(item.X, item.Y, item.X2 - 1, item.Y); // the end point is left out
                continue;
            }
            painter.setFont(JobFont(item.Font));
            painter.drawText(QPoint(item.X, item.Y + measurer.Metrics(item.Font).ascent()),
                             QString::fromStdString(item.Text));
        }
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        Refused(printer);
}

} // namespace orvelle
