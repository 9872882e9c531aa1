// Writing the menu designer's menu as resource script.
#include "designer/menu_script.h"
#include "designer/writer.h"

std::string BuildMenuScript(const std::vector<std::vector<std::string>> &columns, const char *menuName)
{
    std::string s = std::string("\r\n") + menuName + " MENU DISCARDABLE\r\nBEGIN\r\n";
    for (const std::vector<std::string> &col : columns) {
        if (col.empty())
            break;
        if (col.size() == 1) {
            s += "MENUITEM " + QuoteScriptText(col[0].c_str()) + ",IDM_USERS(1)\r\n";
            continue;
        }
        s += "    POPUP " + QuoteScriptText(col[0].c_str()) + "\r\n    {\r\n";
        for (size_t i = 1; i < col.size(); i++) {
            if (col[i] == "SEPARATOR")
                s += "        MENUITEM  SEPARATOR\r\n";
            else
                s += "        MENUITEM " + QuoteScriptText(col[i].c_str()) + ",IDM_USERS(2)\r\n";
        }
        s += "        \r\n    }\r\n\r\n";
    }
    return s + "\r\nEND\r\n\r\n";
}
