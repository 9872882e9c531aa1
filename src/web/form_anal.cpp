#include "web/form_anal.h"

#include "common/cp932.h"
#include "web/html_scan.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <strings.h>

struct OpenForm {
    bool bOpen;
    int nFirst;  // first record of the form
    char szServer[ENTRY_SERVER_SIZE], szPath[ENTRY_PATH_SIZE], szMethod[ENTRY_METHOD_SIZE];
    char aHidden[FORM_HIDDEN_COUNT][ENTRY_OPTION_SIZE];
    int nHidden;
};

/* Writes "name=value" cut on a character boundary into out of nSize bytes. */
static void JoinNameValue(const char *name, const char *value, char *out, size_t nSize)
{
    std::string both = std::string(name) + "=" + value;
    size_t keep = cp932::CutOnCharBoundary(both.data(), both.size(), nSize - 1);
    std::memcpy(out, both.data(), keep);
    out[keep] = '\0';
}

/* Gives every record of the open form its server, path, method and hidden
   fields, and closes it. */
static void CloseForm(OpenForm *pForm, SearchEntry *pTable, int nCount)
{
    if (!pForm->bOpen)
        return;
    for (int r = pForm->nFirst; r < nCount; ++r) {
        SearchEntry &e = pTable[r];
        std::strcpy(e.szServer, pForm->szServer);
        std::strcpy(e.szPath, pForm->szPath);
        std::strcpy(e.szMethod, pForm->szMethod[0] ? pForm->szMethod : "GET");
        for (int h = 0; h < pForm->nHidden; ++h)
            std::strcpy(e.szOptions[h], pForm->aHidden[h]);
    }
    pForm->bOpen = false;
}

/* Starts a form from the attributes of its tag. */
static void OpenNewForm(OpenForm *pForm, const char *szTag, int nCount)
{
    std::memset(pForm, 0, sizeof *pForm);
    pForm->bOpen = true;
    pForm->nFirst = nCount;
    char method[ENTRY_METHOD_SIZE];
    GetTagAttribute(szTag, "method", "=", method, sizeof method);
    for (size_t i = 0; method[i]; ++i)
        pForm->szMethod[i] = char(std::toupper(static_cast<unsigned char>(method[i])));
    char action[ENTRY_SERVER_SIZE + ENTRY_PATH_SIZE];
    GetTagAttribute(szTag, "action", "=", action, sizeof action);
    const char *path = action;
    if (strncasecmp(action, "http://", 7) == 0) {
        const char *host = action + 7;
        const char *slash = std::strchr(host, '/');
        size_t hostLen = slash ? size_t(slash - host) : std::strlen(host);
        hostLen = cp932::CutOnCharBoundary(host, hostLen, ENTRY_SERVER_SIZE - 1);
        std::memcpy(pForm->szServer, host, hostLen);
        path = slash ? slash : "/";
    }
    size_t keep = cp932::CutOnCharBoundary(path, std::strlen(path), ENTRY_PATH_SIZE - 1);
    std::memcpy(pForm->szPath, path, keep);
}

/* True when an input of this type is a text field. */
static bool IsTextType(const char *type)
{
    std::string t = LowerCopy(type, std::strlen(type));
    return t.empty() || t.find("text") != std::string::npos || t == "search";
}

int HttpAnal_AnalForm(const char *szPage, SearchEntry *pTable, bool *pbTableFull)
{
    std::memset(pTable, 0, sizeof(SearchEntry) * FORM_TABLE_SIZE);
    if (pbTableFull)
        *pbTableFull = false;
    OpenForm form;
    std::memset(&form, 0, sizeof form);
    int nCount = 0;
    for (const char *lt = std::strchr(szPage, '<'); lt; ) {
        const char *gt = std::strchr(lt + 1, '>');
        std::string tag(lt + 1, gt ? size_t(gt - lt - 1) : std::strlen(lt + 1));
        const char *p = tag.c_str();
        while (std::isspace(static_cast<unsigned char>(*p)))
            ++p;
        size_t nameLen = 0;
        while (IsWordByte(static_cast<unsigned char>(p[nameLen])))
            ++nameLen;
        std::string name(p, nameLen);
        if (strcasecmp(name.c_str(), "form") == 0) {
            CloseForm(&form, pTable, nCount);
            OpenNewForm(&form, p + nameLen, nCount);
        } else if (strcasecmp(name.c_str(), "input") == 0 && form.bOpen) {
            const char *attrs = p + nameLen;
            char type[256], field[ENTRY_VARIABLE_SIZE], value[ENTRY_VARIABLE_SIZE];
            GetTagAttribute(attrs, "type", "=", type, sizeof type);
            GetTagAttribute(attrs, "name", "=", field, sizeof field);
            GetTagAttribute(attrs, "value", "=", value, sizeof value);
            std::string lowType = LowerCopy(type, std::strlen(type));
            if (IsTextType(type)) {
                if (nCount == FORM_TABLE_SIZE) {
                    if (pbTableFull)
                        *pbTableFull = true;
                    break;
                }
                JoinNameValue(field, value, pTable[nCount].szVariable, ENTRY_VARIABLE_SIZE);
                ++nCount;
            } else if (lowType.find("hidden") != std::string::npos && form.nHidden < FORM_HIDDEN_COUNT) {
                JoinNameValue(field, value, form.aHidden[form.nHidden++], ENTRY_OPTION_SIZE);
            }
        } else if (nameLen == 0 && *p == '/' && strncasecmp(p + 1, "form", 4) == 0 &&
                   !IsWordByte(static_cast<unsigned char>(p[5]))) {
            CloseForm(&form, pTable, nCount);
        }
        if (!gt)
            break;
        lt = std::strchr(gt + 1, '<');
    }
    CloseForm(&form, pTable, nCount);
    return nCount;
}
