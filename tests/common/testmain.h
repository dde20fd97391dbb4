#pragma once

// The two test mains (core tests with a GUI application for fonts and PDF,
// window tests with a widget application) share the set-up of the process.

// Before the application object: headless platform, C locale, no disk flushes.
void prepareTestProcess();
// Installs the Program and the links as the program does, runs every test.
int runAllTests(int& argc, char** argv);
