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
#include <string>

#include "AnimationPace.h"
#include "GameHost.h"
#include "GameRecorder.h"
#include "GameVariables.h"
#include "History.h"
#include "ImageStorage.h"
#include "KeysWindow.h"
#include "Preferences.h"
#include "PreferencesDialog.h"
#include "ScaledArt.h"
#include "SettingsChanges.h"
#include "StartPictureCache.h"

class QLabel;
class TBevel;
class TBoardCursor;
class TGameOverBoard;
class TMainMenu;
class TfrmKeys;
class TBevelPanel;
class TFlatButton;
class TGame;
class TGameKeeper;
class TGameLock;
class TUndoMark;
class TImageControl;
class TfrmSlicice;
class ISoundLayer;
class IScoreDialogs;

// The collaborators that the window is given rather than finding them itself.
struct TLinesServices {
  using TWarn = std::function<void(QWidget* owner, const QString& title, const QString& text)>;

  std::string BankDirectory;  // holds Sound.dat
  std::string DataDirectory;  // holds Balls.cfg and Score.dat
  ISoundLayer* Sound = nullptr;  // lives as long as the window
  // Start-up's warnings ("Sound file is missing!", a data file set aside); a modal box unless replaced.
  TWarn Warn;
  // Where start pictures that had to be painted are kept for later runs; empty: none are kept.
  std::string PictureCacheFolder;
};

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

  // The hidden form that the sprite sets are filled from once the first frame is out; the program
  // creates it on that first call, after this window.
  void UseSpriteForm(std::function<const TfrmSlicice&()> source) { SpriteFormSource = std::move(source); }

  // The dialogs behind the buttons: each runs its dialog modally; an unset one opens nothing.
  std::function<void()> ShowTop10;
  std::function<TSettingsChanges()> ShowSettings;
  std::function<void()> ShowAbout;
  std::function<void()> ShowHelp;
  // The Statistics window over GameHistory(), from the context menu and its keys.
  std::function<void()> ShowStatistics;
  // The name-entry and top-ten dialogs that a new record brings. Until they are set a score is
  // not offered: a record without its name dialog would keep the name of the place it took.
  IScoreDialogs* ScoreDialogs = nullptr;
  // Told after the window went to another zoom step, so that the dialogs follow it.
  std::function<void(double zoom)> ZoomChanged;

  // The window's size and art beyond the classic look, each in effect at once (before the first show too):
  // the zoom step (one of ZoomSteps), symbols on the seven colours, and the animations' pace.
  void SetZoom(double zoom);
  double Zoom() const { return ArtSize.Zoom; }
  void SetSymbols(bool symbols);
  bool Symbols() const { return ArtSize.Symbols; }
  void SetPace(TAnimationPace pace);
  TAnimationPace Pace() const { return AnimationPace; }

  // The player's choices beyond the classic Options as they stand, and taking new ones: each is in effect
  // at once and kept in the preferences file.
  TPlayerChoices Choices() const;
  void Choose(const TPlayerChoices& choices);
  // Runs the Preferences dialog; its OK takes what it shows.
  void ShowPreferences();

  void SetStartScreen(bool on);
  void UpdatePreviewVisibility();
  void ApplySettingsChanges(const TSettingsChanges& changes);
  void btnClick(int tag);
  void imgBackgroundClick();
  // What the first frame does without, done right after it (or at the first click, were that
  // sooner): the sound bank unpacked, the start-up sound, the song, the sprite sets, the icon frames.
  void FinishStart();
  bool StartFinished() const { return Started; }

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

  // Read access for the program's other windows and for tests.
  TGame* Game() const;
  // The game with its moves to take back; exists from the first show.
  TGameKeeper* Keeper() const { return GameKeeper.get(); }
  // The running game's score and flags, kept from the window's creation on (the game object itself
  // exists only from the first show).
  TGameVariables& Variables() { return GameVariables; }
  const TImageStorage& Sprites(TSpriteSet set) const;
  TImageControl* CellImage(int cell) const { return CellImages[cell - 1]; }
  TImageControl* NextImage(int position) const { return NextImages[position - 1]; }
  QTimer& AnimationTimer(TAnimationTimer timer);
  QTimer& IconTimerControl() { return IconTimer; }
  const QIcon& IconFrame(int frame) const { return IconFrames[frame]; }
  int IconTimerTag() const { return IconTag; }
  bool IsMinimized() const { return Minimized; }
  bool IsClosing() const { return Closing; }
  bool SoundBankMissing() const { return BankMissing; }
  // The cell the keyboard's cursor frames, 0 while it is hidden.
  int KeyboardCursor() const { return CursorCell; }
  const TGameOverBoard& GameOverSign() const { return *GameOverBoard; }
  TMainMenu& ContextMenu() { return *Menu; }
  TPreferences& PlayerPreferences() { return Preferences; }
  // Every ended game, in History.db beside Score.dat; the file is opened at the first game's end.
  THistory& GameHistory() { return History; }
  // Notes the start of each game and records its end; a game taken up again starts here too.
  TGameRecorder& GameRecorder() { return Recorder; }
  // Whether this copy keeps its running game in Game.sav: only the first copy running on a data folder.
  bool KeepsGames() const;
  const QWidget& UndoMark() const;
  // The line under the score displays that says a kept game has been taken up again.
  const QLabel& ResumeNotice() const { return *labResumed; }

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

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
  // Fills the sprite sets for ArtSize (from the sprite form at the classic size) and shows the board and
  // the preview in them.
  void LoadSprites();
  // The start picture for ArtSize, inviting in the player's language.
  QPixmap StartPicture();
  // Keeps the start picture last painted, if it is not kept yet.
  void KeepStartPicture();
  void ShowCellPicture(int cell);
  void CreateExtras();
  // The choices kept from an earlier run, or the step that fits the screen at a first start.
  void TakeStoredChoices();
  void TakeStoredVolumes();
  void ConnectChoices();
  void ApplyVolumes();
  void ShowChoicesInMenu();
  // Keyboard play and the extras around the classic game.
  void MoveCursor(int columns, int rows);
  void HideCursor();
  void ShowGameOverWhenFull();
  // The game-over sign and the resume notice stay until the player's next click or key.
  void DismissSigns();
  void PopUpMenu(const QPoint& globalPosition);
  void ShowKeys();
  TKeyRows KeyRows() const;
  // After a dialog: the window takes the keyboard back, so the board's keys and the Alt keys act.
  void TakeKeyboard();
  // The history of ended games.
  void CreateHistory();
  void ShowStatisticsWindow();
  void RecordGameAtClose();
  // Records the game that the turn just finished filled the board of.
  void RecordFullBoard();
  // A game that ends on a full board ended because it was full, whatever asked for its end.
  TEndReason EndReason(TEndReason asked) const;
  // Every click on the board and its keys' clicks.
  void BoardClick(int cell);
  // Taking moves back, and the running game kept in Game.sav.
  void UndoMove();
  void UpdateUndoAction();
  bool ResumeKeptGame();
  void KeepRunningGame();
  void SaveRunningGame();
  void ForgetKeptGame();
  bool KeepGameOnClose() const;

  TLinesServices Services;
  TStartPictureCache StartPictures;
  // Writing a painted start picture's copy, put off until the first frame is out.
  std::function<void()> UnkeptStartPicture;
  std::function<const TfrmSlicice&()> SpriteFormSource;
  TGameVariables GameVariables;

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
  TBoardCursor* BoardCursor = nullptr;
  TGameOverBoard* GameOverBoard = nullptr;
  TMainMenu* Menu = nullptr;
  TUndoMark* UndoMarkDisplay = nullptr;
  QLabel* labResumed = nullptr;
  TfrmKeys* Keys = nullptr;
  TfrmPreferences* PreferencesDialog = nullptr;
  int EffectVolumePercent = EffectVolume.Default;
  int MusicVolumePercent = MusicVolume.Default;
  int CursorCell = 0;
  // Read once as the window is created; each change from the menu is written at once.
  TPreferences Preferences;
  THistory History;
  TGameRecorder Recorder;
  // Why the game on the board ends when the next new game starts: New unless the settings asked.
  TEndReason NextEndReason = TEndReason::New;

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
  std::unique_ptr<TGameKeeper> GameKeeper;
  // Claimed at creation; while it is held the running game is saved after every turn. A close that
  // ends the game lets the game go (nothing more is saved), one that keeps it does not.
  std::unique_ptr<TGameLock> GameLock;
  bool GameKept = false;

  // What each cell and preview place shows, by sprite, so that new art can take the place of the old.
  struct TCellPicture {
    TSpriteSet Set = TSpriteSet::Normal;
    int Frame = 0;  // 0: no picture
    BallCode Code = 0;
  };
  std::array<TCellPicture, 81> CellPictures{};
  std::array<BallCode, 5> NextCodes{};  // 0: the place is empty
  TArtSize ArtSize;
  TAnimationPace AnimationPace = TAnimationPace::Classic;

  bool BankMissing = false;
  bool Shown = false;
  bool Started = false;
  bool Closing = false;
};
