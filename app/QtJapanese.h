// Qt's own texts (standard buttons, the file, print and page set-up dialogs)
// in Japanese whatever the locale, like the rest of the window.
#pragma once

// Installs Qt's Japanese translation into the running application and makes
// Japanese the default locale of its widgets. False, with Qt's texts left
// as they are, when the translation cannot be found or there is no
// application yet. Calling it again changes nothing.
bool LoadQtJapanese();
