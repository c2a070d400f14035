#include "dialogs/Dialogs.h"
#include "model/GameState.h"
#include "view/CVandorView.h"
#include "view/WindowSettings.h"

void CVandorView::OnBoardSize()
{
    CSizeDlg dlg(window());
    dlg.m_width = GameState.width;
    dlg.m_height = GameState.height;
    if (dlg.DoModal() != QDialog::Accepted)
        return;

    // The next paint rebuilds an empty board of this size and fits the
    // window; that happens on every OK, even with the size unchanged.
    GameState.width = dlg.m_width;
    GameState.height = dlg.m_height;
    GameState.layoutState = 0;
    ClearCheckMarks();
    update();
}

void CVandorView::OnHelpRules()
{
    CRulesDlg dlg(window());
    dlg.DoModal();
}

void CVandorView::OnHelpCreate()
{
    CCreateHelpDlg dlg(window());
    dlg.DoModal();
}

void CVandorView::OnHelpSolve()
{
    CSolveHelpDlg dlg(window());
    dlg.DoModal();
}

void CVandorView::OnHelpTools()
{
    CToolsHelpDlg dlg(window());
    dlg.DoModal();
}

void CVandorView::OnNotifySolved(bool on)
{
    SetNotifyWhenSolved(on);
}
