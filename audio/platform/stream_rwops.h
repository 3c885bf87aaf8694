// An SDL_RWops whose callbacks read a library stream, so the mixer's
// decoders stream music through TStream like every other loader.
#pragma once

#include <SDL.h>

#include "stream/stream.h"

namespace tazmix {

// Reads and seeks `stream`, which must outlive the result; writing fails.
// Free it with SDL_FreeRW (closing it leaves the stream open). The callbacks
// may run on the audio thread; an exception from the stream becomes an SDL
// error there and never crosses SDL. Null when SDL has no memory.
SDL_RWops* StreamRWops(TStream& stream);

}  // namespace tazmix
