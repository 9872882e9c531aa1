#pragma once
// Writing dialogs back as resource script text (CP932, CRLF lines).
#include <string>
#include <vector>
#include "designer/records.h"

// Quotes a text for a script: a double quote becomes "" (already doubled ones are kept), a
// backslash that starts no escape becomes \\ (the reader's form of texts read back unchanged).
std::string QuoteScriptText(const char *text);
// One control statement: the short form for EDIT/LISTBOX/COMBOBOX/SCROLLBAR and the
// decorated BUTTON_/STATIC_ classes, CONTROL for everything else.
std::string ControlStatement(const Ctrldata &rec, const char *ident, bool allowTextForms);
// Style text of a control with any bits that no chosen name gives added as a hex number.
std::string ControlStyleText(const Ctrldata &rec);
// A dialog read from a script, written back: #define lines for named identifiers, header, block.
std::string EmitDialog(const Dlgdata &dlg, const std::vector<Ctrldata> &controls);
// A newly designed dialog: names unnamed controls prefix+word+counter (stored back into
// the records) and numbers the definitions from startId.
std::string WriteNewDialog(const Dlgdata &dlg, std::vector<Ctrldata> &controls, const char *prefix,
                           int startId, const std::string &styleText, std::string &definitions);
// Backup entry appended to "<config>backup.rc" before a customised dialog is replaced.
std::string BackupFileName(const char *configDir);
std::string BackupEntry(const char *dialogName, const char *ascTime, const std::string &header,
                        const std::string &body);
// The calling source's command switch: one case per control, each ending in its own
// break, put right after "switch(LOWORD(wp)){" (the last control first). IDOK and
// IDCANCEL are left to the cases that close the dialog.
void AddControlCases(std::string &source, const std::vector<Ctrldata> &controls);
