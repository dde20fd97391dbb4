#pragma once

class MenuDispatcher;

// The composition root's wiring of the subsystems into the seams of the layers
// below them: the frame and the dialogue call no subsystem above them directly.

// The procedures that the selection-menu window starts (Q-list prediction,
// component entry). Once per process, before any window state is made.
void installProcedures();

// The links of the component editor into the calculation, which need the
// system database of a started program.
void installCalculationLinks();

// Every menu command of the main window that a subsystem carries out.
void installEntryProcedures(MenuDispatcher& dispatcher);
