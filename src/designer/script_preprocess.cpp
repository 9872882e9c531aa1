// Running the preprocessor of a resource script over its text and the files it includes.
#include "designer/script_preprocess.h"
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>
#include "designer/script_eval.h"

namespace {

const size_t kMaxIncludeDepth = 32;
const size_t kMaxFiles = 4096;
const size_t kMaxIncludedBytes = 16u << 20;
const size_t kMaxArgumentTokens = 1u << 20;
const uint16_t kBuiltInFile = 1; // holds the spellings of predefined values: "1 0"

struct Macro {
    bool defined = true;
    bool function = false;
    bool variadic = false;
    bool usable = true; // no # or ## in the body: expanded; otherwise left as a word
    int active = 0;     // expansions of it now being read (a macro never expands inside itself)
    std::vector<std::string_view> params;
    std::vector<ScriptToken> body;
};

typedef std::unordered_map<std::string_view, Macro> MacroTable;

class TokenSource {
public:
    virtual ~TokenSource() {}
    virtual bool Get(ScriptToken &t) = 0;
};

class VectorSource : public TokenSource {
public:
    explicit VectorSource(const std::vector<ScriptToken> &v) : v_(v), i_(0) {}
    bool Get(ScriptToken &t) override
    {
        if (i_ >= v_.size()) return false;
        t = v_[i_++];
        return true;
    }
private:
    const std::vector<ScriptToken> &v_;
    size_t i_;
};

/* The budget of tokens that macro expansions may still make; past it names stay as they are. */
struct Budget {
    size_t left;
    bool noted;
};

class Expander {
public:
    Expander(Preprocessed &pp, MacroTable &macros, TokenSource &base, Budget &budget)
        : pp_(pp), macros_(macros), base_(base), budget_(budget) {}

    /* The next token with every macro expanded. */
    bool Next(ScriptToken &t)
    {
        for (;;) {
            if (!Raw(t)) return false;
            if (t.kind != kTokWord) return true;
            auto it = macros_.find(pp_.Spell(t));
            if (it == macros_.end() || !it->second.defined || !it->second.usable || it->second.active)
                return true;
            Macro &m = it->second;
            if (budget_.left == 0) {
                NoteTooDeep(t);
                return true;
            }
            std::vector<std::vector<ScriptToken>> args;
            ScriptToken close = t;
            if (m.function) {
                ScriptToken open;
                if (!Raw(open)) return true;
                std::vector<ScriptToken> taken(1, open);
                if (!IsPunct(pp_, open, "(") || !CollectArgs(m, args, taken, close)) {
                    Unread(taken);
                    return true;
                }
            }
            Push(m, t, close, args);
        }
    }

private:
    struct Frame {
        std::vector<ScriptToken> toks;
        size_t pos;
        Macro *macro;
    };

    /* The next token before expansion: from the expansions being read, then the base. */
    bool Raw(ScriptToken &t)
    {
        while (!frames_.empty()) {
            Frame &f = frames_.back();
            if (f.pos < f.toks.size()) {
                t = f.toks[f.pos++];
                return true;
            }
            if (f.macro) f.macro->active--;
            frames_.pop_back();
        }
        return base_.Get(t);
    }

    void Unread(std::vector<ScriptToken> &toks)
    {
        frames_.push_back(Frame{std::move(toks), 0, nullptr});
    }

    void NoteTooDeep(const ScriptToken &t)
    {
        if (budget_.noted) return;
        budget_.noted = true;
        SourcePlace p = PlaceOf(pp_, t);
        pp_.notes.push_back({kNoteTooDeep, pp_.files[p.file].name, p.line, std::string(pp_.Spell(t))});
    }

    /* Reads the arguments after "(" up to the matching ")"; false when they do not fit the macro. */
    bool CollectArgs(const Macro &m, std::vector<std::vector<ScriptToken>> &args, std::vector<ScriptToken> &taken,
                     ScriptToken &close)
    {
        int depth = 0;
        std::vector<ScriptToken> cur;
        for (;;) {
            ScriptToken a;
            if (!Raw(a) || taken.size() > kMaxArgumentTokens) return false;
            taken.push_back(a);
            if (IsPunct(pp_, a, "(")) depth++;
            else if (IsPunct(pp_, a, ")")) {
                if (depth-- == 0) {
                    args.push_back(std::move(cur));
                    close = a;
                    break;
                }
            } else if (IsPunct(pp_, a, ",") && depth == 0 && !(m.variadic && args.size() + 1 >= m.params.size())) {
                args.push_back(std::move(cur));
                cur.clear();
                continue;
            }
            cur.push_back(a);
        }
        if (m.params.empty() && args.size() == 1 && args[0].empty()) args.clear();
        if (m.variadic && args.size() + 1 == m.params.size()) args.emplace_back();
        return args.size() == m.params.size();
    }

