#include "common/qt_bridge.h"

#include "common/text.h"

#include <QDateTime>
#include <QFontDatabase>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace orvelle {

QDate ToQDate(TDateTime date)
{
    int y;
    unsigned m, d;
    DecodeDate(date, y, m, d);
    return QDate(y, static_cast<int>(m), static_cast<int>(d));
}

TDateTime FromQDate(const QDate& date)
{
    return EncodeDate(date.year(), static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
}

TDateTime FromQDateTime(const QDateTime& dateTime)
{
    return FromQDate(dateTime.date()) + dateTime.time().msecsSinceStartOfDay() / 86400000.0;
}

QDateTime ToQDateTime(TDateTime dateTime)
{
    const double seconds = std::round(std::fabs(dateTime - std::trunc(dateTime)) * 86400.0);
    return QDateTime(ToQDate(dateTime), QTime(0, 0)).addSecs(static_cast<qint64>(std::min(seconds, 86399.0)));
}

void PlaceInClientArea(QWidget* w, int left, int top, int width, int height)
{
    const QPoint origin = w->parentWidget()->mapTo(w->window(), QPoint(0, 0));
    w->setGeometry(QRect(left, top, width, height).translated(-origin));
}

QFont DialogFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(8);
    return font;
}

QString FromFileBytes(const std::string& bytes)
{
    return QString::fromStdString(ToUtf8(bytes));
}

} // namespace orvelle
