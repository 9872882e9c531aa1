#include "text/win/colour_reload.h"

#include "app/frame/busy_guard.h"
#include "app/frame/panes.h"
#include "text/colour_rtf.h"
#include "text/win/pane_select.h"

namespace {

/* WholePaneFormat: the format of all the text; the control clears the mask bit of every property that varies. */
CHARFORMATA WholePaneFormat(HWND pane)
{
    CHARRANGE sel = {0, 0}, all = {0, -1};
    SendMessageA(pane, EM_EXGETSEL, 0, (LPARAM)&sel);
    SendMessageA(pane, EM_EXSETSEL, 0, (LPARAM)&all);
    CHARFORMATA cf = {};
    cf.cbSize = sizeof cf;
    SendMessageA(pane, EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
    SendMessageA(pane, EM_EXSETSEL, 0, (LPARAM)&sel);
    return cf;
}

} // namespace

bool PaneFormatIsUniform(HWND pane)
{
    const DWORD kept = FontMask & ~CFM_COLOR;
    return (WholePaneFormat(pane).dwMask & kept) == kept;
}

bool PaneIsPlain(HWND pane, const CHARFORMATA &base)
{
    CHARFORMATA cf = WholePaneFormat(pane);
    if ((cf.dwMask & FontMask) != FontMask)
        return false;
    BOOL autoColour = (cf.dwEffects & CFE_AUTOCOLOR) != 0;
    if (autoColour != ((base.dwEffects & CFE_AUTOCOLOR) != 0))
        return false;
    return autoColour || cf.crTextColor == base.crTextColor;
}

/* ColourPaneByReload: the coloured RTF into a fresh pane, checked, then put in place. */
HWND ColourPaneByReload(HWND pane, const std::string &text, const std::vector<ColourRun> &runs,
                        const CHARFORMATA &base, const PaneSliceProgress &progress, int *pSlices)
{
    HWND fresh = CreatePaneLike(pane);
    if (!fresh)
        return NULL;
    // The text's own format (the same everywhere) for what is loaded.
    CHARFORMATA look = {};
    look.cbSize = sizeof look;
    CHARRANGE start = {0, 0};
    SendMessageA(pane, EM_EXSETSEL, 0, (LPARAM)&start);
    SendMessageA(pane, EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&look);
    CHARFORMATA cf;
    ColourFormat(&cf, look, base.crTextColor);
    cf.dwEffects = (look.dwEffects & ~CFE_AUTOCOLOR) | (base.dwEffects & CFE_AUTOCOLOR);
    SendMessageA(fresh, EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);

    uint32_t plain = (base.dwEffects & CFE_AUTOCOLOR) ? kRtfAutoColour : (uint32_t)base.crTextColor;
    int slices = 0;
    AppendPaneSlices(
        fresh, text.data(), text.size(), SF_RTF,
        [&](size_t from, size_t to, std::string &out) {
            WriteColourRtf(text.data(), from, to, runs, plain, out);
            ++slices;
        },
        progress);
    if (pSlices)
        *pSlices = slices;
    // Only a byte-identical text may take the old one's place.
    if (GetPaneText(fresh) != text) {
        DestroyWindow(fresh);
        return NULL;
    }
    PumpWhileBusy();
    SendMessageA(fresh, EM_SETMODIFY, FALSE, 0);
    SendMessageA(fresh, EM_EXSETSEL, 0, (LPARAM)&start);
    return PutPaneInPlace(pane, fresh);
}
