#include "text/win/reformat.h"

#include "app/frame/globals.h"
#include "app/frame/pane_text.h"
#include "text/indent.h"
#include "text/win/pane_select.h"

#include <richedit.h>
#include <cstdlib>
#include <string>

namespace {

/* ReplaceWholeText: the new text into the pane, the caret at a byte offset of it. */
HWND ReplaceWholeText(HWND pane, const std::string &text, size_t caret)
{
    CHARFORMATA base;
    GetPaneBaseFormat(pane, &base);
    pane = SetPaneText(pane, text);
    // A long text went into a fresh control, which holds the default format
    // only; applying it to every character of a long text would take seconds.
    if (text.size() <= PANE_SLICE_THRESHOLD) {
        CHARFORMATA cf;
        ColourFormat(&cf, base, base.crTextColor);
        cf.dwEffects = base.dwEffects;
        SendMessageA(pane, EM_SETCHARFORMAT, SCF_ALL, (LPARAM)&cf);
    }
    if (caret > text.size())
        caret = text.size();
    PanePositions map(text.c_str(), text.size(), PaneCountsBytes(pane, text));
    SelectPaneBytes(pane, map, caret, caret);
    SendMessageA(pane, EM_SCROLLCARET, 0, 0);
    SendMessageA(pane, EM_SETMODIFY, TRUE, 0);
    return pane;
}

/* ReplaceChangedLines: the lines that differ replaced in one undoable step,
   the caret at a byte offset of the new text. */
void ReplaceChangedLines(HWND pane, const std::string &text, const std::string &out, size_t caret)
{
    ChangedLines c = FindChangedLines(text, out);
    PanePositions before(text.c_str(), text.size(), PaneCountsBytes(pane, text));
    SelectPaneBytes(pane, before, c.head, text.size() - c.tail);
    ReplacePaneSelection(pane, out.data() + c.head, out.size() - c.head - c.tail, TRUE);
    if (caret > out.size())
        caret = out.size();
    PanePositions after(out.c_str(), out.size(), PaneCountsBytes(pane, out));
    SelectPaneBytes(pane, after, caret, caret);
    SendMessageA(pane, EM_SCROLLCARET, 0, 0);
    SendMessageA(pane, EM_SETMODIFY, TRUE, 0);
}

} // namespace

HWND IndentPane(HWND pane)
{
    std::string text = GetPaneText(pane);
    if (text.empty())
        return pane;
    PanePositions map(text.c_str(), text.size(), PaneCountsBytes(pane, text));
    size_t from, to;
    GetPaneByteSelection(pane, map, &from, &to);
    // The caret stays on the same line: count the lines before it.
    size_t line = 0;
    for (size_t i = 0; i < to && i < text.size(); ++i)
        if (text[i] == '\n')
            ++line;
    IndentOptions opt;
    opt.chOpen = frame.settingsRecord.chIndentOpen ? frame.settingsRecord.chIndentOpen : '{';
    opt.chClose = frame.settingsRecord.chIndentClose ? frame.settingsRecord.chIndentClose : '}';
    opt.nStep = std::abs((int)(signed char)frame.settingsRecord.btIndentWidth);
    opt.nInitial = std::abs((int)(signed char)frame.settingsRecord.btIndentMargin);
    std::string out;
    if (!IndentText(text.c_str(), text.size(), opt, out)) {
        MessageBoxA(frame.hMainWnd, "インデントできません。", "Too big buffer required", MB_OK | MB_ICONEXCLAMATION);
        return pane;
    }
    size_t caret = 0;
    for (size_t seen = 0; caret < out.size() && seen < line; ++caret)
        if (out[caret] == '\n')
            ++seen;
    // The control takes minutes to replace most of a long text in place: a
    // long one goes into a fresh pane, at the cost of its undo history.
    if (out != text && text.size() > PANE_REBUILD_THRESHOLD)
        pane = ReplaceWholeText(pane, out, caret);
    else if (out != text)
        ReplaceChangedLines(pane, text, out, caret);
    ShowStatusMessage("Indent Completed !", 3000);
    return pane;
}

HWND SpacePane(HWND pane)
{
    std::string text = GetPaneText(pane);
    if (text.empty())
        return pane;
    std::string out;
    SpaceParentheses(text.c_str(), text.size(), out);
    if (out == text)
        return pane;
    return ReplaceWholeText(pane, out, 0);
}
