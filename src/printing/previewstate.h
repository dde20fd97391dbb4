#pragma once
#include <QString>
#include <cstdint>

// What the print preview decides, kept apart from its window so that scripted
// and batch answers take the same path as a person at the screen. The window
// shows the page AktSeite and forwards its buttons as command keys.
class PreviewState {
public:
    PreviewState(int pages, bool archive, bool pdfOffered);

    // Command keys of the window's buttons: "pr mit", "pr ohne", "arch" (print
    // commands; above 20 pages they ask message 94 first), "<<", "<", ">", ">>",
    // "can". Returns true when the page on display changed.
    bool command(const QString& key);
    // Closing the window while the user decides counts as "can".
    void close();
    // The page typed into the page field: turns to it when it is a page of the
    // job (1 to pages()); false, and the page stays, for anything else.
    bool goToPage(int page);

    int pages() const { return mPages; }
    int32_t AktSeite = 1; // 0: cancelled
    bool ArchivJa;        // in: the job is to be archived; out: false for "pr ohne"
    bool NurArchiv = false;
    bool pdfOffered;      // the PDF check box is shown (a PDF printer is configured)
    bool pdfTicked = false;
    bool archiveButtons;  // "pr ohne" and "arch" are shown (archived job)

    bool decided() const { return mDecided; }
    bool confirmed() const { return mDecided && AktSeite > 0; }

private:
    int mPages;
    bool mDecided = false;
};
