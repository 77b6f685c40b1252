// Vexor Engine: the reference path's draw. Internal to graphics.
#pragma once

struct VXGfxVertexList;

// Draws at once with the render state as the game set it: every piece of it
// sent to GL, every location looked up by name, through the program of the
// render mode, as the renderer did before it had a fast path. It keeps no
// record of what GL holds, and leaves GL as the draw needed it.
void VXGfxReferenceDraw(const VXGfxVertexList* mesh, int mode);
