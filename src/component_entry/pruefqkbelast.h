#pragma once

// Check listing of the quality classes and stress data of WorkStr 6, spelled out
// as listing records after the head of the listing.
void PruefQkBelast();
