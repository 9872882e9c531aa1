#pragma once
// The MENU resource script of the menu designer.
#include <string>
#include <vector>

// columns: one list per top-level entry, entry 0 the title and the rest its items
// ("SEPARATOR" a separator). Writing stops at the first empty column.
std::string BuildMenuScript(const std::vector<std::vector<std::string>> &columns, const char *menuName);
