// The forms of the layers' messages, matched against a message and filled in translated.
#include "PlayerMessages.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <vector>

namespace {

// Each form as its layer writes it, its placeholders numbered in the order they stand.
const char* const Forms[] = {
    QT_TRANSLATE_NOOP("PlayerMessages", "Sound file is missing!"),
    //: %1 is a file's full path, %2 the new name it was given, %3 why and what follows from it.
    QT_TRANSLATE_NOOP("PlayerMessages", "%1 was set aside as %2: %3"),
    //: %1 is why the settings file was set aside ("it is too large").
    QT_TRANSLATE_NOOP("PlayerMessages", "%1, so the default settings are in force."),
    //: %1 is why the scores file was set aside ("it is too large").
    QT_TRANSLATE_NOOP("PlayerMessages", "%1, so the top-ten lists start afresh."),
    //: %1 is why the kept game's file was set aside ("it is too large").
    QT_TRANSLATE_NOOP("PlayerMessages", "%1, so a new game starts."),
    //: Why a file was set aside: "it" is the file. %1 is the system's reason.
    QT_TRANSLATE_NOOP("PlayerMessages", "it cannot be read (%1)"),
    //: Why a file was set aside: "it" is the file.
    QT_TRANSLATE_NOOP("PlayerMessages", "it cannot be read"),
    QT_TRANSLATE_NOOP("PlayerMessages", "it cannot be opened"),
    QT_TRANSLATE_NOOP("PlayerMessages", "it is not a file"),
    QT_TRANSLATE_NOOP("PlayerMessages", "it is no regular file"),
    QT_TRANSLATE_NOOP("PlayerMessages", "it is too large"),
    QT_TRANSLATE_NOOP("PlayerMessages", "it is cut short"),
    QT_TRANSLATE_NOOP("PlayerMessages", "it is %1 bytes long instead of %2"),
    QT_TRANSLATE_NOOP("PlayerMessages", "it holds a value out of range"),
    QT_TRANSLATE_NOOP("PlayerMessages", "it ended while it was read"),
    QT_TRANSLATE_NOOP("PlayerMessages", "it holds a game that cannot be played"),
    QT_TRANSLATE_NOOP("PlayerMessages", "it is no saved game"),
    QT_TRANSLATE_NOOP("PlayerMessages", "it was saved in format %1, this program reads format %2"),
    QT_TRANSLATE_NOOP("PlayerMessages", "its header is damaged"),
    QT_TRANSLATE_NOOP("PlayerMessages", "it has bytes after its end"),
    QT_TRANSLATE_NOOP("PlayerMessages", "its checksum does not match"),
    QT_TRANSLATE_NOOP("PlayerMessages", "it is shorter than its 4340-byte header"),
    //: A file operation that failed: %1 is the file's path, %2 the system's reason.
    QT_TRANSLATE_NOOP("PlayerMessages", "open \"%1\": %2"),
    QT_TRANSLATE_NOOP("PlayerMessages", "read \"%1\": %2"),
    QT_TRANSLATE_NOOP("PlayerMessages", "write \"%1\": %2"),
    QT_TRANSLATE_NOOP("PlayerMessages", "create \"%1\": %2"),
    QT_TRANSLATE_NOOP("PlayerMessages", "close \"%1\": %2"),
    QT_TRANSLATE_NOOP("PlayerMessages", "flush \"%1\": %2"),
    QT_TRANSLATE_NOOP("PlayerMessages", "seek \"%1\": %2"),
    QT_TRANSLATE_NOOP("PlayerMessages", "examine \"%1\": %2"),
    QT_TRANSLATE_NOOP("PlayerMessages", "change mode \"%1\": %2"),
    QT_TRANSLATE_NOOP("PlayerMessages", "rename \"%1\": %2"),
    QT_TRANSLATE_NOOP("PlayerMessages", "create folder \"%1\": %2"),
    QT_TRANSLATE_NOOP("PlayerMessages", "read link \"%1\": %2"),
    //: %1 is "$HOME", the name of the setting that names the home folder.
    QT_TRANSLATE_NOOP("PlayerMessages", "find \"%1\": %2"),
    QT_TRANSLATE_NOOP("PlayerMessages", "no home folder is set for this user"),
    QT_TRANSLATE_NOOP("PlayerMessages", "a file of that name is in the way"),
    QT_TRANSLATE_NOOP("PlayerMessages", "the preferences could not be saved"),
    //: Why a folder for the game's sounds cannot be used.
    QT_TRANSLATE_NOOP("PlayerMessages", "is a symbolic link"),
    QT_TRANSLATE_NOOP("PlayerMessages", "owned by another user"),
    //: Why the scores file cannot be read: it ends before the bytes its scrambling starts from.
    QT_TRANSLATE_NOOP("PlayerMessages", "shorter than the key bytes"),
    //: %1 says what is wrong inside the game's sound file.
    QT_TRANSLATE_NOOP("PlayerMessages", "Sound file is damaged: %1."),
    QT_TRANSLATE_NOOP("PlayerMessages", "Sound file cannot be read: %1."),
    //: %1 is the file error that stopped the sounds.
    QT_TRANSLATE_NOOP("PlayerMessages", "The sounds cannot be unpacked, so the game is silent: %1"),
    //: %1 is the song's file name, %2 the sound system's reason.
    QT_TRANSLATE_NOOP("PlayerMessages", "The song \"%1\" cannot be played: %2"),
};

const QRegularExpression Placeholder(QStringLiteral("%(\\d)"));

// The form as a pattern that takes each placeholder's part.
QRegularExpression Pattern(const QString& form) {
  QString pattern = QStringLiteral("^");
  qsizetype done = 0;
  for (const QRegularExpressionMatch& match : Placeholder.globalMatch(form)) {
    pattern += QRegularExpression::escape(form.mid(done, match.capturedStart() - done)) + QStringLiteral("(.+?)");
    done = match.capturedEnd();
  }
  return QRegularExpression(pattern + QRegularExpression::escape(form.mid(done)) + QLatin1Char('$'));
}

// The form with each placeholder replaced by its part, in one pass, so that a part holding "%2" stays as it is.
QString Filled(const QString& form, const QStringList& parts) {
  QString text;
  qsizetype done = 0;
  for (const QRegularExpressionMatch& match : Placeholder.globalMatch(form)) {
    text += form.mid(done, match.capturedStart() - done) + parts.value(match.captured(1).toInt() - 1);
    done = match.capturedEnd();
  }
  return text + form.mid(done);
}

struct TForm {
  const char* English;
  QRegularExpression Pattern;
};

// Made once: a message and each of its parts is matched against every form.
const std::vector<TForm>& KnownForms() {
  static const std::vector<TForm> forms = [] {
    std::vector<TForm> made;
    for (const char* form : Forms) made.push_back({form, Pattern(QLatin1String(form))});
    return made;
  }();
  return forms;
}

QString Translated(const QString& text) {
  for (const TForm& form : KnownForms()) {
    const QRegularExpressionMatch match = form.Pattern.match(text);
    if (!match.hasMatch()) continue;
    QStringList parts;
    for (int part = 1; part <= match.lastCapturedIndex(); ++part) parts << Translated(match.captured(part));
    return Filled(QCoreApplication::translate("PlayerMessages", form.English), parts);
  }
  return text;
}

}  // namespace

QString PlayerMessage(const std::string& english) { return Translated(QString::fromStdString(english)); }
