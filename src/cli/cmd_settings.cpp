// sora-tool config: "config.cfg" or "ubuttons.cfg" as readable text, one
// field a line, with the first damaged field and its offset.
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/cli_command.h"
#include "cli/cli_io.h"
#include "common/cp932.h"
#include "settings/button_block.h"
#include "settings/config_file.h"

/* Quoted: a text in double quotes; \, " and control bytes escaped, the
   second byte of a double-byte character left as it is. */
static std::string Quoted(const std::string &text)
{
    std::string out = "\"";
    const char *p = text.c_str();
    size_t nLen = std::strlen(p);
    for (size_t i = 0; i < nLen;) {
        size_t nChar = cp932::CharLength(p + i, p + nLen);
        unsigned char b = static_cast<unsigned char>(p[i]);
        if (nChar == 2) {
            out.append(p + i, 2);
        } else if (b == '\\' || b == '"') {
            out.push_back('\\');
            out.push_back(static_cast<char>(b));
        } else if (b < 0x20 || b == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        } else {
            out.push_back(static_cast<char>(b));
        }
        i += nChar;
    }
    return out + "\"";
}

/* Line: appends "name=value\n". */
static void Line(std::string &out, const std::string &name, const std::string &value)
{
    out += name + "=" + value + "\n";
}

static std::string Num(long long v) { return std::to_string(v); }

static std::string Hex(const uint8_t *p, size_t n)
{
    std::string out;
    char hex[4];
    for (size_t i = 0; i < n; ++i) {
        std::snprintf(hex, sizeof hex, "%02X", p[i]);
        out += hex;
    }
    return out;
}

/* FormatButtons: the button pages, one button a line. */
static void FormatButtons(std::string &out, const UserButtonPages &pages)
{
    int nPages = 0;
    while (nPages < USER_PAGE_SLOTS && !pages.slots[nPages].empty())
        ++nPages;
    Line(out, "buttonPages", Num(nPages));
    for (int k = 0; k < nPages; ++k) {
        Line(out, "buttonPage[" + Num(k) + "]", Num(pages.slots[k].size()));
        for (size_t i = 0; i < pages.slots[k].size(); ++i) {
            const UserButton &b = pages.slots[k][i];
            Line(out, "button[" + Num(k) + "][" + Num(i) + "]",
                 "label=" + Quoted(b.szLabel) + " kind=" + Num(b.kind) + " value=" + Num(b.value) +
                     " text=" + Quoted(b.text));
        }
    }
}

/* FormatConfig: the fields of a config file read before nLastField + 1. */
static void FormatConfig(std::string &out, const ConfigFile &cfg, int nLastField)
{
    const SettingsRecord &s = cfg.settings;
    const SessionState &ss = cfg.session;
    for (int f = 1; f <= nLastField; ++f) {
        switch (f) {
        case 1:
            Line(out, "bOpenLastFile", Num(s.bOpenLastFile));
            Line(out, "btButtonLayout", Num(s.btButtonLayout));
            Line(out, "bRestoreLook", Num(s.bRestoreLook));
            Line(out, "bMultiFile", Num(s.bMultiFile));
            Line(out, "bCaptureToBmp", Num(s.bCaptureToBmp));
            Line(out, "bCaptureToClipboard", Num(s.bCaptureToClipboard));
            Line(out, "btSetupFlags", Num(s.btSetupFlags));
            Line(out, "reserved7", Num(s.btFlagsReserved));
            Line(out, "chIndentOpen", Quoted(std::string(1, s.chIndentOpen)));
            Line(out, "chIndentClose", Quoted(std::string(1, s.chIndentClose)));
            Line(out, "btIndentWidth", Num(s.btIndentWidth));
            Line(out, "btIndentMargin", Num(s.btIndentMargin));
            break;
        case 2: Line(out, "szFullPath", Quoted(ss.szFullPath)); break;
        case 3: Line(out, "cfMain", Hex(ss.cfMain, CHARFORMAT_SIZE)); break;
        case 4: Line(out, "cfRc", Hex(ss.cfRc, CHARFORMAT_SIZE)); break;
        case 5: { char h[16]; std::snprintf(h, sizeof h, "0x%08X", ss.crBackMain); Line(out, "crBackMain", h); break; }
        case 6: { char h[16]; std::snprintf(h, sizeof h, "0x%08X", ss.crBackRc); Line(out, "crBackRc", h); break; }
        case 7:
            Line(out, "rcWindow", Num(ss.rcWindow[0]) + "," + Num(ss.rcWindow[1]) + "," +
                                      Num(ss.rcWindow[2]) + "," + Num(ss.rcWindow[3]));
            break;
        case 8: Line(out, "selMain", Num(ss.selMain[0]) + "," + Num(ss.selMain[1])); break;
        case 9: Line(out, "selRc", Num(ss.selRc[0]) + "," + Num(ss.selRc[1])); break;
        case 10: Line(out, "cmdItems", Num(ss.cmdItems.size())); break;
        case 11:
            for (size_t i = 0; i < ss.cmdItems.size(); ++i)
                Line(out, "cmdItem[" + Num(i) + "]", Quoted(ss.cmdItems[i]));
            break;
        case 12:
            Line(out, "rcAssociations", Num(ss.rcAssoc.pairs.size()));
            for (size_t i = 0; i < ss.rcAssoc.pairs.size(); ++i)
                Line(out, "rcAssociation[" + Num(i) + "]",
                     Quoted(ss.rcAssoc.pairs[i].szSource) + " " + Quoted(ss.rcAssoc.pairs[i].szRc));
            break;
        case 13:
            Line(out, "filePages", Num(ss.pages.size()));
            for (size_t k = 0; k < ss.pages.size(); ++k) {
                Line(out, "filePage[" + Num(k) + "]", Num(ss.pages[k].entries.size()));
                for (size_t i = 0; i < ss.pages[k].entries.size(); ++i) {
                    const StoredFileEntry &e = ss.pages[k].entries[i];
                    Line(out, "file[" + Num(k) + "][" + Num(i) + "]",
                         Quoted(e.szFull) + " " + Quoted(e.szRcFull) + " " + Quoted(e.szLabel));
                }
            }
            break;
        case 14: FormatButtons(out, ss.buttons); break;
        case 15:
            Line(out, "btbcc", Num(s.btbcc));
            Line(out, "btLibOut", Num(s.btLibOut));
            Line(out, "btCplFlags", Num(s.btCplFlags));
            Line(out, "compileReserved", Num(s.btCplReserved));
            break;
        case 16: Line(out, "szCplOptions", Quoted(s.szCplOptions)); break;
        case 17: Line(out, "szCplOutDir", Quoted(s.szCplOutDir)); break;
        case 18: Line(out, "szLibOutDir", Quoted(s.szLibOutDir)); break;
        case 19:
            Line(out, "btSearchMode", Num(s.findInfo.btSearchMode));
            Line(out, "bVarSyntax", Num(s.findInfo.bVarSyntax));
            Line(out, "btCurmode", Num(s.findInfo.btCurmode));
            Line(out, "searchReserved", Num(s.findInfo.btReserved));
            break;
        case 20: {
            std::string v;
            for (int i = 0; i < BAR_STATE_COUNT; ++i)
                v += (i ? "," : "") + Num(s.dwBarStates[i]);
            Line(out, "dwBarStates", v);
            break;
        }
        }
    }
}

