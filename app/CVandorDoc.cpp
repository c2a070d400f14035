#include "app/CVandorDoc.h"

bool CVandorDoc::OnNewDocument()
{
    m_title = QStringLiteral("しろまるくろまる");
    return true;
}
