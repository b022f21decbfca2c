// Resizing a form: each control keeps its distance to the window edges it is anchored to.
#pragma once

struct Box {
  int left, top, right, bottom;
};

// The window edges a control follows. Anchored left and right it stretches; right only, it moves.
enum AnchorEdges : unsigned {
  ANCHOR_LEFT = 1,
  ANCHOR_TOP = 2,
  ANCHOR_RIGHT = 4,
  ANCHOR_BOTTOM = 8,
  ANCHOR_TOP_LEFT = ANCHOR_LEFT | ANCHOR_TOP,
  ANCHOR_ALL = ANCHOR_LEFT | ANCHOR_TOP | ANCHOR_RIGHT | ANCHOR_BOTTOM,
};

// The box of a control laid out in a form of the first size, once the form has grown by dx, dy
// (negative: shrunk). A stretching control never gets narrower or lower than nothing.
Box AnchoredBox(const Box& laidOut, unsigned edges, int dx, int dy);
