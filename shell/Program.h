// The program's windows, created once in their fixed order and kept until the program ends.
#pragma once

#include <memory>
#include <string>

#include "About.h"
#include "AuthorCard.h"
#include "GameFolders.h"
#include "Help.h"
#include "MainWindow.h"
#include "SoundLayer.h"
#include "SpriteForm.h"

class TProgram {
public:
  // Creates the windows; the main window's FormCreate runs first, before any other window exists.
  // The sound layer must outlive the program's windows.
  TProgram(const TGameFolders& folders, ISoundLayer& sound, TLinesServices::TWarn warn = {});

  // Shows the main window (its FormShow runs now, when every window exists).
  void Show();

  TfrmLines& Lines() { return *frmLines; }
  TfrmAbout& About() { return *frmAbout; }
  TfrmMi& AuthorCard() { return *frmMi; }
  TfrmHelp& Help() { return *frmHelp; }
  const TfrmSlicice& SpriteForm() const { return *frmSlicice; }

private:
  std::unique_ptr<TfrmLines> frmLines;
  std::unique_ptr<TfrmAbout> frmAbout;
  std::unique_ptr<TfrmMi> frmMi;
  std::unique_ptr<TfrmHelp> frmHelp;
  std::unique_ptr<TfrmSlicice> frmSlicice;
};
