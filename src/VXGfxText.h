// Vexor Engine: text's own part of the graphics start and end. Internal to graphics.
#pragma once

// Releases every font and the face library (the context is going).
void VXGfxTextShutdown(void);
