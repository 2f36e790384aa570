// Lays the song out section by section and writes each part with its groove: lead, counter-line, chords, bass, drums.
#include "Composer.h"

#include <algorithm>
#include <array>

#include "Harmony.h"
#include "Melody.h"
#include "MidiFile.h"

namespace {

constexpr std::uint32_t EighthTicks = TicksPerQuarter / 2;
constexpr std::uint32_t SwungEighth = TicksPerQuarter * 2 / 3;
constexpr std::uint32_t Gap = 24;  // a breath between repeated notes

const std::vector<int> EndingChords = {3, 4, 0, 0};

struct TSection {
  char Kind;
  int FirstBar;
  std::vector<int> Chords;
  int Occurrence;  // how many sections of this kind came before
};

struct TDrumHit {
  int Eighth;
  int Key;
  int Velocity;
};

enum TDrumKey { Kick = 36, SideStick = 37, Snare = 38, ClosedHat = 42, PedalHat = 44, LowTom = 45, MidTom = 47,
                HighTom = 50, Crash = 49, Ride = 51, Shaker = 70 };

class TSongWriter {
public:
  explicit TSongWriter(const TSongStyle& style)
      : Style(style), Harmony(style), Dice(style.Seed), EighthsPerBar(style.BeatsPerBar * 2),
        BarTicks(static_cast<std::uint32_t>(style.BeatsPerBar) * TicksPerQuarter) {}

  TBytes Compose() {
    LaySections();
    SetUpTracks();
    const auto verseMelody = ComposeMelody(Harmony, Style.Verse, Style.BeatsPerBar, Style.Density, 0, Dice);
    const auto chorusMelody = ComposeMelody(Harmony, Style.Chorus, Style.BeatsPerBar, Style.Density, 2, Dice);
    for (const TSection& section : Sections) {
      const int boost = section.Kind == 'B' ? 8 : 0;
      if (section.Kind == 'A') PlayMelody(section, verseMelody, boost);
      if (section.Kind == 'B') PlayMelody(section, chorusMelody, boost);
      if (section.Kind == 'O') PlayEnding(section);
      if (section.Kind == 'B' || section.Kind == 'O' || (section.Kind == 'A' && section.Occurrence > 0))
        PlayCounterLine(section);
      for (std::size_t bar = 0; bar < section.Chords.size(); ++bar) {
        const int barIndex = section.FirstBar + static_cast<int>(bar);
        const int chord = section.Chords[bar];
        const bool last = bar + 1 == section.Chords.size();
        const int nextChord = last ? section.Chords[0] : section.Chords[bar + 1];
        const bool finalBar = section.Kind == 'O' && last;
        PlayChords(barIndex, chord, boost, finalBar);
        PlayBass(barIndex, chord, nextChord, boost, finalBar);
        if (Style.Drums != TDrumGroove::None) PlayDrums(barIndex, bar == 0 && section.Kind != 'I', last, finalBar);
      }
    }
    std::vector<TMidiTrack> tracks = {Conductor, Lead, Counter, Chords, Bass};
    if (Style.Drums != TDrumGroove::None) tracks.push_back(Drums);
    return EncodeMidiFile(tracks);
  }

private:
  void LaySections() {
    int bar = 0;
    std::array<int, 128> seen{};
    for (char kind : Style.Form) {
      std::vector<int> chords = kind == 'A'   ? Style.Verse
                                : kind == 'B' ? Style.Chorus
                                : kind == 'I' ? std::vector<int>(Style.Verse.begin(), Style.Verse.begin() + 4)
                                              : EndingChords;
      Sections.push_back({kind, bar, chords, seen[static_cast<std::size_t>(kind)]++});
      bar += static_cast<int>(chords.size());
    }
    TotalBars = bar;
  }

