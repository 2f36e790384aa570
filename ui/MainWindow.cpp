// The main window's start-up, screens, buttons, settings changes and shut-down.
#include "MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include <cassert>

#include "AfterFirstFrame.h"
#include "AssetNames.h"
#include "Bevels.h"
#include "ErrorBox.h"
#include "FlatButton.h"
#include "GameKeeper.h"
#include "GameLock.h"
#include "GameSettings.h"
#include "ImageControl.h"
#include "PlayerMessages.h"
#include "Random.h"
#include "SettingsFile.h"
#include "SoundLayer.h"
#include "SoundUnavailable.h"
#include "SpriteForm.h"
#include "TopLista.h"
#include "WindowZoom.h"

namespace {

constexpr Qt::WindowFlags MainWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                            Qt::WindowCloseButtonHint;

void WarningBox(QWidget* owner, const QString& title, const QString& text) {
  QMessageBox::warning(owner, title, text);
}

}  // namespace

TfrmLines::TfrmLines(TLinesServices services)
    : QWidget(nullptr, MainWindowFlags),
      Services(std::move(services)),
      StartPictures(Services.PictureCacheFolder),
      History(Services.DataDirectory),
      Recorder(History, [this] { return GameKeeper && GameKeeper->Game().TurnRunning(); }) {
  assert(Services.Sound != nullptr);
  if (!Services.Warn) Services.Warn = WarningBox;
  setWindowTitle(QStringLiteral("Brindlow v1.52"));
  setFixedSize(460, 446);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  CreateControls();
  CreateExtras();
  FormCreate();
  // The places and fonts as they stand now are the classic ones that every zoom step scales.
  ZoomWindow(*this, ArtSize.Zoom);
  TakeStoredChoices();
}

TfrmLines::~TfrmLines() = default;

void TfrmLines::FormCreate() {
  // The minimise and restore events arrive through changeEvent.
  SetWindowColor(Qt::black);
  // The four sprite sets exist from here on (they are members), empty until the first frame is out.
  const std::string bankProblem = Services.Sound->CheckSoundBank(Services.BankDirectory);
  BankMissing = !bankProblem.empty();
  SoundUnavailable = BankMissing ? 1 : 0;
  if (BankMissing) Services.Warn(this, tr("Warning"), PlayerMessage(bankProblem));
  SetStartScreen(true);
  ProgramRandom().Randomize();
  // A file error is reported and start-up goes on: each file step leaves usable values behind.
  // A data file that had to be set aside is said once, each in a warning box of its own.
  const auto warnSetAside = [this](const std::string& message) {
    Services.Warn(this, tr("Warning"), PlayerMessage(message));
  };
  RunReportingErrors([&] { LoadSettings(Services.DataDirectory, warnSetAside); });
  TakeStoredVolumes();
  if (BankMissing) {
    GameSettings.SoundsOff = 1;
    GameSettings.Music = 0;
  }
  imgBackground->setGeometry(rect());
  bvlOkvir->setGeometry(rect());
  new TAfterFirstFrame(*imgBackground, [this] { FinishStart(); });
  for (int n = 1; n <= 81; ++n) {
    TBevelPanel* panel = CellPanels[n - 1];
    panel->SetLook(TBevelCut::Lowered, TBevelCut::Lowered, Qt::black);
    panel->setCursor(Qt::PointingHandCursor);
    TImageControl* image = CellImages[n - 1];
    image->setGeometry(panel->ClientArea());
    image->Tag = n;
    image->SetTransparent(false);
    image->setCursor(Qt::PointingHandCursor);
    image->OnClick = [this](TImageControl& clicked) {
      if (GameKeeper) BoardClick(clicked.Tag);
    };
  }
  for (int i = 1; i <= 5; ++i)
    NextImages[i - 1] = findChild<TImageControl*>(QStringLiteral("imgNext%1").arg(i));
  RunReportingErrors([&] { LoadScores(Services.DataDirectory, ProgramRandom(), warnSetAside); });
  GameLock = std::make_unique<TGameLock>(Services.DataDirectory);
  GameKept = GameLock->Held();
}

void TfrmLines::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Restoring from the taskbar shows the window again; only the first show is FormShow.
  if (!Shown) {
    Shown = true;
    FormShow();
  }
}

void TfrmLines::FormShow() {
  // The game object holds the edge sets, the removal list and the path finder.
  GameKeeper = std::make_unique<TGameKeeper>(*this, *this, *this, *this, ProgramRandom(), GameVariables);
}

