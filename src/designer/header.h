#pragma once
// Dialog header statements: finding them and rewriting a header from records.
#include <string>
#include "designer/locator.h"
#include "designer/records.h"

// First header statement (CAPTION, CHARACTERISTICS, CLASS, EXSTYLE, FONT, LANGUAGE,
// MENU, STYLE, VERSION) at or after from; keyword gets its word.
TextSpan FindHeaderStatement(const std::string &header, size_t from, std::string *keyword);
// The new header text: first line from dlg, CAPTION/EXSTYLE/FONT/STYLE replaced or
// appended, the other statements kept. org names the first line as it stands.
std::string WriteDialogHeader(const std::string &header, const Dlgdata &dlg, const Dlgdata &org);
