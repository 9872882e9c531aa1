// Input forms of a fetched page turned into search entry records.
#pragma once
#include "web/search_entry.h"

enum { FORM_TABLE_SIZE = 32, FORM_HIDDEN_COUNT = 16 };

// Zeroes the table of FORM_TABLE_SIZE records and fills one record per text
// input field of a form: server and path from the form's action (server
// empty for a relative action: the caller puts in the fetched host), method
// in capitals ("GET" when the form gives none), variable "name=value" and
// the form's hidden fields as options "name=value". A form left open at the
// end of the page is finished as if closed. Returns the number of records;
// *pbTableFull (may be null) is set when text inputs were left out because
// the table was full (the caller shows its message once).
int HttpAnal_AnalForm(const char *szPage, SearchEntry *pTable, bool *pbTableFull);
