// The number of GDI objects that this process holds, to tell a leak from a steady state.
#pragma once

// GetGuiResources where it counts; Wine's always gives 0, and there Wine's GDI handle table (the
// one the process environment block points to) is counted instead.
int LiveGdiObjects();
