#pragma once

class QCoreApplication;

namespace ui {

// Qt's own texts (the fields' context menus, the file dialog) in the user's
// language, when the system has Qt's translation for it; otherwise they stay
// in English. The program's own texts are Italian whatever the language.
void installQtTranslations(QCoreApplication& app);

} // namespace ui
