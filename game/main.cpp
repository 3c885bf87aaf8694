// Vindra!: the runtime starts, then the game.
#include "game/game_app.h"
#include "runtime/application.h"

int main(int argc, char** argv) { return tazmix::RunApplication(argc, argv, vindra::GameMain); }
