// PrintServices: the editor's entries that the printing library fills at start-up.
#pragma once

struct NeighbourServices;

// The e-signature status query and the filing report.
void installPrintServices(NeighbourServices &services);
