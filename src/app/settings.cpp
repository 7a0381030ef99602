#include "app/settings.h"

#include "core/numbers.h"
#include "gui/text.h"

#include <QFileInfo>
#include <QSettings>

namespace voltaris::app {

using gui::qs;

namespace {

// Per user, as text values of "VOLTARIS_V2.3" in the section "KAYIT".
QSettings store() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Voltaris"),
                     QStringLiteral("VOLTARIS_V2.3"));
}

const QString kSection = QStringLiteral("KAYIT/");

} // namespace

double storedNumber(const QString& key) {
    const QString text = store().value(kSection + key).toString();
    return TryReadNumber(text.toStdString()).value_or(0);
}

void storeNumber(const QString& key, double value) {
    store().setValue(kSection + key, qs(NumberText(value)));
}

QString settingsLocation() {
    return QFileInfo(store().fileName()).absolutePath();
}

} // namespace voltaris::app
