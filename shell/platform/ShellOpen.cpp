// Hands a web address, mail link or document to the desktop's default handler.
#include "ShellOpen.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

std::string ShellText(const std::string& text) {
  std::size_t end = 0;
  for (int characters = 0; end < text.size() && characters < ShellTextLimit; ++characters) {
    ++end;
    // Continuation bytes 10xxxxxx belong to the character before them.
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  return text.substr(0, end);
}

void ShellOpen(const std::string& file, [[maybe_unused]] const std::string& parameters,
               const std::string& directory, [[maybe_unused]] int showCommand) {
  const QString target = QString::fromStdString(ShellText(file));
  const QString folder = QString::fromStdString(ShellText(directory));
  if (target.isEmpty()) return;
  QDesktopServices::openUrl(QUrl::fromUserInput(target, folder, QUrl::AssumeLocalFile));
}
