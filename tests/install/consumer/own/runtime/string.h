// The program's own header under a name the library uses too.
#pragma once

namespace game {
inline const char* Greeting() { return "own"; }
}  // namespace game
