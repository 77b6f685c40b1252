// Vexor Engine: what the message pump tells the input module between samples.
#pragma once

// A key (SDL scancode) or mouse button (SDL button number) went down. Counted
// as down in the next sample even when it is up again by then, so a press and
// release between two frames is still a click.
void VXInputNoteKeyDown(int scancode);
void VXInputNoteButtonDown(int button);
