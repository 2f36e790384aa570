// Every extra beside the classic main window, made and attached in one place: a new one is one more
// member here and one line in Furnish.
#pragma once

#include <functional>
#include <string>

#include "GameRecorder.h"
#include "GameOverNotice.h"
#include "KeptGame.h"
#include "KeyboardPlay.h"
#include "Preferences.h"
#include "WindowChoices.h"
#include "WindowLook.h"
#include "WindowMenu.h"

class ISoundLayer;
class TfrmLines;
class TfrmSlicice;

class TWindowRooms {
public:
  // The preferences are read now, and the look made from them, for the window to be made with as its
  // art; the rest comes with Furnish.
  TWindowRooms(std::string pictureCacheFolder, std::function<const TfrmSlicice&()> spriteForm);

  // Makes the extras for the window, just made with Look() as its art, and attaches them.
  void Furnish(TfrmLines& window, const std::string& dataDirectory, ISoundLayer& sound);

  TPreferences& PlayerPreferences() { return Preferences; }
  TWindowLook& Look() { return WindowLook; }
  TWindowMenu& Menu() { return *ContextMenu; }
  TGameRecorder& Recorder() { return *GameRecorder; }
  TKeptGame& Kept() { return *KeptGame; }
  TKeyboardPlay& Keyboard() { return *KeyboardPlay; }
  TGameOverNotice& GameOver() { return *GameOverNotice; }
  TWindowChoices& Choices() { return *WindowChoices; }

private:
  // Read once as the window is created; each change is written at once.
  TPreferences Preferences;
  TWindowLook WindowLook;
  // The extras are children of the window, and go with it.
  TWindowMenu* ContextMenu = nullptr;
  TGameRecorder* GameRecorder = nullptr;
  TKeptGame* KeptGame = nullptr;
  TKeyboardPlay* KeyboardPlay = nullptr;
  TGameOverNotice* GameOverNotice = nullptr;
  TWindowChoices* WindowChoices = nullptr;
};
