// Which pose each sprite set shows in its two frames; the resting set has nothing in frame 2.
#include "SpriteCatalog.h"

#include <array>
#include <cassert>
#include <optional>

#include "ArtScale.h"

namespace {

struct TSetPoses {
  const char* Prefix;
  std::array<std::optional<TSpritePose>, 2> Frames;
};

// A selected ball cycles rest, squashed, raised, squashed: it crouches, leaps and lands.
const std::array<TSetPoses, 4> Sets = {{
    {"normal", {TSpritePose::Rest, std::nullopt}},
    {"make", {TSpritePose::GrowSmall, TSpritePose::GrowLarge}},
    {"jump", {TSpritePose::Squashed, TSpritePose::Raised}},
    {"destroy", {TSpritePose::Cracked, TSpritePose::Shattered}},
}};

}  // namespace

std::vector<TSpriteSlot> SpriteSlots() {
  std::vector<TSpriteSlot> catalog;
  for (const TSetPoses& set : Sets) {
    for (int frame = 1; frame <= 2; ++frame) {
      const auto& pose = set.Frames[static_cast<std::size_t>(frame - 1)];
      for (int code = 0; code <= 9; ++code) {
        const std::string name = set.Prefix + std::to_string(frame) + std::to_string(code);
        if (!pose) catalog.push_back({name, TSpriteKind::Empty, TSpritePose::Rest, code});
        else if (code == 0) catalog.push_back({name, TSpriteKind::Placeholder, *pose, code});
        else catalog.push_back({name, TSpriteKind::Ball, *pose, code});
      }
    }
  }
  return catalog;
}

int SpriteSlotIndex(int set, int frame, int code) {
  assert(set >= 0 && set < static_cast<int>(Sets.size()) && frame >= 1 && frame <= 2 && code >= 0 && code <= 9);
  return 20 * set + 10 * (frame - 1) + code;
}

QImage RenderSpriteSlot(const TSpriteSlot& slot, double scale, TBallMarking marking) {
  switch (slot.Kind) {
    case TSpriteKind::Empty: return {};
    case TSpriteKind::Placeholder: return RenderPlaceholderSprite(scale);
    case TSpriteKind::Ball: return RenderBallSprite(slot.Pose, slot.Code, scale, marking);
  }
  return {};
}

std::vector<QImage> RenderSpriteSheet(double scale, TBallMarking marking) {
  assert(IsArtScale(scale));
  std::vector<QImage> sheet;
  for (const TSpriteSlot& slot : SpriteSlots()) sheet.push_back(RenderSpriteSlot(slot, scale, marking));
  return sheet;
}