  void SetUpTracks() {
    Conductor.Name(Style.Title);
    Conductor.TimeSignature(0, Style.BeatsPerBar, 4);
    Conductor.KeySignature(0, Style.KeySharps, Style.Mode == TMode::Minor);
    Conductor.Tempo(0, Style.Tempo);
    // The last two bars slow down into the final chord.
    Conductor.Tempo(BarStart(TotalBars - 2), Style.Tempo * 0.92);
    Conductor.Tempo(BarStart(TotalBars - 1), Style.Tempo * 0.82);
    SetUpPart(Lead, "Lead", LeadChannel, Style.Lead, 108, 64);
    SetUpPart(Counter, "Counter", CounterChannel, Style.Counter, 78, 38);
    SetUpPart(Chords, "Chords", ChordChannel, Style.Chords, 84, 90);
    SetUpPart(Bass, "Bass", BassChannel, Style.Bass, 100, 64);
    Drums.Name("Drums");
    Drums.Control(0, DrumChannel, 7, 88);
    Drums.Control(0, DrumChannel, 91, 30);
  }

  static void SetUpPart(TMidiTrack& track, const char* name, int channel, int program, int volume, int pan) {
    track.Name(name);
    track.Program(0, channel, program);
    track.Control(0, channel, 7, volume);
    track.Control(0, channel, 10, pan);
    track.Control(0, channel, 91, 48);
  }

  std::uint32_t BarStart(int bar) const { return static_cast<std::uint32_t>(bar) * BarTicks; }

  // The tick of an eighth counted from a bar's start; with swing the off-beat eighths come late.
  std::uint32_t Tick(int bar, int eighth) const {
    bar += eighth / EighthsPerBar;
    eighth %= EighthsPerBar;
    const std::uint32_t offBeat = Style.Swing ? SwungEighth : EighthTicks;
    return BarStart(bar) + static_cast<std::uint32_t>(eighth / 2) * TicksPerQuarter + (eighth % 2 ? offBeat : 0);
  }

  int Humanised(int velocity) { return std::clamp(velocity + Dice.Roll(9) - 4, 1, 127); }

  void Play(TMidiTrack& track, int channel, int bar, int eighth, int length, int key, int velocity) {
    const std::uint32_t start = Tick(bar, eighth);
    const std::uint32_t end = Tick(bar, eighth + length);
    track.Note(start, std::max<std::uint32_t>(end - start - Gap, EighthTicks / 4), channel, key, Humanised(velocity));
  }

  void PlayMelody(const TSection& section, const std::vector<TMelodyNote>& melody, int boost) {
    for (const TMelodyNote& note : melody) {
      const int bar = note.Eighth / EighthsPerBar;
      const int chord = section.Chords[static_cast<std::size_t>(bar)];
      const int accent = note.Eighth % EighthsPerBar == 0 ? 8 : 0;
      Play(Lead, LeadChannel, section.FirstBar, note.Eighth, note.Length, Harmony.Key(note.Position, chord),
           86 + accent + boost);
    }
  }

  // The ending walks through the chords' tones and holds the tonic for the last two bars.
  void PlayEnding(const TSection& section) {
    int position = 4;
    for (int bar = 0; bar < 2; ++bar) {
      const int chord = section.Chords[static_cast<std::size_t>(bar)];
      position = Harmony.NearestChordTone(position + 1 - bar, chord);
      Play(Lead, LeadChannel, section.FirstBar + bar, 0, EighthsPerBar, Harmony.Key(position, chord), 84);
    }
    Play(Lead, LeadChannel, section.FirstBar + 2, 0, 2 * EighthsPerBar, Harmony.Key(0, 0) + 12, 80);
  }

  // A slow inner voice an octave below the tune, moving to the nearest tone of each new chord.
  void PlayCounterLine(const TSection& section) {
    const int length = Style.BeatsPerBar == 3 ? 6 : 4;
    int position = -3;
    for (std::size_t bar = 0; bar < section.Chords.size(); ++bar) {
      const int chord = section.Chords[bar];
      for (int eighth = 0; eighth < EighthsPerBar; eighth += length) {
        position = Harmony.NearestChordTone(position + (eighth == 0 ? 0 : 1), chord);
        position = std::clamp(position, -5, 3);
        Play(Counter, CounterChannel, section.FirstBar + static_cast<int>(bar), eighth, length,
             Harmony.Key(position, chord), 58);
      }
    }
  }

