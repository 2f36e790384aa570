// The window tests' program fixture and board reader.
#include "UiTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include "ImageControl.h"
#include "Random.h"

TTestProgram::TTestProgram(std::uint32_t seed, bool withSoundBank) {
  ProgramRandom().SetSeedSource([seed] { return seed; });
  // The player's own preferences are never read or changed by a test.
  qputenv("XDG_CONFIG_HOME", Directory.path().toLocal8Bit());
  if (withSoundBank) {
    QFile bank(Directory.filePath(QStringLiteral("Sound.dat")));
    bank.open(QIODevice::WriteOnly);
  }
  const std::string folder = Directory.path().toStdString();
  Program = std::make_unique<TProgram>(TGameFolders{folder, folder}, Sound,
                                       [this](QWidget*, const QString& title, const QString& text) {
                                         Warnings << title + QStringLiteral(": ") + text;
                                       });
}

TTestProgram::~TTestProgram() {
  // A test may leave a turn in the middle; closing first lets it unwind as the program would.
  if (Program->Lines().isVisible()) Program->Lines().close();
}

void TTestProgram::Show() {
  Program->Show();
  QVERIFY(QTest::qWaitForWindowExposed(&Program->Lines()));
  // The sprite sets, the sounds and the icon frames follow the first frame.
  QTRY_VERIFY(Program->Lines().StartFinished());
}

void TTestProgram::Start() {
  Show();
  Lines().imgBackgroundClick();
}

void TTestProgram::StartActive() {
  Start();
  QApplication::setActiveWindow(&Lines());
  QVERIFY(QTest::qWaitForWindowActive(&Lines()));
}

void TTestProgram::ClickCell(int cell) { QTest::mouseClick(Lines().CellImage(cell), Qt::LeftButton); }

bool TTestProgram::WaitForIdle(int timeoutMs) {
  const auto idle = [this] {
    TGame& game = Game();
    return !game.TimerEnabled(TAnimationTimer::Move) && !game.TimerEnabled(TAnimationTimer::Make) &&
           !game.TimerEnabled(TAnimationTimer::Destroy) && !game.TurnWaiting();
  };
  return QTest::qWaitFor(idle, timeoutMs);
}

int TTestProgram::BallCount() {
  int count = 0;
  for (int cell = 1; cell <= CellCount; ++cell) count += Game().Cell(cell) != EmptyCell;
  return count;
}

void TTestProgram::FillTheBoard() {
  Game().LoadPosition(BoardWithoutLines({40, 81}), {1, 1, 1});
  ClickCell(41);
  ClickCell(40);
  QVERIFY(WaitForIdle());
}

bool Shows(TfrmLines& lines, int cell, TSpriteSet set, int frame, BallCode code) {
  const QPixmap& sprite = lines.Sprites(set).GetSprite(frame, code);
  const QPixmap& shown = lines.CellImage(cell)->Picture();
  return !sprite.isNull() && shown.cacheKey() == sprite.cacheKey();
}

bool Empty(TfrmLines& lines, int cell) { return lines.CellImage(cell)->Picture().isNull(); }

TBoard BoardWith(std::initializer_list<std::pair<int, BallCode>> balls) {
  TBoard board;
  for (const auto& [cell, code] : balls) board[cell] = code;
  return board;
}

TBoard BoardWithoutLines(std::initializer_list<int> empty) {
  TBoard board;
  for (int cell = 1; cell <= CellCount; ++cell) {
    const int row = (cell - 1) / BoardSide;
    const int column = (cell - 1) % BoardSide;
    // Neighbours differ by 1 (across), 3 (down), 4 (down-right) or 2 (down-left), modulo 7.
    board[cell] = static_cast<BallCode>((3 * row + column) % 7 + 1);
  }
  for (const int cell : empty) board[cell] = EmptyCell;
  return board;
}
