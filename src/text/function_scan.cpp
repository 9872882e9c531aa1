// EnumerateFunctions: one pass over a comment-free copy of the text that
// keeps a stack of what each open brace opened, reads the declaration
// before each "{" (function_head.h), and follows the preprocessor's
// conditionals so that their braces count once.
#include "text/function_list.h"

#include "common/cp932.h"
#include "text/function_head.h"
#include "text/quoted_literal.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

enum ScopeKind : unsigned char { kOuter, kClass, kBody };

struct Scope {
    ScopeKind kind;
    unsigned char nName; // class name bytes
    char szName[30];
};

// What the scan knows at a point of the text; saved and restored around
// the branches of #if chains.
struct ScanState {
    std::vector<Scope> scopes; // innermost last; empty at file level
    size_t nOverflow = 0;      // blocks opened beyond the stack's cap
    size_t nSegFrom = 0;       // start of the declaration the next "{" or ";" ends
    bool bKnr = false;         // a K&R head waits for its body
    BraceHead knr;
};

// One #if ... #endif chain being scanned.
struct PpChain {
    ScanState base;     // state at the #if
    ScanState firstEnd; // state at the end of the first branch scanned
    bool bHaveFirst = false, bInFirst = false, bFirstEnded = false;
    bool bTaken = false;      // a branch known true was seen: the rest are dead
    bool bLive = false;       // the current branch is scanned
    size_t nBranchFrom = 0;   // the current branch's text starts here
    size_t nFirstFrom = 0, nFirstTo = 0;
    bool bStashed = false;    // the first branch's bytes are hidden in stash
    std::string stash;
    size_t nEntriesFrom = 0;  // entries listed before the chain
    size_t nBranchEntries = 0; // entries listed before the current branch
};

const size_t kMaxScopes = 256;
const size_t kMaxChains = 64;
const size_t kShortHead = 256;   // bytes of a declaration always read
const size_t kLongHead = 65536;  // bytes of a declaration read at most
const size_t kDedupWindow = 1024; // entries of earlier branches compared with a later branch's

inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

/* Spaces over t[from, to), line breaks kept. */
void Blank(char *t, size_t from, size_t to)
{
    for (size_t k = from; k < to; ++k)
        if (t[k] != '\r' && t[k] != '\n')
            t[k] = ' ';
}

class FunctionScan {
public:
    FunctionScan(const char *text, char *t, size_t len, int nMax, FunctionList &out)
        : text_(text), t_(t), len_(len), nMax_(nMax), out_(out), nHeadBudget_(4 * len + kLongHead)
    {
    }
    void Run();

private:
    const char *text_; // the text as given: parameter lists are copied from it
    char *t_;          // the comment-free copy that the scan reads and blanks
    size_t len_;
    int nMax_;
    FunctionList &out_;
    ScanState st_;
    std::vector<PpChain> chains_;
    size_t nUntracked_ = 0; // #if levels nested beyond kMaxChains
    HeadReader reader_;
    bool bStop_ = false;
    size_t nHeadBudget_; // bytes that declarations longer than kShortHead may still read

    ScopeKind Top() const;
    size_t HeadFrom(size_t i);
    void OpenBrace(size_t i);
    void CloseBrace(size_t i);
    void Semicolon(size_t i);
    void AddFunction(const BraceHead &head, bool bMember);
    bool ListedInEarlierBranch(const char *name, size_t n) const;
    size_t Directive(size_t i);
    size_t EnterBranch(int cond, size_t from);
    void LeaveBranch(size_t at);
    size_t SkipDeadBranch(size_t from);
};

/* Where the declaration ending at i is read from: where it starts, but once
   long declarations have used up their share of reading (the branches of
   #if chains read again from the state at the #if), only its last
   kShortHead bytes, so that the scan stays linear. */
size_t FunctionScan::HeadFrom(size_t i)
{
    size_t n = i - st_.nSegFrom;
    if (n <= kShortHead)
        return st_.nSegFrom;
    if (n > nHeadBudget_)
        return i - kShortHead;
    n = std::min(n, kLongHead);
    nHeadBudget_ -= n;
    return i - n;
}

