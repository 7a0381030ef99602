// The settings store: per-user text values of "VOLTARIS_V2.3", section "KAYIT".
#pragma once

#include <QString>

namespace voltaris::app {

inline const QString kSetupDoneKey = QStringLiteral("KURULUMYAPILDIMI");
inline const QString kRunCountKey = QStringLiteral("PROGRAMKACDEFACALISTI");

// The value stored under `key` read as a number; 0 when missing or not a number.
double storedNumber(const QString& key);
// Stores `value` under `key` as its general number text.
void storeNumber(const QString& key, double value);
// The folder of the settings file, by which running instances are told apart.
QString settingsLocation();

} // namespace voltaris::app
