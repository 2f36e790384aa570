// The main window: start picture, board of 81 clickable cells, score displays, preview row, six
// buttons, the animation timers that drive the game's ticks, and the taskbar icon animation.
#pragma once

#include <QCoreApplication>
#include <QIcon>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "BoardViews.h"
#include "GameHost.h"
#include "GameVariables.h"
#include "ImageStorage.h"
#include "LinesExtra.h"
#include "LinesServices.h"
#include "SettingsChanges.h"

class QLabel;
class TBevel;
class TBevelPanel;
class TFlatButton;
class TGame;
class TImageControl;
class IScoreDialogs;

class TfrmLines : public QWidget,
                  public IBoardView,
                  public IAnimationHost,
                  public IEffectPlayer,
                  public IScoreKeeper {
  Q_DECLARE_TR_FUNCTIONS(TfrmLines)

public:
  // Builds the controls and runs FormCreate.
  explicit TfrmLines(TLinesServices services);
  ~TfrmLines() override;

  // An extra beside the classic window, told every classic moment from now on, after the extras
  // attached before it. It lives as long as the window.
  void Attach(TLinesExtra& extra);

  // The dialogs behind the buttons: each runs its dialog modally; an unset one opens nothing.
  std::function<void()> ShowTop10;
  std::function<TSettingsChanges()> ShowSettings;
  std::function<void()> ShowAbout;
  std::function<void()> ShowHelp;
  // The name-entry and top-ten dialogs that a new record brings. Until they are set a score is
  // not offered: a record without its name dialog would keep the name of the place it took.
  IScoreDialogs* ScoreDialogs = nullptr;

  void SetStartScreen(bool on);
  void UpdatePreviewVisibility();
  void ApplySettingsChanges(const TSettingsChanges& changes);
  void btnClick(int tag);
  void imgBackgroundClick();
  // A click on a board cell's image, by its tag.
  void CellClick(int cell);
  // What the first frame does without, done right after it (or at the first click, were that
  // sooner): the sound bank unpacked, the start-up sound, the song, the sprite sets, the icon frames.
  void FinishStart();
  bool StartFinished() const { return Started; }
  // The art source has new pictures: the start picture is taken again, and so are the sprite sets
  // (once the first frame is out); what the board shows is for the art's owner to draw again.
  void ShowStartPicture();
  void LoadSprites();
  // After a dialog: the window takes the keyboard back, so that its Alt keys act.
  void TakeKeyboard();
  // A warning over the window, titled "Warning": a modal box, or what the program put in its place.
  void Warn(const QString& text);

  // IBoardView.
  void DrawSprite(int cell, TSpriteSet set, int frame, BallCode code) override;
  void ClearCell(int cell) override;
  void CopyCell(int from, int to) override;
  void ShowScore(std::uint16_t score) override;
  void ShowBest(std::uint16_t best) override;
  void ClearNextBall(int position) override;
  void ShowNextBall(int position, BallCode code) override;
  void ArrangePreview(int level) override;
  void SetNewEnabled(bool enabled) override;

  // IAnimationHost.
  void TimerEnabledChanged(TAnimationTimer timer, bool enabled) override;
  void WaitUntilOff(TAnimationTimer timer) override;
  void TurnFinished() override;
  void NewGameStarting() override;

  // IEffectPlayer: the game's effects go to the sound layer until the window closes.
  void PlayEffect(TSoundEffect effect) override;

  // IScoreKeeper. A game whose score is offered has ended, kept or not.
  void SubmitScore() override;
  std::uint16_t BestScore(int level) override;

  // Read access for the extras, the program's other windows and tests.
  TGame* Game() const { return GameObject.get(); }
  // The running game's score and flags, kept from the window's creation on (the game object itself
  // exists only from the first show).
  TGameVariables& Variables() { return GameVariables; }
  const TImageStorage& Sprites(TSpriteSet set) const;
  TBevelPanel* Board() const { return panTabla; }
  TBevelPanel* CellPanel(int cell) const { return CellPanels[cell - 1]; }
  TImageControl* CellImage(int cell) const { return CellImages[cell - 1]; }
  TImageControl* NextImage(int position) const { return NextImages[position - 1]; }
  // Whether the start picture still waits for the first game's click.
  bool StartScreenShown() const;
  QTimer& AnimationTimer(TAnimationTimer timer);
  QTimer& IconTimerControl() { return IconTimer; }
  const QIcon& IconFrame(int frame) const { return IconFrames[frame]; }
  int IconTimerTag() const { return IconTag; }
  bool IsMinimized() const { return Minimized; }
  bool IsClosing() const { return Closing; }
  bool SoundBankMissing() const { return BankMissing; }

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  void CreateControls();
  void FormCreate();
  void FormShow();
  void FormClose();
  void FormMinimize();
  void FormRestore();
  void IconTimerTimer();
  void SetWindowColor(const QColor& color);
  void Tick(TAnimationTimer timer);
  void StopTimers();
  // Tells every extra one moment, in the order they were attached.
  template <typename Moment, typename... Arguments>
  void Tell(Moment moment, const Arguments&... arguments) {
    for (TLinesExtra* extra : Extras) (extra->*moment)(arguments...);
  }

  TLinesServices Services;
  TGameVariables GameVariables;
  std::vector<TLinesExtra*> Extras;
  // The window first, then the extras: what the game draws reaches them all.
  TBoardViews BoardViews;

  TBevel* bvlOkvir = nullptr;
  QLabel* labBest = nullptr;
  QLabel* labScore = nullptr;
  QLabel* labNext = nullptr;
  TFlatButton* btnNew = nullptr;
  TFlatButton* btnTop10 = nullptr;
  TFlatButton* btnSettings = nullptr;
  TFlatButton* btnAbout = nullptr;
  TFlatButton* btnHelp = nullptr;
  TFlatButton* btnExit = nullptr;
  TImageControl* imgBackground = nullptr;
  TBevelPanel* panTabla = nullptr;
  std::array<TBevelPanel*, 81> CellPanels{};
  std::array<TImageControl*, 81> CellImages{};
  TBevelPanel* panNext = nullptr;
  std::array<TBevelPanel*, 5> NextPanels{};
  std::array<TImageControl*, 5> NextImages{};
  TBevelPanel* panBest = nullptr;
  TBevelPanel* panScore = nullptr;
  TBevelPanel* panExpertMode = nullptr;

  QTimer MoveTimer;
  QTimer JumpTimer;
  QTimer MakeTimer;
  QTimer DestroyTimer;
  QTimer MusicTimer;
  QTimer IconTimer;
  int IconTag = 1;
  std::array<QIcon, 19> IconFrames;
  bool Minimized = false;

  // Everything a tick touches (the sets, the game, the images) lives as long as the window, which
  // the program keeps to its very end, so a tick can never meet a freed sprite.
  TImageStorage NormalSprites;
  TImageStorage MakeSprites;
  TImageStorage JumpSprites;
  TImageStorage DestroySprites;
  // The game object holds the edge sets, the removal list and the path finder; made by FormShow.
  std::unique_ptr<TGame> GameObject;

  bool BankMissing = false;
  bool Shown = false;
  bool Started = false;
  bool Closing = false;
};
