// The command line.
#include "CommandLine.h"

#include <QCommandLineParser>
#include <QStringList>

namespace {

void Print(std::FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

// The parser names the program in its usage line only when an application object exists, which
// would be too early here.
QString Usage(const QCommandLineParser& parser, const QString& program) {
  QString text = parser.helpText();
  return text.replace(0, text.indexOf(QLatin1Char('\n')), QStringLiteral("Usage: %1 [options]").arg(program));
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv, std::FILE* out, std::FILE* err) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("A puzzle game: line up five balls of one colour on a nine by nine board.\n"
                     "Everything else is set in the game's Options dialog."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Shows this help and exits."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Shows the game's version and exits."));
  parser.addOption(help);
  parser.addOption(version);

  QStringList arguments{QStringLiteral("brindlow")};
  // The usage names the program as it was started, without its folder.
  if (argc > 0) arguments.first() = QString::fromLocal8Bit(argv[0]).section(QLatin1Char('/'), -1);
  for (int index = 1; index < argc; ++index) arguments << QString::fromLocal8Bit(argv[index]);
  if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
    const QString error = parser.errorText().isEmpty()
                              ? QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first())
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
    Print(out, QStringLiteral("Brindlow " BRINDLOW_VERSION "\n"));
    return 0;
  }
  return std::nullopt;
}
