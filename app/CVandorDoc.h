// The document: it holds no puzzle data (all of that is in GameState) and is
// never modified, so closing the program never asks to save.
#pragma once

#include <QString>

class CVandorDoc {
public:
    // Re-initialises the document: it gets its untitled name back.
    bool OnNewDocument();

    const QString& GetTitle() const { return m_title; }

private:
    QString m_title;
};