void TfrmLines::FinishStart() {
  if (Started || Closing) return;
  Started = true;
  // The start-up sound first: it is due within a blink of the first frame.
  if (!BankMissing) {
    RunReportingErrors([this] {
      ApplyVolumes();
      const std::string warning = Services.Sound->StartSound();
      if (!warning.empty()) Services.Warn(this, tr("Warning"), PlayerMessage(warning));
    });
  }
  if (GameSettings.Music != 0) RunReportingErrors([this] { Services.Sound->StartPlay(); });
  LoadSprites();
  KeepStartPicture();
  // Each frame also at twice the size, which the icon picks where a denser screen asks for it.
  for (int frame = 0; frame < TaskbarIconFrames; ++frame) {
    IconFrames[frame] = QIcon(IconResourcePath(frame));
    IconFrames[frame].addFile(IconResourcePath2x(frame));
  }
}

void TfrmLines::SetWindowColor(const QColor& color) {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, color);
  setPalette(colours);
  setAutoFillBackground(true);
}

void TfrmLines::SetStartScreen(bool on) {
  imgBackground->setVisible(on);
  const std::array<QWidget*, 14> gameControls{bvlOkvir, labBest,  labNext,     labScore, panBest, panNext, panScore,
                                              panTabla, btnNew,   btnTop10, btnSettings, btnAbout, btnHelp, btnExit};
  for (QWidget* control : gameControls) control->setVisible(!on);
  if (!on) UpdatePreviewVisibility();
  repaint();
}

void TfrmLines::UpdatePreviewVisibility() {
  const bool preview = GameSettings.ViewNext != 0;
  panNext->setVisible(preview);
  panExpertMode->setVisible(!preview);
}

void TfrmLines::imgBackgroundClick() {
  assert(GameKeeper != nullptr);
  FinishStart();
  SetWindowColor(palette().color(QPalette::Button));
  SetStartScreen(false);
  if (!ResumeKeptGame()) GameKeeper->Game().NewGame();
  UpdateUndoAction();
}

void TfrmLines::btnClick(int tag) {
  DismissSigns();
  switch (tag) {
    case 1:
      // Also when the new game waits for the running turn: a close meanwhile must not keep the old one.
      ForgetKeptGame();
      GameKeeper->Game().RequestNewGame();
      break;
    case 2:
      if (ShowTop10) ShowTop10();
      break;
    case 3:
      if (ShowSettings) ApplySettingsChanges(ShowSettings());
      break;
    case 4:
      if (ShowAbout) ShowAbout();
      break;
    case 5:
      if (ShowHelp) ShowHelp();
      break;
    case 6:
      close();
      return;
    default:
      assert(false && "unknown button tag");
  }
  UpdateUndoAction();
  // The dialogs are windows of their own; the keyboard comes back here, where the Alt keys act.
  if (tag != 1) TakeKeyboard();
}

void TfrmLines::ApplySettingsChanges(const TSettingsChanges& changes) {
  if (changes.ViewNextChanged) UpdatePreviewVisibility();
  if (changes.MusicChanged) Services.Sound->ApplyMusicChange();
  if (changes.JokersBombsChanged || changes.LevelChanged) {
    NextEndReason = TEndReason::Settings;
    ForgetKeptGame();
    GameKeeper->Game().RequestNewGame();
  }
}

void TfrmLines::PlayEffect(TSoundEffect effect) {
  // After the goodbye sound a turn that is unwinding stays silent.
  if (!Closing) Services.Sound->Effects().PlayEffect(effect);
}

void TfrmLines::SubmitScore() {
  // Removed before the record dialogs: a game killed during them must not come back to be offered again.
  ForgetKeptGame();
  if (ScoreDialogs == nullptr || !GameKeeper) return;
  const bool offeredBefore = GameVariables.ScoreSubmitted != 0;
  ::SubmitScore(GameKeeper->Game().Variables, *ScoreDialogs);
  // A record brought up its name and top-ten dialogs.
  if (!offeredBefore && GameVariables.ScoreSubmitted != 0 && !Closing) TakeKeyboard();
}

std::uint16_t TfrmLines::BestScore(int level) { return ::BestScore(level); }

void TfrmLines::closeEvent(QCloseEvent* event) {
  if (!Closing) FormClose();
  event->accept();
}

void TfrmLines::FormClose() {
  // From here on the waits of a running turn play their animation out at once instead of
  // waiting for ticks, and no timer starts again.
  Closing = true;
  UpdateUndoAction();
  // Each step is reported on its own, so a file error never keeps the window from closing.
  if (KeepGameOnClose()) {
    // Kept now, or by the running turn as it unwinds; its score and its record wait for the game's end.
    if (GameKeeper->Game().Resting()) SaveRunningGame();
    RunReportingErrors([this] { Recorder.WritePending(); });
  } else {
    RunReportingErrors([this] { SubmitScore(); });
    RecordGameAtClose();
    ForgetKeptGame();
    GameKept = false;
  }
  if (!BankMissing) RunReportingErrors([this] { Services.Sound->ShutDown(); });
  StopTimers();
  // The sprite sets are freed with the window at the very end of the program, after every timer
  // has stopped and any interrupted turn has unwound.
}
