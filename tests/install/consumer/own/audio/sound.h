// The program's own header under a name the library uses too.
#pragma once

namespace game {
struct Sound {
  int volume = 7;
};
}  // namespace game
