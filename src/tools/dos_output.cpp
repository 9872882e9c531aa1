#include "tools/dos_output.h"

#include "common/cp932.h"

/* Appends one read to the output with a held lead byte in front. */
size_t AssembleDosChunk(DosChunkCarry *carry, const char *pChunk, size_t nChunk, char *out)
{
    size_t nOut = 0;
    if (carry->bHeld) {
        out[nOut++] = carry->chLead;
        carry->bHeld = false;
    }
    for (size_t i = 0; i < nChunk; ++i)
        out[nOut++] = pChunk[i] == '\0' ? ' ' : pChunk[i];
    // The text before the chunk ended on a character boundary, so stepping
    // from the start finds whether the last byte opens a character.
    size_t at = 0;
    while (at < nOut) {
        if (cp932::IsLeadByte(static_cast<unsigned char>(out[at])) && at + 1 == nOut) {
            carry->chLead = out[at];
            carry->bHeld = true;
            break;
        }
        at += cp932::CharLength(out + at, out + nOut);
    }
    if (carry->bHeld)
        --nOut;
    out[nOut] = '\0';
    return nOut;
}

/* Gives back a lead byte still held when no more output comes. */
size_t FlushDosChunk(DosChunkCarry *carry, char *out)
{
    size_t nOut = 0;
    if (carry->bHeld) {
        out[nOut++] = carry->chLead;
        carry->bHeld = false;
    }
    out[nOut] = '\0';
    return nOut;
}

/* Decides how much of the pane's front to drop. */
DosTrimPlan PlanDosTrim(const char *text, size_t nLen)
{
    DosTrimPlan plan = {0, 0};
    if (nLen <= DOS_OUTPUT_LIMIT)
        return plan;
    size_t nNeed = nLen - (DOS_OUTPUT_LIMIT - 2);
    if (nNeed < DOS_OUTPUT_CUT)
        nNeed = DOS_OUTPUT_CUT;
    const size_t kLineSearch = 256;
    size_t at = 0, nChars = 0;
    while (at < nNeed && at < nLen) {
        at += cp932::CharLength(text + at, text + nLen);
        ++nChars;
    }
    size_t nLineEnd = at, nLineChars = nChars;
    while (nLineEnd < nLen && nLineEnd < at + kLineSearch && text[nLineEnd - 1] != '\n') {
        nLineEnd += cp932::CharLength(text + nLineEnd, text + nLen);
        ++nLineChars;
    }
    if (text[nLineEnd - 1] == '\n') {
        at = nLineEnd;
        nChars = nLineChars;
    }
    plan.nCutBytes = at;
    plan.nCutChars = nChars;
    return plan;
}
