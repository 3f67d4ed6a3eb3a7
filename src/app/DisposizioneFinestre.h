#pragma once

class QMdiArea;

// The frame's arrangements that QMdiArea lacks. Minimized windows keep their
// icons; the others share the area above the icons' row.

// One above the other, each as wide as the area.
void AffiancaInRighe(QMdiArea* area);
// Side by side, each as high as the area.
void AffiancaInColonne(QMdiArea* area);
// Lines up the minimized windows from the bottom-left corner.
void DisponiIcone(QMdiArea* area);
