#pragma once

// Prints the print listing "t.tmp" of one single-component prediction into the
// current print job: the font follows each record's type letter, runs of
// records of one type stay together on a page, framed lines ("F-") and tables
// ("H+") get their rules, and the last page is closed with the page numbers
// restarted. MArchPage: the pages also go to the archive copy.
void DruckBtProg(bool& MArchPage);