  void PlayChordAt(int bar, int eighth, int length, const std::vector<int>& keys, int velocity) {
    for (int key : keys) Play(Chords, ChordChannel, bar, eighth, length, key, velocity);
  }

  void PlayChords(int bar, int chord, int boost, bool finalBar) {
    const std::vector<int> keys = Harmony.ChordKeys(chord, 53, Style.Sevenths);
    if (finalBar) {
      PlayChordAt(bar, 0, EighthsPerBar, Harmony.ChordKeys(chord, 53, false), 56);
      return;
    }
    switch (Style.Accompaniment) {
      case TAccompaniment::Sustain: PlayChordAt(bar, 0, EighthsPerBar, keys, 48 + boost); break;
      case TAccompaniment::Arpeggio: {
        std::vector<int> rising = Harmony.ChordKeys(chord, 48, false);
        rising.push_back(rising[0] + 12);
        static const std::array<int, 8> Order = {0, 1, 2, 3, 2, 1, 2, 1};
        for (int eighth = 0; eighth < EighthsPerBar; ++eighth)
          Play(Chords, ChordChannel, bar, eighth, 2, rising[static_cast<std::size_t>(Order[static_cast<std::size_t>(eighth)])],
               (eighth % 2 == 0 ? 54 : 44) + boost);
        break;
      }
      case TAccompaniment::Waltz:
        for (int eighth : {2, 4}) PlayChordAt(bar, eighth, 1, keys, 52 + boost);
        break;
      case TAccompaniment::Comp:
        for (int eighth : Style.Swing ? std::vector<int>{0, 3} : std::vector<int>{0, 3, 6})
          PlayChordAt(bar, eighth, 2, keys, 50 + boost);
        break;
      case TAccompaniment::Offbeat:
        for (int eighth = 1; eighth < EighthsPerBar; eighth += 2) PlayChordAt(bar, eighth, 1, keys, 56 + boost);
        break;
    }
  }

  void PlayBass(int bar, int chord, int nextChord, int boost, bool finalBar) {
    const int root = Harmony.RootKey(chord, 40);
    const int fifth = Harmony.ChordKeys(chord, 40, false)[2];
    const int velocity = 82 + boost;
    if (finalBar) {
      Play(Bass, BassChannel, bar, 0, EighthsPerBar, root, velocity);
      return;
    }
    switch (Style.BassLine) {
      case TBassLine::RootFifth:
        Play(Bass, BassChannel, bar, 0, 3, root, velocity);
        Play(Bass, BassChannel, bar, 4, 3, fifth > root + 7 ? fifth - 12 : fifth, velocity - 8);
        break;
      case TBassLine::Pulse:
        for (int eighth = 0; eighth < EighthsPerBar; ++eighth)
          Play(Bass, BassChannel, bar, eighth, 1, eighth % 4 == 3 ? root + 12 : root, velocity - (eighth % 2) * 10);
        break;
      case TBassLine::Walking: {
        const std::vector<int> tones = Harmony.ChordKeys(chord, 40, false);
        const int next = Harmony.RootKey(nextChord, 40);
        const int approach = next > tones[2] ? next - 1 : next + 1;
        const std::array<int, 4> walk = {tones[0], tones[1], tones[2], approach};
        for (int beat = 0; beat < 4; ++beat)
          Play(Bass, BassChannel, bar, beat * 2, 2, walk[static_cast<std::size_t>(beat)], velocity - 6);
        break;
      }
      case TBassLine::Bossa:
        Play(Bass, BassChannel, bar, 0, 3, root, velocity);
        Play(Bass, BassChannel, bar, 3, 1, fifth - 12, velocity - 10);
        Play(Bass, BassChannel, bar, 4, 3, fifth - 12, velocity - 4);
        Play(Bass, BassChannel, bar, 7, 1, root, velocity - 10);
        break;
      case TBassLine::Waltz: Play(Bass, BassChannel, bar, 0, 2, bar % 2 == 0 ? root : fifth - 12, velocity); break;
    }
  }

