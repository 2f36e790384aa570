// The command line.
#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <memory>

#include "Translations.h"
#include "Version.h"

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("CommandLine", text); }

void Print(std::FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

// The parser's usage line names the program by its full path, or not at all without an
// application object: ours names it as it was started, without its folder.
QString Usage(const QCommandLineParser& parser, const QString& program) {
  QString text = parser.helpText();
  return text.replace(0, text.indexOf(QLatin1Char('\n')), Tr(QT_TRANSLATE_NOOP("CommandLine", "Usage: %1 [options]")).arg(program));
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv, std::FILE* out, std::FILE* err) {
  if (argc <= 1) return std::nullopt;
  // An answer speaks the player's language, the parser's own texts too: a core application, which
  // needs no display, holds the translations until the answer is given.
  int count = argc;
  std::unique_ptr<QCoreApplication> core;
  if (QCoreApplication::instance() == nullptr) {
    core = std::make_unique<QCoreApplication>(count, argv);
    InstallTranslations(*core);
  }
  QCommandLineParser parser;
  parser.setApplicationDescription(
      Tr(QT_TRANSLATE_NOOP("CommandLine", "A puzzle game: line up five balls of one colour on a nine by nine board.\n"
                                          "Everything else is set in the game's Options dialog.")));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                Tr(QT_TRANSLATE_NOOP("CommandLine", "Shows this help and exits.")));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   Tr(QT_TRANSLATE_NOOP("CommandLine", "Shows the game's version and exits.")));
  parser.addOption(help);
  parser.addOption(version);

  QStringList arguments{QString::fromLocal8Bit(argv[0]).section(QLatin1Char('/'), -1)};
  for (int index = 1; index < argc; ++index) arguments << QString::fromLocal8Bit(argv[index]);
  if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
    const QString error = parser.errorText().isEmpty()
                              ? Tr(QT_TRANSLATE_NOOP("CommandLine", "Unexpected argument '%1'.")).arg(parser.positionalArguments().first())
                              : parser.errorText();
    Print(err, QStringLiteral("%1: %2\n\n").arg(arguments.first(), error));
    Print(err, Usage(parser, arguments.first()));
    return 2;
  }
  if (parser.isSet(help)) {
    Print(out, Usage(parser, arguments.first()));
    return 0;
  }
  if (parser.isSet(version)) {
    Print(out, QStringLiteral("Brindlow %1\n").arg(QLatin1String(BrindlowVersion)));
    return 0;
  }
  return std::nullopt;
}
