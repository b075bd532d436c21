// app/gear_choices.cpp — the texture choices for riding gear ("rider_body-"), helmet
// ("rider_head-"), bike and wheel graphics. They are read from the game's texture names,
// which come with the bike catalogue; until then each choice keeps its one start name.
#include "app/startup.h"

void gear_choices_build() {}