/* What the innermost open brace opened. */
ScopeKind FunctionScan::Top() const
{
    if (st_.nOverflow)
        return kBody;
    return st_.scopes.empty() ? kOuter : st_.scopes.back().kind;
}

/* A "{": lists the function whose body it opens and pushes its scope. */
void FunctionScan::OpenBrace(size_t i)
{
    ScopeKind top = Top();
    BraceHead head;
    size_t from = HeadFrom(i);
    if (top == kOuter && st_.bKnr && HeadReader::IsEmpty(t_, from, i))
        head = st_.knr;
    else
        head = reader_.ReadBrace(t_, from, i, top == kBody);
    st_.bKnr = false;
    if (head.kind == BraceOpens::kFunction)
        AddFunction(head, top == kClass && !head.bFriend);
    Scope s = {};
    s.kind = head.kind == BraceOpens::kNamespace ? kOuter : head.kind == BraceOpens::kClass ? kClass : kBody;
    if (s.kind == kClass) {
        size_t n = std::min(head.nNameTo - head.nNameFrom, sizeof s.szName);
        n = cp932::CutOnCharBoundary(t_ + head.nNameFrom, n, sizeof s.szName);
        std::memcpy(s.szName, t_ + head.nNameFrom, n);
        s.nName = static_cast<unsigned char>(n);
    }
    if (st_.nOverflow || st_.scopes.size() >= kMaxScopes)
        ++st_.nOverflow;
    else
        st_.scopes.push_back(s);
    st_.nSegFrom = i + 1;
}

/* A "}" closes the innermost scope (a stray one is passed over). */
void FunctionScan::CloseBrace(size_t i)
{
    if (st_.nOverflow)
        --st_.nOverflow;
    else if (!st_.scopes.empty())
        st_.scopes.pop_back();
    st_.nSegFrom = i + 1;
    st_.bKnr = false;
}

/* A ";" ends a declaration; at file and namespace level it may be the
   first parameter declaration of a K&R definition or one after it. */
void FunctionScan::Semicolon(size_t i)
{
    if (Top() == kOuter) {
        size_t from = HeadFrom(i);
        if (st_.bKnr)
            st_.bKnr = reader_.IsParamDeclaration(t_, from, i);
        else
            st_.bKnr = reader_.ReadKnrHead(t_, from, i, st_.knr);
    }
    st_.nSegFrom = i + 1;
}

/* True when an earlier branch of an enclosing #if chain listed the name. */
bool FunctionScan::ListedInEarlierBranch(const char *name, size_t n) const
{
    for (const PpChain &ch : chains_) {
        if (!ch.bLive || !ch.bHaveFirst || ch.bInFirst)
            continue;
        size_t from = std::max(ch.nEntriesFrom, ch.nBranchEntries - std::min(ch.nBranchEntries, kDedupWindow));
        for (size_t k = from; k < ch.nBranchEntries; ++k) {
            const FunctionEntry &e = out_.entries[k];
            if (e.nNameLen == n && std::memcmp(e.szName, name, n) == 0)
                return true;
        }
    }
    return false;
}

/* Lists a definition: the enclosing classes' names for a member, the name
   as written, the parameter list from the text as given. */
void FunctionScan::AddFunction(const BraceHead &head, bool bMember)
{
    std::string name;
    if (bMember) {
        size_t k = st_.scopes.size();
        std::string prefix;
        while (k > 0 && st_.scopes[k - 1].kind == kClass) {
            const Scope &s = st_.scopes[--k];
            if (s.nName)
                prefix = std::string(s.szName, s.nName) + "::" + prefix;
        }
        name = prefix;
    }
    name += ClosedUpName(t_, head.nNameFrom, head.nNameTo);
    size_t nNameLen = name.size();
    name.append(text_ + head.nParamFrom, head.nParamTo - head.nParamFrom);
    size_t n = cp932::CutOnCharBoundary(name.data(), name.size(), 63);
    nNameLen = std::min(nNameLen, n);
    if (!chains_.empty() && ListedInEarlierBranch(name.data(), nNameLen))
        return;
    if (nMax_ > 0 && static_cast<int>(out_.entries.size()) >= nMax_) {
        out_.bCapped = true;
        bStop_ = true;
        return;
    }
    FunctionEntry e;
    e.nOffset = head.nNameFrom;
    e.nEnd = head.nParamTo;
    e.nNameLen = nNameLen;
    std::memcpy(e.szName, name.data(), n);
    e.szName[n] = '\0';
    out_.entries.push_back(e);
}

