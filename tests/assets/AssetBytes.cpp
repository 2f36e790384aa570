// A strict reader of the MIDI subset our composer writes: meta events, channel messages, no running status.
#include "AssetBytes.h"

#include <QFile>
#include <QGuiApplication>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "brindlow-test-assets";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QGuiApplication(argc, argv);
}

QByteArray ReadResource(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

QByteArray ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

static std::uint32_t Byte(const QByteArray& bytes, int at) { return static_cast<std::uint8_t>(bytes.at(at)); }

std::uint32_t LE16(const QByteArray& bytes, int at) { return Byte(bytes, at) | Byte(bytes, at + 1) << 8; }
std::uint32_t LE32(const QByteArray& bytes, int at) { return LE16(bytes, at) | LE16(bytes, at + 2) << 16; }
std::uint32_t BE16(const QByteArray& bytes, int at) { return Byte(bytes, at) << 8 | Byte(bytes, at + 1); }
std::uint32_t BE32(const QByteArray& bytes, int at) { return BE16(bytes, at) << 16 | BE16(bytes, at + 2); }

namespace {

struct TTempoChange {
  std::uint32_t Tick;
  std::uint32_t Microseconds;
};

bool ReadVariable(const QByteArray& bytes, int& at, int end, std::uint32_t& value) {
  value = 0;
  for (int i = 0; i < 4; ++i) {
    if (at >= end) return false;
    const std::uint32_t b = Byte(bytes, at++);
    value = value << 7 | (b & 0x7F);
    if (!(b & 0x80)) return true;
  }
  return false;
}

}  // namespace

TMidiSummary SummariseMidi(const QByteArray& bytes) {
  TMidiSummary summary;
  std::fill(std::begin(summary.Programs), std::end(summary.Programs), -1);
  std::fill(std::begin(summary.NotesPerChannel), std::end(summary.NotesPerChannel), 0);
  if (bytes.size() < 14 || bytes.left(4) != "MThd" || BE32(bytes, 4) != 6) {
    summary.Error = "no MThd header of 6 bytes";
    return summary;
  }
  summary.Format = static_cast<int>(BE16(bytes, 8));
  summary.DeclaredTracks = static_cast<int>(BE16(bytes, 10));
  summary.Division = static_cast<int>(BE16(bytes, 12));
  std::vector<TTempoChange> tempos;
  std::uint32_t lastTick = 0;
  int at = 14;
  while (at < bytes.size()) {
    if (at + 8 > bytes.size() || bytes.mid(at, 4) != "MTrk") {
      summary.Error = "a chunk that is not MTrk";
      return summary;
    }
    const int end = at + 8 + static_cast<int>(BE32(bytes, at + 4));
    if (end > bytes.size()) {
      summary.Error = "a track chunk longer than the file";
      return summary;
    }
    ++summary.Tracks;
    at += 8;
    std::uint32_t tick = 0;
    bool ended = false;
    std::map<int, int> sounding;  // channel * 128 + key → count
    while (at < end && !ended) {
      std::uint32_t delta = 0;
      if (!ReadVariable(bytes, at, end, delta) || at >= end) {
        summary.Error = "a broken delta time";
        return summary;
      }
      tick += delta;
      const int status = static_cast<int>(Byte(bytes, at++));
      if (status == 0xFF) {
        const int type = static_cast<int>(Byte(bytes, at++));
        std::uint32_t length = 0;
        if (!ReadVariable(bytes, at, end, length) || at + static_cast<int>(length) > end) {
          summary.Error = "a broken meta event";
          return summary;
        }
        if (type == 0x2F) ended = true;
        if (type == 0x51) {
          const std::uint32_t micro = Byte(bytes, at) << 16 | Byte(bytes, at + 1) << 8 | Byte(bytes, at + 2);
          tempos.push_back({tick, micro});
          if (tick == 0) summary.FirstTempo = static_cast<int>(60000000 / micro);
        }
        if (type == 0x59) {
          summary.KeySharps = static_cast<std::int8_t>(Byte(bytes, at));
          summary.KeyMinor = Byte(bytes, at + 1) == 1;
        }
        at += static_cast<int>(length);
      } else if (status >= 0x80 && status < 0xF0) {
        const int kind = status & 0xF0;
        const int channel = status & 0x0F;
        const int data = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
        if (at + data > end) {
          summary.Error = "a channel message cut short";
          return summary;
        }
        const int first = static_cast<int>(Byte(bytes, at));
        const int second = data == 2 ? static_cast<int>(Byte(bytes, at + 1)) : 0;
        at += data;
        if (kind == 0xC0 && summary.Programs[channel] < 0) summary.Programs[channel] = first;
        if (kind == 0x90 && second > 0) {
          ++sounding[channel * 128 + first];
          ++summary.NotesPerChannel[channel];
          if (channel != 9) {
            summary.LowestKey = std::min(summary.LowestKey, first);
            summary.HighestKey = std::max(summary.HighestKey, first);
          }
        } else if (kind == 0x80 || kind == 0x90) {
          if (--sounding[channel * 128 + first] < 0) ++summary.UnmatchedNotes;
        }
      } else {
        summary.Error = "an unexpected status byte (running status or system message)";
        return summary;
      }
    }
    if (!ended || at != end) {
      summary.Error = "a track that does not close with End of Track at its chunk's end";
      return summary;
    }
    for (const auto& [key, count] : sounding) summary.UnmatchedNotes += std::max(count, 0);
    lastTick = std::max(lastTick, tick);
  }
  std::sort(tempos.begin(), tempos.end(), [](const TTempoChange& a, const TTempoChange& b) { return a.Tick < b.Tick; });
  std::uint32_t tick = 0;
  std::uint32_t micro = 500000;
  for (const TTempoChange& change : tempos) {
    summary.Seconds += static_cast<double>(change.Tick - tick) * micro / 1e6 / summary.Division;
    tick = change.Tick;
    micro = change.Microseconds;
  }
  summary.Seconds += static_cast<double>(lastTick - tick) * micro / 1e6 / summary.Division;
  return summary;
}
