#pragma once

class MenuDispatcher;

// Every menu command of the main window that a subsystem carries out.
void installEntryProcedures(MenuDispatcher& dispatcher);
