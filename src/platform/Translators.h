#pragma once
// The program's own texts and Qt's (dialog buttons, file, colour and input
// dialogs) in the chosen language, through Qt's translators.
#include <QString>

namespace translators {

// The folder beside the program that holds trevik_<code>.qm.
QString Folder(const QString& exeDir);

// Replaces the installed translators with those of `code` ("de", "zh_CN").
// English keeps only the program's plural forms. False when the program's
// own file for the language could not be loaded; its texts then read in
// English, Qt's still follow the language where Qt has them.
bool Apply(const QString& folder, const QString& code);

// The code of the language now installed ("en" before the first Apply).
QString Current();

}  // namespace translators
