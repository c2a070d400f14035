// The main window: the menu bar and the keyboard accelerators, the board view
// as its only content, no toolbar and no status bar. Every command carries its
// id from CommandIds.h on its action and is routed by id: first to the view,
// then to the application; the edit and pane keys are taken and do nothing.
#pragma once

#include <QMainWindow>

class CVandorApp;
class CVandorView;
class QAction;

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(CVandorApp* app, QWidget* parent = nullptr);

    CVandorView* GetView() const { return m_view; }

    // The action that carries command id, menu item or accelerator; nullptr if none.
    QAction* FindCommand(int id) const;

    // Caption from the document title and the program's window title.
    void UpdateCaption();

    // Carries out a command as if its menu item or key had been used.
    void OnCommand(int id);

private:
    void BuildMenus();
    void BuildAccelerators();
    QAction* NewCommand(const QString& text, int id);
    // A checkable item; switching it over calls the view's handler with the
    // new state.
    QAction* NewToggle(const QString& text, int id, bool checked);

    CVandorApp* m_app;
    CVandorView* m_view;
};