/* EndsWith: case-insensitive suffix test of a file name. */
static bool EndsWith(const char *szPath, const char *szSuffix)
{
    size_t n = std::strlen(szPath), m = std::strlen(szSuffix);
    if (n < m)
        return false;
    for (size_t i = 0; i < m; ++i) {
        char a = szPath[n - m + i], b = szSuffix[i];
        if (a >= 'A' && a <= 'Z')
            a = static_cast<char>(a - 'A' + 'a');
        if (a != b)
            return false;
    }
    return true;
}

/* ReportDamage: the damage line on stderr. */
static void ReportDamage(const BlockDamage &damage)
{
    std::fprintf(stderr, "damaged: field %d (%s) at offset %zu: %s\n", damage.nField, damage.szField,
                 damage.nOffset, damage.szReason);
}

/* RunConfig: decodes one settings file and prints its fields. */
static int RunConfig(int argc, char **argv)
{
    const char *szPath = nullptr;
    int nForce = 0;   // 1 config, 2 buttons
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--buttons"))
            nForce = 2;
        else if (!std::strcmp(argv[i], "--config"))
            nForce = 1;
        else if (argv[i][0] == '-' || szPath) {
            std::fprintf(stderr, "usage: sora-tool config [--buttons|--config] FILE\n");
            return 2;
        } else
            szPath = argv[i];
    }
    if (!szPath) {
        std::fprintf(stderr, "usage: sora-tool config [--buttons|--config] FILE\n");
        return 2;
    }
    std::string bytes;
    if (!ReadWholeFile(szPath, bytes))
        return 1;

    ConfigFile cfg;
    BlockDamage cfgDamage;
    size_t nUsed = 0;
    bool bConfigWhole = DecodeConfigFile(bytes.data(), bytes.size(), cfg, cfgDamage, &nUsed);
    UserButtonPages buttons;
    BlockDamage btnDamage;
    BlockReader r = MakeBlockReader(bytes.data(), bytes.size());
    bool bButtonsWhole = DecodeButtonBlock(r, buttons, btnDamage, 1) && BytesLeft(r) == 0;
    if (!btnDamage.bDamaged && !bButtonsWhole)
        MarkDamage(btnDamage, 2, "end of file", "bytes after the last page", r.nPos);

    bool bButtons = nForce == 2;
    if (nForce == 0)
        bButtons = bButtonsWhole ? !(bConfigWhole && nUsed == bytes.size())
                                 : (!bConfigWhole && EndsWith(szPath, "ubuttons.cfg"));
    std::string out;
    if (bButtons) {
        out += "format=ubuttons.cfg\n";
        if (bButtonsWhole)
            FormatButtons(out, buttons);
        WriteStdout(out);
        if (!bButtonsWhole) {
            ReportDamage(btnDamage);
            return 1;
        }
        return 0;
    }
    out += "format=config.cfg\n";
    FormatConfig(out, cfg, bConfigWhole ? CONFIG_FIELD_COUNT : cfgDamage.nField - 1);
    if (bConfigWhole && nUsed < bytes.size())
        out += "trailingBytes=" + Num(bytes.size() - nUsed) + "\n";
    WriteStdout(out);
    if (!bConfigWhole) {
        ReportDamage(cfgDamage);
        return 1;
    }
    return 0;
}

SORA_CLI_COMMAND(config, "config", "config [--buttons|--config] FILE  settings file as text, first damage reported",
                 RunConfig);
