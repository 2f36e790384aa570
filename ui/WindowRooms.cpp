// Making the extras in their order and attaching them to the window's moments.
#include "WindowRooms.h"

#include "MainWindow.h"

TWindowRooms::TWindowRooms(std::string pictureCacheFolder, std::function<const TfrmSlicice&()> spriteForm)
    : WindowLook(Preferences, std::move(pictureCacheFolder), std::move(spriteForm)) {}

void TWindowRooms::Furnish(TfrmLines& window, const std::string& dataDirectory, ISoundLayer& sound) {
  ContextMenu = new TWindowMenu(window);
  TMainMenu& menu = ContextMenu->Menu();
  // Made before the game-over sign, which lies above the cursor, and before the signs' watches on
  // the player's keys, which see a key first and so before the keys the board takes.
  KeyboardPlay = new TKeyboardPlay(window, *ContextMenu);
  GameRecorder = new TGameRecorder(window, menu, dataDirectory);
  KeptGame = new TKeptGame(window, menu, Preferences, dataDirectory);
  GameOverNotice = new TGameOverNotice(window);
  WindowChoices = new TWindowChoices(window, WindowLook, menu, Preferences, sound);
  // Told in this order: a full board's game is recorded before its kept file is removed.
  for (TLinesExtra* extra : std::initializer_list<TLinesExtra*>{&WindowLook, GameRecorder, KeptGame, GameOverNotice})
    window.Attach(*extra);
  // Last, once every extra has placed its controls: those places are the classic ones too.
  WindowLook.Dress(window);
}
