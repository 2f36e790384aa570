// The main window's start-up, screens, buttons, settings changes and shut-down.
#include "MainWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>
#include <cassert>

#include "AfterFirstFrame.h"
#include "AssetNames.h"
#include "Bevels.h"
#include "ErrorBox.h"
#include "FlatButton.h"
#include "Game.h"
#include "GameSettings.h"
#include "ImageControl.h"
#include "LinesArt.h"
#include "PlayerMessages.h"
#include "Random.h"
#include "SettingsFile.h"
#include "SoundLayer.h"
#include "SoundUnavailable.h"
#include "TopLista.h"
#include "Version.h"

namespace {

constexpr Qt::WindowFlags MainWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                            Qt::WindowCloseButtonHint;

void WarningBox(QWidget* owner, const QString& title, const QString& text) {
  QMessageBox::warning(owner, title, text);
}

}  // namespace

TfrmLines::TfrmLines(TLinesServices services) : QWidget(nullptr, MainWindowFlags), Services(std::move(services)) {
  BoardViews.Add(*this);
  assert(Services.Sound != nullptr && Services.Art != nullptr);
  if (!Services.Warn) Services.Warn = WarningBox;
  setWindowTitle(QString::fromUtf8(BrindlowTitle));
  setFixedSize(460, 446);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  CreateControls();
  FormCreate();
}

TfrmLines::~TfrmLines() = default;

void TfrmLines::Attach(TLinesExtra& extra) {
  assert(std::find(Extras.begin(), Extras.end(), &extra) == Extras.end());
  Extras.push_back(&extra);
  BoardViews.Add(extra);
}

void TfrmLines::FormCreate() {
  // The minimise and restore events arrive through changeEvent.
  SetWindowColor(Qt::black);
  // The four sprite sets exist from here on (they are members), empty until the first frame is out.
  const std::string bankProblem = Services.Sound->CheckSoundBank(Services.BankDirectory);
  BankMissing = !bankProblem.empty();
  SoundUnavailable = BankMissing ? 1 : 0;
  if (BankMissing) Warn(PlayerMessage(bankProblem));
  SetStartScreen(true);
  ProgramRandom().Randomize();
  // A file error is reported and start-up goes on: each file step leaves usable values behind.
  // A data file that had to be set aside is said once, each in a warning box of its own.
  const auto warnSetAside = [this](const std::string& message) {
    Warn(PlayerMessage(message));
  };
  RunReportingErrors([&] { LoadSettings(Services.DataDirectory, warnSetAside); });
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
    image->OnClick = [this](TImageControl& clicked) { CellClick(clicked.Tag); };
  }
  for (int i = 1; i <= 5; ++i)
    NextImages[i - 1] = findChild<TImageControl*>(QStringLiteral("imgNext%1").arg(i));
  RunReportingErrors([&] { LoadScores(Services.DataDirectory, ProgramRandom(), warnSetAside); });
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
  GameObject = std::make_unique<TGame>(BoardViews, *this, *this, *this, ProgramRandom(), GameVariables);
  Tell(&TLinesExtra::GameCreated);
}

void TfrmLines::FinishStart() {
  if (Started || Closing) return;
  Started = true;
  // The start-up sound first: it is due within a blink of the first frame.
  if (!BankMissing) {
    RunReportingErrors([this] {
      const std::string warning = Services.Sound->StartSound();
      if (!warning.empty()) Warn(PlayerMessage(warning));
    });
  }
  if (GameSettings.Music != 0) RunReportingErrors([this] { Services.Sound->StartPlay(); });
  LoadSprites();
  Services.Art->FirstFrameShown();
  // Each frame also at twice the size, which the icon picks where a denser screen asks for it.
  for (int frame = 0; frame < TaskbarIconFrames; ++frame) {
    IconFrames[frame] = QIcon(IconResourcePath(frame));
    IconFrames[frame].addFile(IconResourcePath2x(frame));
  }
}

void TfrmLines::ShowStartPicture() {
  //: On the start picture's green button, about 16 letters at most.
  imgBackground->SetPicture(Services.Art->StartPicture(tr("Click to play!"), devicePixelRatioF()));
}

void TfrmLines::LoadSprites() {
  // The sprite sets are filled once the first frame is out; until then there is nothing to fill.
  if (Started) Services.Art->FillSprites({&NormalSprites, &MakeSprites, &JumpSprites, &DestroySprites});
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

bool TfrmLines::StartScreenShown() const { return imgBackground->isVisibleTo(this); }

void TfrmLines::UpdatePreviewVisibility() {
  const bool preview = GameSettings.ViewNext != 0;
  panNext->setVisible(preview);
  panExpertMode->setVisible(!preview);
}

void TfrmLines::imgBackgroundClick() {
  assert(GameObject != nullptr);
  FinishStart();
  SetWindowColor(palette().color(QPalette::Button));
  SetStartScreen(false);
  const bool takenUp = std::any_of(Extras.begin(), Extras.end(), [](TLinesExtra* extra) { return extra->TakeFirstGame(); });
  if (takenUp) Tell(&TLinesExtra::GameTakenUp);
  else GameObject->NewGame();
}

void TfrmLines::CellClick(int cell) {
  if (!GameObject) return;
  Tell(&TLinesExtra::CellClicking);
  GameObject->PanelClick(cell);
  Tell(&TLinesExtra::CellClicked);
}

void TfrmLines::btnClick(int tag) {
  switch (tag) {
    case 1:
      // Told first, also when the new game waits for the running turn: a close meanwhile must not
      // keep the old one.
      Tell(&TLinesExtra::NewGameAsked, TNewGameCause::Button);
      GameObject->RequestNewGame();
      return;
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
  // The dialogs are windows of their own; the keyboard comes back here, where the Alt keys act.
  TakeKeyboard();
}

void TfrmLines::ApplySettingsChanges(const TSettingsChanges& changes) {
  if (changes.ViewNextChanged) UpdatePreviewVisibility();
  if (changes.MusicChanged) Services.Sound->ApplyMusicChange();
  if (changes.JokersBombsChanged || changes.LevelChanged) {
    Tell(&TLinesExtra::NewGameAsked, TNewGameCause::Settings);
    GameObject->RequestNewGame();
  }
}

void TfrmLines::TakeKeyboard() {
  activateWindow();
  setFocus(Qt::OtherFocusReason);
}

void TfrmLines::Warn(const QString& text) { Services.Warn(this, tr("Warning"), text); }

void TfrmLines::PlayEffect(TSoundEffect effect) {
  // After the goodbye sound a turn that is unwinding stays silent.
  if (!Closing) Services.Sound->Effects().PlayEffect(effect);
}

void TfrmLines::SubmitScore() {
  Tell(&TLinesExtra::ScoreOffering);
  if (ScoreDialogs == nullptr || !GameObject) return;
  const bool offeredBefore = GameVariables.ScoreSubmitted != 0;
  ::SubmitScore(GameObject->Variables, *ScoreDialogs);
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
  const bool kept = std::any_of(Extras.begin(), Extras.end(), [](const TLinesExtra* extra) { return extra->KeepsGameOnClose(); });
  // Each step is reported on its own, so a file error never keeps the window from closing. A game an
  // extra keeps has its score offered when it ends, in a later run.
  if (!kept) RunReportingErrors([this] { SubmitScore(); });
  Tell(&TLinesExtra::WindowClosing, !kept);
  if (!BankMissing) RunReportingErrors([this] { Services.Sound->ShutDown(); });
  StopTimers();
  // The sprite sets are freed with the window at the very end of the program, after every timer
  // has stopped and any interrupted turn has unwound.
}
