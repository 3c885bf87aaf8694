// The page's Web Audio graph, kept on the JavaScript side as
// Module.tazmixAudio: one AudioContext, the decoded sounds by number, the
// channels and the music, each a Path of gains (web_audio_graph.cpp).
// web_audio_platform.cpp plays on it.
#pragma once

#include <cstdint>

namespace tazmix {

// Makes the AudioContext and its graph once, and gives its sample rate;
// false when the page has none (under node), and Module.tazmixAudio is then
// null. A context the browser holds back until the user acts (its autoplay
// rule) starts at the page's first key or click.
bool StartWebAudio(int32_t* rate);

}  // namespace tazmix
