// Eight moods: each song differs from the others in key, tempo, metre or groove, and in its instruments.
#include "SongStyles.h"

const std::vector<TSongStyle>& SongStyles() {
  // Programs (General MIDI, 0-based): 0 piano, 4 electric piano, 8 celesta, 10 music box, 11 vibraphone,
  // 21 accordion, 24 nylon guitar, 29 overdriven guitar, 32 acoustic bass, 33 finger bass, 35 fretless bass,
  // 45 pizzicato, 48 strings, 52 choir, 56 trumpet, 58 tuba, 61 brass, 66 tenor sax, 68 oboe, 71 clarinet,
  // 73 flute, 80 square lead, 89 warm pad.
  static const std::vector<TSongStyle> styles = {
      {"MEADOW.MID", "Meadow", 104, 4, 67, 1, TMode::Major, {0, 4, 5, 3, 0, 4, 3, 4}, {3, 4, 2, 5, 3, 4, 0, 0},
       "IAABABO", false, false, 2, 73, 71, 0, 32, TAccompaniment::Arpeggio, TBassLine::RootFifth, TDrumGroove::Soft,
       101},
      {"HARBOUR.MID", "Harbour", 84, 4, 57, 0, TMode::Minor, {0, 5, 2, 6, 0, 5, 3, 4}, {3, 0, 4, 0, 5, 2, 3, 4},
       "IAABABO", false, false, 1, 68, 48, 89, 35, TAccompaniment::Sustain, TBassLine::RootFifth, TDrumGroove::Soft,
       202},
      {"CAROUSEL.MID", "Carousel", 138, 3, 65, -1, TMode::Major, {0, 3, 4, 0, 0, 5, 1, 4}, {3, 0, 4, 0, 3, 0, 4, 0},
       "IAABBAABBO", false, false, 2, 10, 71, 21, 58, TAccompaniment::Waltz, TBassLine::Waltz, TDrumGroove::Waltz, 303},
      {"SPARKS.MID", "Sparks", 132, 4, 64, 1, TMode::Minor, {0, 5, 6, 0, 0, 5, 6, 4}, {5, 6, 0, 0, 5, 6, 4, 4},
       "IAABABBO", false, false, 3, 80, 29, 4, 33, TAccompaniment::Offbeat, TBassLine::Pulse, TDrumGroove::Rock, 404},
      {"LAGOON.MID", "Lagoon", 120, 4, 62, 2, TMode::Major, {0, 5, 1, 4, 0, 5, 1, 4}, {3, 2, 1, 4, 3, 2, 1, 4},
       "IAABABO", true, false, 2, 11, 73, 24, 32, TAccompaniment::Comp, TBassLine::Bossa, TDrumGroove::Bossa, 505},
      {"NIGHTOWL.MID", "Night Owl", 96, 4, 58, -2, TMode::Major, {0, 5, 1, 4, 2, 5, 1, 4}, {3, 3, 0, 5, 1, 4, 0, 4},
       "IAABABO", true, true, 2, 66, 61, 4, 32, TAccompaniment::Comp, TBassLine::Walking, TDrumGroove::Shuffle, 606},
      {"SNOWFALL.MID", "Snowfall", 72, 4, 63, -3, TMode::Major, {0, 3, 5, 4, 0, 3, 1, 4}, {5, 3, 0, 4, 5, 1, 4, 0},
       "IABABO", false, false, 1, 8, 52, 0, 45, TAccompaniment::Arpeggio, TBassLine::RootFifth, TDrumGroove::None,
       707},
      {"HILLTOP.MID", "Hilltop", 116, 4, 64, 3, TMode::Mixolydian, {0, 6, 3, 0, 0, 6, 3, 4},
       {3, 0, 6, 3, 3, 0, 4, 4}, "IAABABO", false, false, 2, 56, 61, 48, 58, TAccompaniment::Offbeat,
       TBassLine::RootFifth, TDrumGroove::March, 808},
  };
  return styles;
}