    /* Starts reading a macro's replacement, with its arguments put in. */
    void Push(Macro &m, const ScriptToken &name, const ScriptToken &close, std::vector<std::vector<ScriptToken>> &args)
    {
        int32_t use = (int32_t)pp_.uses.size();
        MacroUse mu{name.use, name.file, name.off, name.off + name.len, name.line, UINT32_MAX, 0};
        if (close.file == name.file && close.use == name.use && close.off > name.off)
            mu.end = close.off + close.len;
        pp_.uses.push_back(mu);
        Frame f{std::vector<ScriptToken>(), 0, &m};
        f.toks.reserve(m.body.size());
        for (const ScriptToken &b : m.body) {
            if (m.function && b.kind == kTokWord) {
                size_t k = 0;
                while (k < m.params.size() && m.params[k] != pp_.Spell(b)) k++;
                if (k < m.params.size()) {
                    f.toks.insert(f.toks.end(), args[k].begin(), args[k].end());
                    continue;
                }
            }
            f.toks.push_back(b);
            f.toks.back().use = use;
        }
        budget_.left -= std::min(budget_.left, f.toks.size() + 1);
        m.active++;
        frames_.push_back(std::move(f));
    }

    Preprocessed &pp_;
    MacroTable &macros_;
    TokenSource &base_;
    Budget &budget_;
    std::vector<Frame> frames_;
};

/* Folder part of a path, with its separator ("" when there is none). */
std::string FolderOf(const std::string &path)
{
    size_t s = path.find_last_of("/\\");
    return s == std::string::npos ? std::string() : path.substr(0, s + 1);
}

/* A file name of an #include joined to a folder, with separators this system reads. */
std::string JoinPath(const std::string &folder, std::string name)
{
#ifndef _WIN32
    for (char &c : name)
        if (c == '\\') c = '/';
#endif
    bool absolute = !name.empty() && (name[0] == '/' || name[0] == '\\' || (name.size() > 1 && name[1] == ':'));
    if (absolute || folder.empty()) return name;
    char last = folder.back();
    return folder + (last == '/' || last == '\\' ? "" : "/") + name;
}

/* The script and its included files, read with their directives followed. */
class FileSource : public TokenSource {
public:
    FileSource(Preprocessed &pp, MacroTable &macros, const ScriptOptions &opt, Budget &budget)
        : pp_(pp), macros_(macros), opt_(opt), budget_(budget), cp932_(true), includedBytes_(0)
    {
        Open(0);
    }

    bool Get(ScriptToken &t) override
    {
        while (!stack_.empty()) {
            RawToken rt;
            if (!ReadRaw(stack_.back(), rt)) {
                conds_.resize(std::min(conds_.size(), stack_.back().condBase));
                stack_.pop_back();
                continue;
            }
            if (rt.lineStart && rt.kind == kTokPunct && Spell(stack_.back().file, rt) == "#") {
                Directive();
                continue;
            }
            if (!Active()) continue;
            t = Make(stack_.back(), rt);
            return true;
        }
        return false;
    }

private:
    struct Reader {
        uint16_t file;
        Lexer lx;
        bool hasPeek;
        RawToken peek;
        size_t condBase; // conditionals open when the file was entered
    };
    struct Cond {
        bool active; // this group is read
        bool taken;  // a group of this #if has been read (or the #if stands in a skipped group)
    };

    std::string_view Spell(uint16_t file, const RawToken &t) const
    {
        return std::string_view(pp_.files[file].text.data() + t.off, t.len);
    }

    void Open(uint16_t file)
    {
        Reader r;
        r.file = file;
        StartLexer(r.lx, pp_.files[file].text, ReadsAsCp932(file));
        r.hasPeek = false;
        r.condBase = conds_.size();
        stack_.push_back(r);
    }

    /* Whether a file's double-byte characters are read as code page 932: the pane's own
       text always, other files as the code page in force says. */
    bool ReadsAsCp932(uint16_t file) const { return cp932_ || (file == 0 && opt_.textIsCp932); }

