#pragma once

class QApplication;

namespace velunda::ui {

// The toolkit's own Chinese texts, so that its buttons and dialogs speak the language of
// every caption: a message box's OK reads "确定", and the file and print dialogs are
// Chinese. Reads qtbase_zh_CN.qm from the toolkit's translations folder (Debian package
// qt6-translations-l10n); without it the toolkit keeps its English texts. Call it once,
// as soon as the application exists.
void InstallChineseTranslations(QApplication& app);

}  // namespace velunda::ui
