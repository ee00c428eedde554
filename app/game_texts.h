#pragma once

#include "app/game_session.h"

#include <QString>

namespace tarvo {

// The words the player reads and hears for the session's events, in the
// program's language. A game of one person against the computer speaks to
// the person; any other pair of players is spoken of by colour.
QString StatusText(Status status, int16_t colour, bool onePerson);
// What a screen reader says of the turn label.
QString TurnName(int16_t colour, bool human, bool onePerson);
QString ColourName(int16_t colour);
// The result box: how the game ended, the counts and who won.
QString ResultText(const event::GameOver& over, int16_t person, bool onePerson);

} // namespace tarvo
