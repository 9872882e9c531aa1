// sora-tool dialogs / template / emit: the dialog script reader, template builder and writer.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
#include "cli/cli_command.h"
#include "cli/cli_io.h"
#include "designer/parser.h"
#include "designer/template.h"
#include "designer/wide_iconv.h"
#include "designer/writer.h"

namespace {

/* Folder part of a path, with its separator ("" for a bare file name). */
std::string FolderOfPath(const char *path)
{
    std::string p = path;
    size_t s = p.find_last_of("/\\");
    return s == std::string::npos ? std::string() : p.substr(0, s + 1);
}

/* The code page of a script's first "#pragma code_page(N)", 932 without one. */
unsigned ScriptCodePage(const std::string &text)
{
    for (size_t at = text.find("#pragma"); at != std::string::npos; at = text.find("#pragma", at + 1)) {
        size_t end = text.find('\n', at);
        std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        size_t cp = line.find("code_page");
        size_t open = line.find('(', cp == std::string::npos ? line.size() : cp);
        if (open != std::string::npos)
            return static_cast<unsigned>(strtoul(line.c_str() + open + 1, nullptr, 10));
    }
    return 932;
}

/* Reads a script (its quoted includes looked up beside it); the notes and the dialogs whose
   reading stopped go to stderr. False when the file cannot be read. */
bool LoadDialogs(const char *path, ScriptReading &reading, unsigned *codePage = nullptr)
{
    std::string text;
    if (!ReadWholeFile(path, text)) {
        fprintf(stderr, "cannot read %s\n", path);
        return false;
    }
    ScriptOptions options;
    options.folder = FolderOfPath(path);
    if (options.folder.empty())
        options.folder = "./";
    reading = ReadDialogScript(text, options);
    if (codePage)
        *codePage = ScriptCodePage(text);
    for (const ScriptNote &n : reading.notes)
        fprintf(stderr, "%s: %s\n", path, NoteText(n).c_str());
    for (const ParsedDialog &d : reading.dialogs)
        if (d.stop.kind != kStopNone)
            fprintf(stderr, "%s: %s (dialog %s read up to there)\n", path, StopText(d).c_str(), d.dlg.szName);
    return true;
}

/* True when every dialog was read whole. */
bool ReadWhole(const ScriptReading &reading)
{
    if (reading.badScript)
        return false;
    for (const ParsedDialog &d : reading.dialogs)
        if (d.stop.kind != kStopNone)
            return false;
    return true;
}

int RunDialogs(int argc, char **argv)
{
    if (argc < 2 || argc > 3 || (argc == 3 && strcmp(argv[2], "--json") != 0)) {
        fprintf(stderr, "usage: sora-tool dialogs FILE.rc [--json]\n");
        return 2;
    }
    ScriptReading reading;
    unsigned cp = 932;
    if (!LoadDialogs(argv[1], reading, &cp))
        return 1;
    const std::vector<ParsedDialog> &dialogs = reading.dialogs;
    bool json = argc == 3;
    // JSON strings in UTF-8: the script's texts from its code page.
    auto JsonText = [cp](const char *t) { return JsonString(t, cp); };
    std::string out = json ? "[" : "";
    char b[512];
    for (size_t i = 0; i < dialogs.size(); i++) {
        const Dlgdata &d = dialogs[i].dlg;
        if (json) {
            snprintf(b, sizeof b, "%s\n{\"name\":%s,\"type\":%s,\"x\":%u,\"y\":%u,\"cx\":%u,\"cy\":%u,\"style\":%u,\"exstyle\":%u,",
                     i ? "," : "", JsonText(d.szName).c_str(), JsonText(d.szType).c_str(), d.x, d.y, d.cx, d.cy, d.style, d.exStyle);
            out += b;
            out += "\"caption\":" + JsonText(d.szCaption) + ",\"font_size\":" + std::to_string(d.pointSize) +
                   ",\"font_face\":" + JsonText(d.szFace) + ",\"menu\":" + JsonText(d.szMenu) + ",\"class\":" + JsonText(d.szClass) +
                   ",\"number\":" + (dialogs[i].numbered ? std::to_string(dialogs[i].number) : "null") +
                   ",\"line\":" + std::to_string(dialogs[i].line) + ",\"file\":" + JsonText(dialogs[i].file.c_str()) +
                   ",\"complete\":" + (dialogs[i].stop.kind == kStopNone ? "true" : "false") +
                   ",\"message\":" + JsonString(StopMessage(dialogs[i]).c_str(), 932) + ",\"controls\":[";
        } else {
            snprintf(b, sizeof b, "DIALOG\t%s\t%s\t%u\t%u\t%u\t%u\t0x%08X\t0x%08X\t%u\t", d.szName, d.szType, d.x, d.y,
                     d.cx, d.cy, d.style, d.exStyle, d.pointSize);
            out += b + std::string(d.szFace) + "\t" + d.szCaption + "\n";
        }
        for (size_t k = 0; k < dialogs[i].controls.size(); k++) {
            const Ctrldata &c = dialogs[i].controls[k];
            const std::string &kw = dialogs[i].keywords[k];
            if (json) {
                snprintf(b, sizeof b, ",\"id\":%d,\"x\":%d,\"y\":%d,\"cx\":%d,\"cy\":%d,\"style\":%u,\"exstyle\":%u,\"plain\":%s}",
                         c.id, c.left, c.top, c.right, c.bottom, c.style, c.exStyle,
                         dialogs[i].plainRects[k] ? "true" : "false");
                out += std::string(k ? "," : "") + "\n {\"keyword\":" + JsonText(kw.c_str()) + ",\"class\":" + JsonText(c.szClass) +
                       ",\"text\":" + JsonText(c.szText) + ",\"ident\":" + JsonText(c.szIdent) + b;
            } else {
                snprintf(b, sizeof b, "\t%d\t%d\t%d\t%d\t%d\t0x%08X\t0x%08X\t", c.id, c.left, c.top, c.right, c.bottom,
                         c.style, c.exStyle);
                out += "CONTROL\t" + kw + "\t" + c.szClass + "\t" + c.szIdent + b + c.szText + "\n";
            }
        }
        if (json) out += "]}";
    }
    if (json) out += "\n]\n";
    WriteStdout(out);
    return ReadWhole(reading) ? 0 : 1;
}

/* Finds a dialog by name; prints an error when absent or not read whole. */
const ParsedDialog *FindDialog(const std::vector<ParsedDialog> &dialogs, const char *name)
{
    for (const ParsedDialog &d : dialogs)
        if (strcmp(d.dlg.szName, name) == 0) {
            if (d.stop.kind == kStopNone)
                return &d;
            fprintf(stderr, "dialog %s could not be read whole\n", name);
            return nullptr;
        }
    fprintf(stderr, "no dialog named %s\n", name);
    return nullptr;
}

// The dialog NAME of FILE.rc for the template and emit commands: usage
// errors give 2, a missing file or dialog (or one not read whole) 1, found 0.
int LoadNamedDialog(int argc, char **argv, const char *usage, ScriptReading &reading, const ParsedDialog *&found)
{
    if (argc != 3) {
        fprintf(stderr, "usage: sora-tool %s\n", usage);
        return 2;
    }
    if (!LoadDialogs(argv[1], reading))
        return 1;
    found = FindDialog(reading.dialogs, argv[2]);
    return found ? 0 : 1;
}

int RunTemplate(int argc, char **argv)
{
    ScriptReading reading;
    const ParsedDialog *d = nullptr;
    if (int rc = LoadNamedDialog(argc, argv, "template FILE.rc NAME", reading, d))
        return rc;
    std::vector<uint8_t> bytes;
    if (!BuildPreviewTemplate(d->dlg, d->controls, Cp932ToUtf16Iconv, bytes)) {
        fprintf(stderr, "template does not fit\n");
        return 1;
    }
    WriteStdout(std::string(bytes.begin(), bytes.end()));
    return 0;
}

int RunEmit(int argc, char **argv)
{
    ScriptReading reading;
    const ParsedDialog *d = nullptr;
    if (int rc = LoadNamedDialog(argc, argv, "emit FILE.rc NAME", reading, d))
        return rc;
    WriteStdout(EmitDialog(d->dlg, d->controls));
    return 0;
}

} // namespace

SORA_CLI_COMMAND(dialogs, "dialogs", "dialogs FILE.rc [--json]  list dialogs and their controls", RunDialogs);
SORA_CLI_COMMAND(dlgtemplate, "template", "template FILE.rc NAME  write the dialog template bytes", RunTemplate);
SORA_CLI_COMMAND(emit, "emit", "emit FILE.rc NAME  write the dialog back as script text", RunEmit);
