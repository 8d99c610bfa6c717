#pragma once
// The drawing surface as assistive technology sees it: a canvas whose
// children are the drawn items, each named as the item list names it and
// placed where it is drawn.

// Call from the canvas's constructor.
void UseDiagramCanvasAccessible();
