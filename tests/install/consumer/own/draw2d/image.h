// The program's own header under a name the library uses too.
#pragma once

namespace game {
struct Image {
  int width = 32;
};
}  // namespace game
