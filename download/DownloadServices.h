// DownloadServices: the editor's entries that the download library fills at start-up.
#pragma once

struct NeighbourServices;

// The Auto-fill My Return command: the download manager over the stored downloads; and the
// model's Auto-fill merge (installAutoFillMerge).
void installDownloadServices(NeighbourServices &services);
