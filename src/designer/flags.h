#pragma once
// Conversions between flag expressions, flag choices and numeric styles.
#include <string>
#include "designer/class_table.h"
#include "designer/records.h"

ClassInfo *FindClassInfo(const char *className);
int FindFlagIndex(const char *className, const char *flagName);
// The rows a flag name of a class is looked up in: its own, window styles, common-control styles.
struct FlagRows {
    ClassInfo *rows[3];
};
FlagRows FlagRowsOf(const char *className);
// Value of one flag name in those rows (the first that knows it); false when unknown.
bool FlagNameValue(const FlagRows &rows, const char *name, bool ex, uint32_t &value);
uint32_t StringToDword(const char *expr, const char *className);
uint32_t StringToDwordEx(const char *expr, const char *className);
void StringToflon(const char *expr, const char *className, Ctrldata *rec);
void StringToflonEx(const char *expr, const char *className, Ctrldata *rec);
void DlgdataStringToflon(Dlgdata *dlg, const char *expr);
void ClearUnsetChoices(uint32_t style, const char *className, int32_t *selClass);
// Names of list-1 (or list-2 when ex) flags whose bits are all in value, joined by " | ".
std::string FlagNamesForValue(uint32_t value, const char *className, bool ex);
std::string FlagsToStyleText(const Ctrldata &rec);
// Class and window choices of a record from a live window style: the class's
// kind field (buttons, statics, combo boxes) by its exact value, other class
// flags and the single-bit window flags of the high word when all their bits are set.
void ChoicesFromStyle(uint32_t style, const char *className, Ctrldata *rec);
std::string DlgFlagsToStyleText(const Dlgdata &dlg, bool exPart);
