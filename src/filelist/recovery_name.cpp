#include "filelist/recovery_name.h"

#include <cstdio>
#include <cstring>

namespace {

/* Fits: the result of snprintf into nSize bytes, or an empty output. */
int Fits(int n, char *szOut, size_t nSize)
{
    if (n < 0 || (size_t)n >= nSize) {
        szOut[0] = '\0';
        return 0;
    }
    return 1;
}

/* ReadDecimal: 1 to 10 digits whose value fits 32 bits. */
bool ReadDecimal(const char *&p, uint32_t &value)
{
    uint64_t v = 0;
    int digits = 0;
    for (; *p >= '0' && *p <= '9' && digits <= 10; ++p, ++digits)
        v = v * 10 + (uint64_t)(*p - '0');
    value = (uint32_t)v;
    return digits >= 1 && digits <= 10 && v <= 0xFFFFFFFFu;
}

/* ReadHex16: exactly 16 upper-case hex digits. */
bool ReadHex16(const char *&p, uint64_t &value)
{
    value = 0;
    for (int i = 0; i < 16; ++i, ++p) {
        char c = *p;
        int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (d < 0)
            return false;
        value = value << 4 | (uint64_t)d;
    }
    return true;
}

bool Skip(const char *&p, const char *text)
{
    size_t n = std::strlen(text);
    if (std::strncmp(p, text, n) != 0)
        return false;
    p += n;
    return true;
}

} // namespace

int MakeRecoverySessionPrefix(uint32_t nInstanceNo, uint64_t nSession, char *szOut, size_t nSize)
{
    if (!szOut || nSize == 0)
        return 0;
    int n = std::snprintf(szOut, nSize, "sora%lu_%08lX%08lX_", (unsigned long)nInstanceNo,
                          (unsigned long)(nSession >> 32), (unsigned long)(nSession & 0xFFFFFFFFu));
    return Fits(n, szOut, nSize);
}

int MakeRecoveryName(const RecoveryName &name, char *szOut, size_t nSize)
{
    if (!MakeRecoverySessionPrefix(name.nInstanceNo, name.nSession, szOut, nSize))
        return 0;
    size_t used = std::strlen(szOut);
    int n = std::snprintf(szOut + used, nSize - used, "%lu%s.recover", (unsigned long)name.id,
                          name.pane == RECOVERY_PANE_RC ? ".rc" : "");
    return Fits(n < 0 ? n : n + (int)used, szOut, nSize);
}

bool ParseRecoveryName(const char *szFileName, RecoveryName &name)
{
    name = RecoveryName();
    const char *p = szFileName;
    if (!p || !Skip(p, "sora") || !ReadDecimal(p, name.nInstanceNo) || !Skip(p, "_") ||
        !ReadHex16(p, name.nSession) || !Skip(p, "_") || !ReadDecimal(p, name.id))
        return false;
    if (Skip(p, ".rc"))
        name.pane = RECOVERY_PANE_RC;
    if (!Skip(p, ".recover"))
        return false;
    uint32_t nWriter = 0;
    if (Skip(p, ".tmp")) {
        if (!ReadDecimal(p, nWriter))
            return false;
        name.bTemporary = true;
    }
    return *p == '\0';
}