    bool ReadRaw(Reader &r, RawToken &t)
    {
        if (r.hasPeek) {
            r.hasPeek = false;
            t = r.peek;
            return true;
        }
        return NextRawToken(r.lx, t);
    }

    ScriptToken Make(const Reader &r, const RawToken &rt) const
    {
        return ScriptToken{rt.kind, r.lx.cp932, r.file, rt.off, rt.len, rt.line, -1};
    }

    bool Active() const { return conds_.empty() || conds_.back().active; }
    bool ParentActive() const { return conds_.size() < 2 || conds_[conds_.size() - 2].active; }

    bool Defined(std::string_view name) const
    {
        auto it = macros_.find(name);
        return it != macros_.end() && it->second.defined;
    }

    void Note(NoteKind kind, const Reader &r, int32_t line, std::string_view word)
    {
        pp_.notes.push_back({kind, pp_.files[r.file].name, line, std::string(word)});
    }

    /* One directive line after its "#". */
    void Directive()
    {
        Reader &r = stack_.back();
        int32_t line = r.lx.line;
        std::vector<RawToken> toks;
        RawToken x;
        while (ReadRaw(r, x)) {
            if (x.lineStart) {
                r.peek = x;
                r.hasPeek = true;
                break;
            }
            toks.push_back(x);
        }
        if (toks.empty() || toks[0].kind != kTokWord)
            return;
        line = toks[0].line;
        std::string_view name = Spell(r.file, toks[0]);
        if (name == "if" || name == "ifdef" || name == "ifndef") {
            if (!Active()) {
                conds_.push_back({false, true});
                return;
            }
            bool v = name == "if" ? If(r, toks, line)
                                  : toks.size() > 1 && Defined(Spell(r.file, toks[1])) == (name == "ifdef");
            conds_.push_back({v, v});
        } else if (name == "elif") {
            if (conds_.size() <= r.condBase) return;
            Cond &c = conds_.back();
            bool v = !c.taken && ParentActive() && If(r, toks, line);
            conds_.back().active = v;
            conds_.back().taken = conds_.back().taken || v;
        } else if (name == "else") {
            if (conds_.size() <= r.condBase) return;
            Cond &c = conds_.back();
            c.active = !c.taken && ParentActive();
            c.taken = true;
        } else if (name == "endif") {
            if (conds_.size() > r.condBase) conds_.pop_back();
        } else if (!Active()) {
            return;
        } else if (name == "define") {
            Define(r, toks);
        } else if (name == "undef") {
            if (toks.size() > 1) {
                auto it = macros_.find(Spell(r.file, toks[1]));
                if (it != macros_.end()) it->second.defined = false; // kept: expansions may still point at it
            }
        } else if (name == "include") {
            Include(toks, line);
        } else if (name == "pragma") {
            if (toks.size() >= 5 && Spell(r.file, toks[1]) == "code_page" && toks[3].kind == kTokNumber) {
                cp932_ = strtoul(std::string(Spell(r.file, toks[3])).c_str(), nullptr, 10) == 932;
                stack_.back().lx.cp932 = ReadsAsCp932(r.file);
            }
        }
    }

    /* Evaluates an #if or #elif line; a value that hangs on unknown names is taken as true. */
    bool If(const Reader &r, const std::vector<RawToken> &toks, int32_t line)
    {
        std::vector<ScriptToken> e;
        for (size_t k = 1; k < toks.size(); k++) {
            if (toks[k].kind == kTokWord && Spell(r.file, toks[k]) == "defined") {
                size_t n = k + 1;
                bool paren = n < toks.size() && Spell(r.file, toks[n]) == "(";
                if (paren) n++;
                if (n < toks.size() && toks[n].kind == kTokWord) {
                    bool d = Defined(Spell(r.file, toks[n]));
                    e.push_back(ScriptToken{kTokNumber, false, kBuiltInFile, d ? 0u : 2u, 1, line, -1});
                    k = n + (paren && n + 1 < toks.size() && Spell(r.file, toks[n + 1]) == ")" ? 1 : 0);
                    continue;
                }
            }
            e.push_back(Make(r, toks[k]));
        }
        VectorSource vs(e);
        Expander ex(pp_, macros_, vs, budget_);
        std::vector<ScriptToken> out;
        ScriptToken t;
        while (ex.Next(t)) out.push_back(t);
        EvalResult v = EvalExpression(pp_, out, 0, kPrecAll, NameValues());
        if (v.ok && v.end == out.size() && v.unknown.empty())
            return v.value != 0;
        std::string word = v.unknown;
        if (word.empty())
            for (size_t k = 1; k < toks.size(); k++)
                word += (k > 1 ? " " : "") + std::string(Spell(r.file, toks[k]));
        Note(kNoteIfUnknown, r, line, word);
        return true;
    }

