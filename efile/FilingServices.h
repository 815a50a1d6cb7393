// FilingServices: the editor's entries that the filing library fills at start-up.
#pragma once

struct NeighbourServices;

// The ReFile command and the clearing of the re-file flag.
void installFilingServices(NeighbourServices &services);
