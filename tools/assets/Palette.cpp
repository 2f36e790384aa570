// Median cut: split the box with the widest channel range at its median until the palette is full.
#include "Palette.h"

#include <algorithm>
#include <array>
#include <set>

namespace {

using TBox = std::vector<QRgb>;

int Channel(QRgb colour, int channel) {
  return channel == 0 ? qRed(colour) : channel == 1 ? qGreen(colour) : qBlue(colour);
}

// The channel with the widest range in the box, and that range.
std::pair<int, int> WidestChannel(const TBox& box) {
  std::pair<int, int> best{0, -1};
  for (int channel = 0; channel < 3; ++channel) {
    const auto [low, high] = std::minmax_element(box.begin(), box.end(), [channel](QRgb a, QRgb b) {
      return Channel(a, channel) < Channel(b, channel);
    });
    const int range = Channel(*high, channel) - Channel(*low, channel);
    if (range > best.second) best = {channel, range};
  }
  return best;
}

QRgb Average(const TBox& box) {
  std::array<long, 3> sum{};
  for (QRgb colour : box)
    for (int channel = 0; channel < 3; ++channel) sum[static_cast<std::size_t>(channel)] += Channel(colour, channel);
  const auto n = static_cast<long>(box.size());
  return qRgb(static_cast<int>((sum[0] + n / 2) / n), static_cast<int>((sum[1] + n / 2) / n),
              static_cast<int>((sum[2] + n / 2) / n));
}

}  // namespace

std::vector<QRgb> MedianCutPalette(const std::vector<QRgb>& colours, int maxColours) {
  std::set<QRgb> distinct;
  for (QRgb colour : colours) distinct.insert(colour | 0xFF000000u);
  if (static_cast<int>(distinct.size()) <= maxColours) return {distinct.begin(), distinct.end()};

  std::vector<TBox> boxes{TBox(colours.begin(), colours.end())};
  for (QRgb& colour : boxes[0]) colour |= 0xFF000000u;
  while (static_cast<int>(boxes.size()) < maxColours) {
    std::size_t widest = 0;
    int widestRange = -1;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      const int range = boxes[i].size() > 1 ? WidestChannel(boxes[i]).second : 0;
      if (range > widestRange) {
        widest = i;
        widestRange = range;
      }
    }
    if (widestRange <= 0) break;
    TBox& box = boxes[widest];
    const int channel = WidestChannel(box).first;
    std::stable_sort(box.begin(), box.end(),
                     [channel](QRgb a, QRgb b) { return Channel(a, channel) < Channel(b, channel); });
    TBox upper(box.begin() + static_cast<long>(box.size() / 2), box.end());
    box.resize(box.size() / 2);
    boxes.push_back(std::move(upper));
  }
  std::vector<QRgb> palette;
  for (const TBox& box : boxes) palette.push_back(Average(box));
  return palette;
}

int NearestPaletteIndex(const std::vector<QRgb>& palette, QRgb colour) {
  int best = 0;
  int bestDistance = 1 << 30;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const int dr = qRed(palette[i]) - qRed(colour);
    const int dg = qGreen(palette[i]) - qGreen(colour);
    const int db = qBlue(palette[i]) - qBlue(colour);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      best = static_cast<int>(i);
      bestDistance = distance;
    }
  }
  return best;
}
