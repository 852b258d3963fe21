#pragma once

// The program closed for good from outside, as an installer asks it to (session_rules.h):
// once EndProgram has been called, every modal loop ends its window, the innermost first, each
// window saving what it keeps on its way, and no window opens any more. A dialog box of the
// system's open meanwhile (a message box, the Save As dialog) is cancelled as Escape cancels
// it. The calculator's loop is the last, and the program ends with it.
void EndProgram();
bool ProgramEnding();

// The session ends, or the program does: the saves made for it ask nobody anything, since
// nobody would answer before Windows or the installer gives up on the program.
void MarkSessionEnding();
bool SessionEnding();
