// The application-wide wait cursor, set and restored in pairs on the GUI thread.
#pragma once

void beginWaitCursor();
void endWaitCursor();
