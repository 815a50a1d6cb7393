// PrintServices: the editor's entries that the printing library fills at start-up.
#pragma once

struct NeighbourServices;

// The print command, the print itself, the single-form print, the e-signature status query
// and the filing report.
void installPrintServices(NeighbourServices &services);
