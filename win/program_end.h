#pragma once

// The program closed for good from outside, as an installer asks it to (session_rules.h):
// once EndProgram has been called, every modal loop ends its window, the innermost first, each
// window saving what it keeps on its way, and no window opens any more. The calculator's
// loop is the last, and the program ends with it.
void EndProgram();
bool ProgramEnding();
