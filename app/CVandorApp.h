// The application: makes the document, the main window and the board view,
// and carries out the commands that belong to the program as a whole (About,
// new document, printer set-up).
#pragma once

#include <QObject>
#include <QStringList>

#include "app/CVandorDoc.h"

class CMainFrame;

class CVandorApp : public QObject {
    Q_OBJECT

public:
    CVandorApp();
    ~CVandorApp() override;

    // Names the application, creates and shows the main window. The arguments
    // are accepted and ignored: a file named there never loads a puzzle.
    bool InitInstance(const QStringList& arguments = {});

    CMainFrame* GetMainFrame() const { return m_frame; }
    CVandorDoc& GetDocument() { return m_doc; }

public slots:
    void OnShowVersion();     // About box
    void OnFileNew();         // re-initialises the document; the board stays as it is
    void OnFilePrintSetup();  // the platform's printer set-up

private:
    CVandorDoc m_doc;
    CMainFrame* m_frame = nullptr;
};
