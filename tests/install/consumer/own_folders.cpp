// A program whose own folders carry the names of the library's modules: its
// audio/sound.h, runtime/string.h and draw2d/image.h sit in own/, on its
// include path beside the library's. Each side must reach its own headers;
// either mix-up fails the build. Prints "own_folders: ok" when it runs.
#include <tazmix/tazmix.h>

#include <cstdio>

#include "audio/sound.h"
#include "draw2d/image.h"
#include "runtime/string.h"

int main() {
  const game::Sound sound;
  const game::Image image;
  const tazmix::String text = tazmix::String(game::Greeting()) + tazmix::String::FromInt(sound.volume + image.width);
  const tazmix::Ref<tazmix::TSound> none;  // the library's TSound, reached through tazmix.h
  if (text.ToUTF8String() != "own39" || none) {
    std::fprintf(stderr, "own_folders: \"%s\"\n", text.ToUTF8String().c_str());
    return 1;
  }
  std::printf("own_folders: ok\n");
  return 0;
}
