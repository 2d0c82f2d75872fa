#pragma once

#include "common/colour.h"

namespace orvell::controls {

// Lightens (d > 0) or darkens (d < 0) a plain colour. Blue moves by d x B / 192 on top of d, so greys
// lean towards blue as they darken; components stop at 0 and 255. The colour is used as given: a
// system colour must be resolved first.
Colour Shade(Colour colour, int d);

// The softened colour the flat types fill their areas with in the normal state: each component x
// becomes (x + 76) - 19 x floor((x + 32) / 64), so dark components rise and light ones stay. Takes a
// resolved colour.
Colour SmoothColour(Colour colour);

// Rounds to the nearest integer, a half to the even neighbour (0.5 -> 0, 1.5 -> 2, -2.5 -> -2): the
// rounding of every gradient step, split and glyph size of the buttons.
int RoundHalfEven(double value);

// Floor of a quotient of integers, also for negative numerators.
int FloorDiv(int numerator, int denominator);

// Floor to an integer; values beyond the int range stop at its ends.
int FloorToInt(double value);

// Grey value of a colour: round(round(0.3 R) + 0.59 G + 0.11 B), both roundings to even.
int GreyLevel(Colour colour);

}  // namespace orvell::controls
