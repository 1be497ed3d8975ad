#pragma once
// Qt's own texts (standard buttons, file, colour, font and print dialogs) in Chinese.

// Loads Qt's zh_CN translations from the Qt installation and installs them on the
// application; false when they are not installed (Qt then speaks English).
bool InstallQtTranslations();
