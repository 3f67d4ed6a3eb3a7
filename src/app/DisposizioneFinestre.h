#pragma once

class QMdiArea;

// The frame's arrangements that QMdiArea lacks. Minimized windows keep their
// icons; the others share the area above the icons' row.

// Stacked from the top-left corner in creation order, each a title bar's
// height below and right of the one before, each keeping its size (the
// absolutely placed windows have no size hint to cascade to) but cut to the
// area where it would stick out.
void Sovrapponi(QMdiArea* area);
// One above the other, each as wide as the area.
void AffiancaInRighe(QMdiArea* area);
// Side by side, each as high as the area.
void AffiancaInColonne(QMdiArea* area);
// Lines up the minimized windows from the bottom-left corner.
void DisponiIcone(QMdiArea* area);
