#include "platform/posix/ini_registry.h"

#include "common/exception.h"
#include "common/qt_bridge.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace orvelle {

namespace {
QString Key(const std::string& name)
{
    return QString::fromStdString(name);
}

[[noreturn]] void WrongType(const std::string& name)
{
    throw Exception(Format("Invalid data type for '%s'", name));
}

[[noreturn]] void Refused(const std::string& name)
{
    throw Exception(Format("Failed to set data for '%s'", name));
}
} // namespace

QString TIniRegistry::DefaultFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Orvelle/Orvelle.conf";
}

bool TIniRegistry::OpenKey(const std::string& key, bool canCreate)
{
    FOpen = false;
    if (key != kOrvelleKey)
        return false; // only the program's own key lives in the file
    const QFileInfo info(FFileName);
    if (info.exists()) {
        // A file we cannot read is a key we cannot open: writing defaults over it would lose it.
        if (!info.isFile() || !info.isReadable())
            return false;
    } else {
        if (!canCreate || !QDir().mkpath(info.absolutePath()))
            return false;
        QFile file(FFileName);
        if (!file.open(QIODevice::WriteOnly))
            return false;
    }
    FOpen = true;
    return true;
}

bool TIniRegistry::KeyExists(const std::string& key)
{
    return key == kOrvelleKey && QFileInfo(FFileName).isFile();
}

bool TIniRegistry::ValueExists(const std::string& name)
{
    return FOpen && QSettings(FFileName, QSettings::IniFormat).contains(Key(name));
}

// A value is text in the file; one that QSettings reads as anything else (a list, a variant) is
// of the wrong type for every reader.
QString TIniRegistry::Read(const std::string& name)
{
    const QVariant value = QSettings(FFileName, QSettings::IniFormat).value(Key(name));
    if (value.typeId() != QMetaType::QString)
        WrongType(name);
    return value.toString();
}

void TIniRegistry::Write(const std::string& name, const QString& value)
{
    if (!FOpen)
        Refused(name);
    QSettings settings(FFileName, QSettings::IniFormat);
    settings.setAtomicSyncRequired(true); // the file is replaced whole, never half-written
    settings.setValue(Key(name), value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        Refused(name);
}

int TIniRegistry::ReadInteger(const std::string& name)
{
    bool ok = false;
    const int value = Read(name).trimmed().toInt(&ok);
    if (!ok)
        WrongType(name);
    return value;
}

void TIniRegistry::WriteInteger(const std::string& name, int value)
{
    Write(name, QString::number(value));
}

TDateTime TIniRegistry::ReadDate(const std::string& name)
{
    const QDateTime value = QDateTime::fromString(Read(name).trimmed(), Qt::ISODate);
    if (!value.isValid() || value.date().year() < 1)
        WrongType(name);
    return FromQDateTime(value);
}

void TIniRegistry::WriteDate(const std::string& name, TDateTime value)
{
    Write(name, ToQDateTime(value).toString(Qt::ISODate));
}

std::string TIniRegistry::ReadString(const std::string& name)
{
    return Read(name).toStdString();
}

void TIniRegistry::WriteString(const std::string& name, const std::string& value)
{
    Write(name, QString::fromStdString(value));
}

bool TIniRegistry::DeleteValue(const std::string& name)
{
    if (!FOpen)
        return false;
    QSettings settings(FFileName, QSettings::IniFormat);
    if (!settings.contains(Key(name)))
        return false;
    settings.remove(Key(name));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::unique_ptr<TRegistry> CreateUserRegistry()
{
    return std::make_unique<TIniRegistry>(TIniRegistry::DefaultFileName());
}

} // namespace orvelle
