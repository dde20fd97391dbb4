#pragma once

class QtInteraction;

// Registers the window of every kind of question the core asks (QuestionKind)
// with the Interaction of a person at the screen. Dialogs open over the
// Interaction's owner (the main window once it is set).
void registerWindows(QtInteraction& qtUi);