    void Define(const Reader &r, const std::vector<RawToken> &toks)
    {
        if (toks.size() < 2 || toks[1].kind != kTokWord)
            return;
        Macro m;
        size_t k = 2;
        if (k < toks.size() && Spell(r.file, toks[k]) == "(" && toks[k].off == toks[1].off + toks[1].len) {
            m.function = true;
            k++;
            for (; k < toks.size() && Spell(r.file, toks[k]) != ")"; k++) {
                std::string_view s = Spell(r.file, toks[k]);
                if (s == ",") continue;
                if (toks[k].kind == kTokWord) m.params.push_back(s);
                else if (s == "." && k + 2 < toks.size() && Spell(r.file, toks[k + 2]) == ".") {
                    m.params.push_back("__VA_ARGS__");
                    m.variadic = true;
                    k += 2;
                } else
                    m.usable = false;
            }
            if (k >= toks.size()) m.usable = false;
            k++;
        }
        for (; k < toks.size(); k++) {
            std::string_view s = Spell(r.file, toks[k]);
            if (s == "##" || (m.function && s == "#")) m.usable = false;
            m.body.push_back(Make(r, toks[k]));
        }
        Macro &slot = macros_[Spell(r.file, toks[1])];
        int active = slot.active; // a redefinition may come while the old one is being read
        slot = std::move(m);
        slot.active = active;
    }

    /* #include "name": the including file's folder first, then the script's folder. */
    void Include(const std::vector<RawToken> &toks, int32_t line)
    {
        const Reader &r = stack_.back();
        if (toks.size() < 2 || toks[1].kind != kTokString)
            return; // <system headers> are the compiler's own
        std::string_view q = Spell(r.file, toks[1]);
        std::string name(q.substr(1, q.size() - 2));
        if (stack_.size() >= kMaxIncludeDepth || pp_.files.size() >= kMaxFiles) {
            Note(kNoteTooDeep, r, line, name);
            return;
        }
        const std::string *folders[2] = {&pp_.files[r.file].folder, &opt_.folder};
        for (const std::string *folder : folders) {
            if (folder->empty()) continue;
            std::string path = JoinPath(*folder, name), text;
            bool read = opt_.load ? opt_.load(path, text) : LoadScriptFile(path, text);
            if (!read) continue;
            if (includedBytes_ + text.size() > kMaxIncludedBytes) {
                Note(kNoteTooDeep, r, line, name);
                return;
            }
            includedBytes_ += text.size();
            pp_.files.push_back(ScriptFile{name, FolderOf(path), std::move(text)});
            Open((uint16_t)(pp_.files.size() - 1));
            return;
        }
        Note(kNoteIncludeMissing, r, line, name);
    }

    Preprocessed &pp_;
    MacroTable &macros_;
    const ScriptOptions &opt_;
    Budget &budget_;
    std::vector<Reader> stack_;
    std::vector<Cond> conds_;
    bool cp932_;
    size_t includedBytes_;
};

/* The chain of expansions that made a token, outermost first. */
void ChainOf(const Preprocessed &pp, int32_t use, std::vector<int32_t> &chain)
{
    chain.clear();
    for (; use >= 0; use = pp.uses[use].parent)
        chain.push_back(use);
    std::reverse(chain.begin(), chain.end());
}

/* Appends one piece of written text, a blank between pieces. */
void AppendPiece(std::string &out, std::string_view piece)
{
    if (piece.empty()) return;
    if (!out.empty()) out += ' ';
    out.append(piece.data(), piece.size());
}

/* Tokens [a, b) written piece by piece at one level of their expansion chains. */
void WrittenPieces(const Preprocessed &pp, size_t a, size_t b, size_t level, std::string &out)
{
    std::vector<int32_t> chain;
    for (size_t i = a; i < b;) {
        ChainOf(pp, pp.tokens[i].use, chain);
        if (chain.size() <= level) {
            AppendPiece(out, pp.Spell(pp.tokens[i]));
            i++;
            continue;
        }
        int32_t u = chain[level];
        size_t j = i + 1;
        for (; j < b; j++) {
            ChainOf(pp, pp.tokens[j].use, chain);
            if (chain.size() <= level || chain[level] != u) break;
        }
        const MacroUse &mu = pp.uses[u];
        if (mu.first >= a && mu.last <= b)
            AppendPiece(out, std::string_view(pp.files[mu.file].text).substr(mu.off, mu.end - mu.off));
        else
            WrittenPieces(pp, i, j, level + 1, out);
        i = j;
    }
}

} // namespace

