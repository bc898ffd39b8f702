#pragma once

#include "view/painter.h"

// One line under the candidates, and a second where needed: the near sequences of marks that
// match none, clickable like candidates, and the first one's slips; or, when several match,
// which of them the next mark leaves and how many marks settle it, or, when no mark can, what
// tells them apart.
void draw_seed_hints(Painter& painter, const WindowState& state, int clientWidth);