  std::vector<TDrumHit> Groove(int bar) const {
    std::vector<TDrumHit> hits;
    switch (Style.Drums) {
      case TDrumGroove::None: break;
      case TDrumGroove::Soft:
        for (int e = 0; e < 8; ++e) hits.push_back({e, Shaker, e % 2 ? 26 : 36});
        hits.insert(hits.end(), {{0, Kick, 62}, {5, Kick, 44}, {2, SideStick, 52}, {6, SideStick, 52}});
        break;
      case TDrumGroove::Rock:
        for (int e = 0; e < 8; ++e) hits.push_back({e, ClosedHat, e % 2 ? 54 : 72});
        hits.insert(hits.end(), {{0, Kick, 96}, {4, Kick, 88}, {5, Kick, 70}, {2, Snare, 92}, {6, Snare, 92}});
        break;
      case TDrumGroove::Waltz: hits = {{0, Kick, 70}, {2, PedalHat, 48}, {4, PedalHat, 48}}; break;
      case TDrumGroove::Bossa:
        for (int e = 0; e < 8; ++e) hits.push_back({e, Shaker, e % 2 ? 28 : 38});
        hits.insert(hits.end(), {{0, Kick, 58}, {3, Kick, 44}, {4, Kick, 58}, {7, Kick, 44}});
        for (int e : bar % 2 == 0 ? std::vector<int>{0, 3, 6} : std::vector<int>{2, 4})
          hits.push_back({e, SideStick, 56});
        break;
      case TDrumGroove::Shuffle:
        hits = {{0, Ride, 62}, {2, Ride, 56}, {3, Ride, 44}, {4, Ride, 62}, {6, Ride, 56}, {7, Ride, 44},
                {2, PedalHat, 50}, {6, PedalHat, 50}, {0, Kick, 40}};
        break;
      case TDrumGroove::March:
        for (int e = 0; e < 8; ++e) hits.push_back({e, Snare, e % 4 == 0 ? 84 : 46});
        hits.insert(hits.end(), {{0, Kick, 82}, {4, Kick, 82}});
        break;
    }
    return hits;
  }

  void PlayDrums(int bar, bool opening, bool closing, bool finalBar) {
    if (finalBar) {
      for (int key : {static_cast<int>(Kick), static_cast<int>(Crash)})
        Play(Drums, DrumChannel, bar, 0, 1, key, 84);
      return;
    }
    std::vector<TDrumHit> hits = Groove(bar);
    const bool fills = Style.Drums == TDrumGroove::Rock || Style.Drums == TDrumGroove::March ||
                       Style.Drums == TDrumGroove::Soft;
    if (closing && fills) {
      // The second half of a section's last bar rolls down the toms into the next section.
      std::erase_if(hits, [](const TDrumHit& hit) { return hit.Eighth >= 4; });
      const std::array<int, 4> toms = {HighTom, MidTom, LowTom, Snare};
      for (int e = 4; e < 8; ++e) hits.push_back({e, toms[static_cast<std::size_t>(e - 4)], 60 + 8 * (e - 4)});
    }
    if (opening && Style.Drums != TDrumGroove::Soft && Style.Drums != TDrumGroove::Bossa) hits.push_back({0, Crash, 80});
    for (const TDrumHit& hit : hits) Play(Drums, DrumChannel, bar, hit.Eighth, 1, hit.Key, hit.Velocity);
  }

  const TSongStyle& Style;
  THarmony Harmony;
  TDice Dice;
  const int EighthsPerBar;
  const std::uint32_t BarTicks;
  std::vector<TSection> Sections;
  int TotalBars = 0;
  TMidiTrack Conductor, Lead, Counter, Chords, Bass, Drums;
};

}  // namespace

TBytes ComposeSong(const TSongStyle& style) { return TSongWriter(style).Compose(); }