/* The value of an #if or #elif condition when it is a plain 0 or 1: 0
   false, 1 true, -1 not known here. */
int ConditionValue(const char *s, size_t n)
{
    while (n > 0 && (IsBlank(*s) || *s == '(')) {
        ++s;
        --n;
    }
    while (n > 0 && (IsBlank(s[n - 1]) || s[n - 1] == '\n' || s[n - 1] == ')'))
        --n;
    if (n == 1 && (*s == '0' || *s == '1'))
        return *s - '0';
    return -1;
}

/* A directive line at i ("#" first on its line): blanked in the copy and,
   for the conditionals, followed. Returns where the scan goes on. */
size_t FunctionScan::Directive(size_t i)
{
    size_t e = i;
    for (;;) { // to the line feed that ends it, over backslash-continued lines
        bool bBackslash = false;
        while (e < len_ && t_[e] && t_[e] != '\n') {
            if (!IsBlank(t_[e]))
                bBackslash = t_[e] == '\\';
            e += cp932::CharLength(t_ + e, t_ + len_);
        }
        if (!bBackslash || e >= len_ || !t_[e])
            break;
        ++e;
    }
    size_t k = i + 1;
    while (k < e && IsBlank(t_[k]))
        ++k;
    size_t w = k;
    while (w < e && ((t_[w] >= 'a' && t_[w] <= 'z')))
        ++w;
    std::string word(t_ + k, w - k);
    int cond = ConditionValue(t_ + w, e - w);
    Blank(t_, i, e);
    if (word == "if" || word == "ifdef" || word == "ifndef") {
        if (chains_.size() >= kMaxChains) {
            ++nUntracked_;
            return e;
        }
        chains_.push_back(PpChain());
        PpChain &ch = chains_.back();
        ch.base = st_;
        ch.nEntriesFrom = out_.entries.size();
        return EnterBranch(word == "if" ? cond : -1, e);
    }
    if (word == "elif" || word == "else") {
        if (nUntracked_ || chains_.empty())
            return e;
        LeaveBranch(i);
        return EnterBranch(word == "else" ? 1 : cond, e);
    }
    if (word == "endif") {
        if (nUntracked_) {
            --nUntracked_;
            return e;
        }
        if (chains_.empty())
            return e;
        LeaveBranch(i);
        PpChain &ch = chains_.back();
        if (ch.bFirstEnded)
            st_ = ch.firstEnd;
        if (ch.bStashed)
            std::memcpy(t_ + ch.nFirstFrom, ch.stash.data(), ch.stash.size());
        chains_.pop_back();
    }
    return e;
}

/* The branch of the innermost chain that starts at `from`: scanned from the
   chain's starting state, or skipped when it is dead. */
size_t FunctionScan::EnterBranch(int cond, size_t from)
{
    PpChain &ch = chains_.back();
    ch.bLive = !ch.bTaken && cond != 0;
    if (ch.bLive && cond == 1)
        ch.bTaken = true;
    ch.nBranchFrom = from;
    ch.nBranchEntries = out_.entries.size();
    if (!ch.bLive)
        return SkipDeadBranch(from);
    if (!ch.bHaveFirst) {
        ch.bHaveFirst = ch.bInFirst = true;
        ch.nFirstFrom = from;
        return from;
    }
    st_ = ch.base;
    if (!ch.bStashed) { // the first branch's words stay out of this one's declarations
        ch.stash.assign(t_ + ch.nFirstFrom, ch.nFirstTo - ch.nFirstFrom);
        Blank(t_, ch.nFirstFrom, ch.nFirstTo);
        ch.bStashed = true;
    }
    return from;
}

