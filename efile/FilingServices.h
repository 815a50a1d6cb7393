// FilingServices: the editor's entries that the filing library fills at start-up.
#pragma once

struct NeighbourServices;

// The ReFile command, the clearing of the re-file flag and the NETFILE command.
void installFilingServices(NeighbourServices &services);
