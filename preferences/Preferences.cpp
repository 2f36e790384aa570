// The preferences file: where it lives, and reading and writing its typed values.
#include "Preferences.h"

#include <QDir>

#include "InOutError.h"

QString PreferencesFilePath() {
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + QStringLiteral("/.config");
  return base + QStringLiteral("/brindlow/brindlow.conf");
}

TPreferences::TPreferences(const QString& filePath) : Store(filePath, QSettings::IniFormat) {}

bool TPreferences::Get(const TPreference<bool>& preference) const {
  // Only the two words QSettings itself writes count: any other text is not a choice the player made.
  const QString text = Store.value(QLatin1String(preference.Key)).toString();
  if (text == QLatin1String("true")) return true;
  if (text == QLatin1String("false")) return false;
  return preference.Default;
}

void TPreferences::Set(const TPreference<bool>& preference, bool value) { Write(preference.Key, value); }

int TPreferences::Get(const TPreference<int>& preference, int minimum, int maximum) const {
  bool number = false;
  const int value = Store.value(QLatin1String(preference.Key)).toString().toInt(&number);
  return number && value >= minimum && value <= maximum ? value : preference.Default;
}

void TPreferences::Set(const TPreference<int>& preference, int value) { Write(preference.Key, value); }

void TPreferences::Write(const char* key, const QVariant& value) {
  Store.setValue(QLatin1String(key), value);
  // QSettings replaces the file whole (a new file renamed over the old), so a crash leaves one or
  // the other; it also creates the missing folders.
  Store.sync();
  if (Store.status() != QSettings::NoError)
    throw EInOutError("write", Store.fileName().toStdString(), "the preferences could not be saved");
}