/* The place of a token in its file, or of the outermost macro name that made it. */
SourcePlace PlaceOf(const Preprocessed &pp, const ScriptToken &t)
{
    if (t.use < 0)
        return {t.file, t.off, t.off + t.len, t.line};
    int32_t u = t.use;
    while (pp.uses[u].parent >= 0) u = pp.uses[u].parent;
    const MacroUse &m = pp.uses[u];
    return {m.file, m.off, m.end, m.line};
}

/* The script's own writing of tokens [a, b). */
std::string WrittenText(const Preprocessed &pp, size_t a, size_t b)
{
    if (a >= b || b > pp.tokens.size())
        return std::string();
    // Most often the range is one stretch of one file: take it as it stands, blanks collapsed.
    SourcePlace first = PlaceOf(pp, pp.tokens[a]), last = PlaceOf(pp, pp.tokens[b - 1]);
    bool whole = first.file == last.file && first.start <= last.start;
    for (size_t i = a; whole && i < b; i++) {
        int32_t u = pp.tokens[i].use;
        while (u >= 0 && pp.uses[u].parent >= 0) u = pp.uses[u].parent;
        whole = u < 0 || (pp.uses[u].first >= a && pp.uses[u].last <= b);
    }
    std::string out;
    if (whole) {
        std::string_view s = std::string_view(pp.files[first.file].text).substr(first.start, last.end - first.start);
        if (s.find("/*") == std::string_view::npos && s.find("//") == std::string_view::npos) {
            bool blank = false;
            for (char c : s) {
                bool b2 = c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\\';
                if (b2) { blank = true; continue; }
                if (blank && !out.empty()) out += ' ';
                blank = false;
                out += c;
            }
            return out;
        }
    }
    WrittenPieces(pp, a, b, 0, out);
    return out;
}

/* Reads an included file from disk. */
bool LoadScriptFile(const std::string &path, std::string &text)
{
    FILE *f = fopen(path.c_str(), "rb");
    if (!f) return false;
    text.clear();
    char buf[65536];
    size_t n;
    bool ok = true;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) {
        if (text.size() + n > (8u << 20)) { ok = false; break; }
        text.append(buf, n);
    }
    ok = !ferror(f) && ok;
    fclose(f);
    return ok;
}

/* Runs the preprocessor over a script: the token stream with every macro expanded. */
void Preprocess(const std::string &text, const ScriptOptions &options, Preprocessed &out)
{
    out.files.clear();
    out.tokens.clear();
    out.uses.clear();
    out.notes.clear();
    out.files.push_back(ScriptFile{std::string(), options.folder, text});
    out.files.push_back(ScriptFile{"<built-in>", std::string(), "1 0"});
    MacroTable macros;
    static const char *const kPredefined[] = {"RC_INVOKED", "_WIN32", "WIN32"};
    for (const char *name : kPredefined) {
        Macro m;
        m.body.push_back(ScriptToken{kTokNumber, false, kBuiltInFile, 0, 1, 1, -1});
        macros[name] = m;
    }
    Budget budget{500000 + 4 * text.size(), false}; // about 110 MB of tokens at the most for 1 MiB
    FileSource files(out, macros, options, budget);
    Expander ex(out, macros, files, budget);
    out.tokens.reserve(text.size() / 4 + 16);
    ScriptToken t;
    while (ex.Next(t))
        out.tokens.push_back(t);
    for (size_t i = 0; i < out.tokens.size(); i++)
        for (int32_t u = out.tokens[i].use; u >= 0; u = out.uses[u].parent) {
            MacroUse &m = out.uses[u];
            if (m.first > i) m.first = (uint32_t)i;
            if (m.last < i + 1) m.last = (uint32_t)(i + 1);
        }
}