/* The current branch of the innermost chain ends at `at`. */
void FunctionScan::LeaveBranch(size_t at)
{
    PpChain &ch = chains_.back();
    if (!ch.bLive)
        return;
    if (ch.bInFirst) {
        ch.firstEnd = st_;
        ch.bFirstEnded = true;
        ch.bInFirst = false;
        ch.nFirstTo = at;
    } else {
        Blank(t_, ch.nBranchFrom, at); // a later branch's words stay out of what follows
    }
}

/* Blanks a dead branch up to the #elif, #else or #endif line that ends it
   and returns that line's start. */
size_t FunctionScan::SkipDeadBranch(size_t from)
{
    int nest = 0;
    size_t i = from;
    while (i < len_ && t_[i]) {
        size_t line = i;
        while (i < len_ && IsBlank(t_[i]))
            ++i;
        if (i < len_ && t_[i] == '#') {
            size_t k = i + 1;
            while (k < len_ && IsBlank(t_[k]))
                ++k;
            size_t w = k;
            while (w < len_ && t_[w] >= 'a' && t_[w] <= 'z')
                ++w;
            std::string word(t_ + k, w - k);
            if (word == "if" || word == "ifdef" || word == "ifndef") {
                ++nest;
            } else if (word == "endif" || word == "elif" || word == "else") {
                if (nest == 0) {
                    Blank(t_, from, line);
                    return line;
                }
                if (word == "endif")
                    --nest;
            }
        }
        while (i < len_ && t_[i] && t_[i] != '\n')
            ++i;
        if (i < len_ && t_[i] == '\n')
            ++i;
    }
    Blank(t_, from, i);
    return i;
}

// What the scan does with a byte: kPass goes on at once.
enum ByteClass : unsigned char { kPass, kBlank, kEnd, kLead, kAct };

struct ByteClasses {
    ByteClass of[256];
    ByteClasses()
    {
        for (int b = 0; b < 256; ++b)
            of[b] = cp932::IsLeadByte(static_cast<unsigned char>(b)) ? kLead : kPass;
        for (unsigned char b : {' ', '\t', '\r', '\f', '\v'})
            of[b] = kBlank;
        for (unsigned char b : {'\n', '{', '}', ';', '"', '\'', '#'})
            of[b] = kAct;
        of[0] = kEnd;
    }
};
const ByteClasses kClasses;

/* The scan: blanks pass by the table, double-byte characters whole,
   literals skipped, directives at line starts followed. */
void FunctionScan::Run()
{
    bool bLineStart = true;
    // t_ is the data of a std::string: t_[len_] is a zero byte, which ends the loops.
    for (size_t i = 0; !bStop_;) {
        while (kClasses.of[static_cast<unsigned char>(t_[i])] == kPass ||
               (!bLineStart && kClasses.of[static_cast<unsigned char>(t_[i])] == kBlank))
            ++i;
        if (i >= len_ || !t_[i])
            break;
        char c = t_[i];
        if (c == '\n') {
            bLineStart = true;
            ++i;
            continue;
        }
        if (IsBlank(c)) {
            ++i;
            continue;
        }
        if (bLineStart && c == '#') {
            i = Directive(i);
            continue;
        }
        bLineStart = false;
        if (c == '#') {
            ++i;
            continue;
        }
        size_t n = cp932::CharLength(t_ + i, t_ + len_);
        if (n == 2) {
            i += 2;
            continue;
        }
        if (c == '{') {
            OpenBrace(i);
        } else if (c == '}') {
            CloseBrace(i);
        } else if (c == ';') {
            Semicolon(i);
        } else if (c == '"' || (c == '\'' && !(i > 0 && t_[i - 1] >= '0' && t_[i - 1] <= '9'))) {
            size_t raw = c == '"' ? SkipRawStringLiteral(t_, len_, i) : i;
            i = raw != i ? raw : SkipQuotedLiteral(t_, len_, i);
            continue;
        }
        ++i;
    }
}

} // namespace

/* Scans a copy with its comments blanked. */
int EnumerateFunctions(const char *text, size_t len, int nMax, FunctionList &out)
{
    out.entries.clear();
    out.bCapped = false;
    if (!text || len == 0 || !text[0])
        return -1;
    std::string copy(text, len);
    BlankComments(&copy[0], len);
    FunctionScan(text, &copy[0], len, nMax, out).Run();
    return static_cast<int>(out.entries.size());
}
