#pragma once
// The widget edge: Dates to and from Qt's types, file bytes to QString, client-area placement.
#include "common/date.h"

#include <QDate>
#include <QFont>
#include <QString>
#include <string>

class QWidget;

namespace orvelle {

QDate ToQDate(TDateTime date);
TDateTime FromQDate(const QDate& date);
TDateTime FromQDateTime(const QDateTime& dateTime);
// The date and its time of day, to the second.
QDateTime ToQDateTime(TDateTime dateTime);

// Puts a control at a rectangle given in its window's client area, wherever its parent is.
void PlaceInClientArea(QWidget* w, int left, int top, int width, int height);
// The dialogs' font: the platform's sans serif at 8 points.
QFont DialogFont();

// Saints file bytes as text: UTF-8 when valid, else Windows-1252.
QString FromFileBytes(const std::string& bytes);

} // namespace orvelle
