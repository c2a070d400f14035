#include "app/CVandorApp.h"

#include <QGuiApplication>

#include "Version.h"
#include "app/CMainFrame.h"
#include "dialogs/Dialogs.h"
#include "view/CVandorView.h"
#include "view/Printing.h"

CVandorApp::CVandorApp() = default;

CVandorApp::~CVandorApp()
{
    delete m_frame;
}

bool CVandorApp::InitInstance(const QStringList&)
{
    QCoreApplication::setApplicationName(QStringLiteral("vandor"));
    // The settings the window keeps live under this name (tests set their own).
    if (QCoreApplication::organizationName().isEmpty())
        QCoreApplication::setOrganizationName(QStringLiteral("vandor"));
    QCoreApplication::setApplicationVersion(QLatin1String(version::kVersion));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QLatin1String(version::kDesktopId));

    if (!m_doc.OnNewDocument())
        return false;
    m_frame = new CMainFrame(this);
    m_frame->UpdateCaption();
    // The first paint builds the board and fits the window to it.
    m_frame->show();
    return true;
}

void CVandorApp::OnShowVersion()
{
    CAboutDlg dlg(m_frame);
    dlg.DoModal();
}

void CVandorApp::OnFileNew()
{
    if (!m_doc.OnNewDocument() || !m_frame)
        return;
    m_frame->UpdateCaption();
    m_frame->GetView()->update();
}

void CVandorApp::OnFilePrintSetup()
{
    RunPrintSetup(m_frame);
}
