// The program's entry: the runtime starts, then the game's main function runs.
#include "runtime/application.h"

namespace {

// The game's main function; the game itself comes later.
int GameMain() { return 0; }

}  // namespace

int main(int argc, char** argv) { return tazmix::RunApplication(argc, argv, GameMain); }
