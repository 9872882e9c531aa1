#include "text/function_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Names(const std::string &src, int nMax = 0, bool *pCapped = nullptr)
{
    FunctionList list;
    EnumerateFunctions(src.data(), src.size(), nMax, list);
    if (pCapped)
        *pCapped = list.bCapped;
    std::vector<std::string> names;
    for (const FunctionEntry &e : list.entries)
        names.push_back(e.szName);
    return names;
}

} // namespace

TEST(BlankComments, KeepsOffsetsLiteralsAndLines)
{
    std::string s = "a /* x\r\n y */ b // c\r\n\"/*s*/\" '\"' /* open";
    std::string before = s;
    BlankComments(&s[0], s.size());
    EXPECT_EQ(s.size(), before.size());
    EXPECT_EQ(s, std::string("a     \r\n      b     \r\n\"/*s*/\" '\"'        "));
    // Property: any bytes keep their length and every line break stays put.
    unsigned seed = 7;
    for (int round = 0; round < 200; ++round) {
        std::string r;
        for (int k = 0; k < 64; ++k) {
            seed = seed * 1103515245u + 12345u;
            r.push_back("/*\"'\\\r\nab{}\x83\x5c"[(seed >> 16) % 14]);
        }
        std::string copy = r;
        BlankComments(&copy[0], copy.size());
        ASSERT_EQ(copy.size(), r.size());
        for (size_t k = 0; k < r.size(); ++k) {
            if (r[k] == '\n' || r[k] == '\r') {
                ASSERT_EQ(copy[k], r[k]);
            }
        }
    }
}

TEST(EnumerateFunctions, BracesInLiteralsCommentsAndBodiesDoNotCount)
{
    std::string src =
        "/* void c1(void) { } */\r\n"
        "struct S { int x; };\r\n"
        "int WinMain(HINSTANCE h,\r\n  int n)\r\n{\r\n  if (x) {\r\n    s = \"{\";\r\n  }\r\n}\r\n"
        "static int g(int (*cb)(int))\r\n{ return 0; }\r\n"
        "char c = '{';\r\n"
        "int h()\r\n{\r\n}\r\n";
    std::vector<std::string> names = Names(src);
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0], "WinMain(HINSTANCE h,\r\n  int n)");
    EXPECT_EQ(names[1], "g(int (*cb)(int))");
    EXPECT_EQ(names[2], "h()");
    FunctionList empty;
    EXPECT_EQ(EnumerateFunctions("", 0, 0, empty), -1);
    // A stray "}" does not hide the functions after it.
    EXPECT_EQ(Names("}\r\nint a()\r\n{\r\n}\r\n").size(), 1u);
    // CP932: 0x5C trail bytes (表, ソ) before quotes and braces, Japanese comments holding braces.
    std::string sjis = "static char *s = \"\x95\x5c\";\r\n"                 // "表"
                       "int a(void) /* \x83\x5c { */\r\n{\r\n  t = \"{\x83\x5c\";\r\n}\r\n" // ソ {  "{ソ"
                       "// \x95\x5c }\r\n"
                       "int b(char *p\x95\x5c)\x83\x5c{ return 0; }\r\n"  // junk ソ before the brace
                       "int c(void)\r\n{\r\n}\r\n";
    EXPECT_EQ(Names(sjis), (std::vector<std::string>{"a(void)", "c(void)"}));
    // Raw strings hold quotes, braces and comment marks; a word ending in R is no prefix.
    std::string raw = "const char *r = R\"x({ \" // })x\", *q = u8R\"(\")\";\nint e(void) {}\n"
                      "char *s = FOOR\"(\";\nint f() {}\n";
    EXPECT_EQ(Names(raw), (std::vector<std::string>{"e(void)", "f()"}));
    // A long name is cut at 63 bytes on a character boundary.
    std::string longName = "f(" + std::string(30, 'x');
    for (int k = 0; k < 20; ++k)
        longName += "\x88\x9f";
    longName += ")";
    std::vector<std::string> cut = Names(longName + "{}");
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].size(), 62u); // 32 bytes and 15 whole double-byte characters
}

TEST(EnumerateFunctions, ClassBodiesNamespacesAndLocalClasses)
{
    std::string src = "namespace a { namespace { inline namespace v1 {\n"
                      "int f() { auto l = [](int x) { return x; }; { int y; } return 0; }\n"
                      "} } }\n"
                      "namespace a::b { void g(int) {} }\n"
                      "extern \"C\" { int c_api(void) { return 0; } }\n"
                      "class Window : public Base<int> {\n"
                      "public:\n"
                      "    Window() = default;\n"
                      "    Window(const Window &) = delete;\n"
                      "    virtual void Draw() = 0;\n"
                      "    void Prototype(int);\n"
                      "    void OnPaint(HDC hdc) { Draw(); }\n"
                      "    struct Part { union U { int Get() { return 0; } }; };\n"
                      "    enum E { kA, kB };\n"
                      "    friend bool operator==(const Window &, const Window &) { return true; }\n"
                      "    int table[2] = {1, 2};\n"
                      "};\n"
                      "int d() {\n"
                      "    class D { public: D(int j) : i(j) {} int f() { return i; } int i; } dx{1};\n"
                      "    struct { int v; } anon = {1};\n"
                      "    return dx.f();\n"
                      "}\n";
    EXPECT_EQ(Names(src), (std::vector<std::string>{"f()", "g(int)", "c_api(void)", "Window::OnPaint(HDC hdc)",
                                                    "Window::Part::U::Get()", "operator==(const Window &, const Window &)",
                                                    "d()", "D::D(int j)", "D::f()"}));
}

TEST(EnumerateFunctions, QualifiersBetweenParametersAndBody)
{
    std::string src = "int A::f(void) const {}\n"
                      "int A::g() volatile & noexcept {}\n"
                      "void A::h() && noexcept(false) {}\n"
                      "void B::i() override final {}\n"
                      "void j() throw() {}\n"
                      "auto k(int a) -> int (*)(int) {}\n"
                      "static int l() __attribute__((unused)) {}\n"
                      "[[nodiscard]] int m() [[deprecated]] {}\n"
                      "std::string n() const THROW_SPEC {}\n"
                      "void o() LOCKS_EXCLUDED(mu) {}\n"
                      "int p() try { return 1; } catch (...) { return 0; }\n"
                      "A::A() : x(1), y{2} {}\n"
                      "A::A(int) try : x(1) {} catch (const std::exception &e) {}\n"
                      "void (*signal(int sig, void (*func)(int)))(int) {}\n"
                      "int q(int a)\n  const\n{\n}\n";
    EXPECT_EQ(Names(src), (std::vector<std::string>{"A::f(void)", "A::g()", "A::h()", "B::i()", "j()", "k(int a)",
                                                    "l()", "m()", "n()", "o()", "p()", "A::A()", "A::A(int)",
                                                    "signal(int sig, void (*func)(int))", "q(int a)"}));
    // Neither a macro after the parameters nor a macro before the name is the name.
    EXPECT_EQ(Names("EXPORT(int) WINAPI r(void) MACRO {}\n"), (std::vector<std::string>{"r(void)"}));
}

TEST(EnumerateFunctions, KAndRDefinitions)
{
    std::string src = "int f(a, b)\nint a;\nchar *b;\n{\n}\n"
                      "LONG FAR PASCAL WndProc(hWnd, msg) HWND hWnd; unsigned msg; { return 0; }\n"
                      "void v(fmt, ...) const char *fmt; {}\n"
                      "int proto(int a);\n"
                      "int x;\n"
                      "int g() { return 0; }\n";
    EXPECT_EQ(Names(src), (std::vector<std::string>{"f(a, b)", "WndProc(hWnd, msg)", "v(fmt, ...)", "g()"}));
}

TEST(EnumerateFunctions, NamesAsWritten)
{
    std::string src = "C:: ~ C ()\n{\n}\n"
                      "X & X::operator *= (int)\n{\n}\n"
                      "bool operator()(int a) {}\n"
                      "long operator\"\"_print(const char *s) {}\n"
                      "void *operator new[](size_t n) {}\n"
                      "S::operator const char *() const {}\n"
                      "template <class T, bool B = (sizeof(T) < 4)> T A<T>::get() {}\n"
                      "template <> void f<int>(int x) {}\n"
                      "int \\\n  cont(void) {}\n";
    EXPECT_EQ(Names(src), (std::vector<std::string>{"C::~C()", "X::operator*=(int)", "operator()(int a)",
                                                    "operator\"\"_print(const char *s)", "operator new[](size_t n)",
                                                    "S::operator const char*()", "A<T>::get()", "f<int>(int x)",
                                                    "cont(void)"}));
    // The offset is where the name is written; the name part runs to the parameters.
    std::string member = "struct Window {\n  void OnPaint(int x) {}\n};\n";
    FunctionList list;
    ASSERT_EQ(EnumerateFunctions(member.data(), member.size(), 0, list), 1);
    const FunctionEntry &e = list.entries[0];
    EXPECT_EQ(member.substr(e.nOffset, e.nEnd - e.nOffset), "OnPaint(int x)");
    EXPECT_EQ(std::string(e.szName, e.nNameLen), "Window::OnPaint");
    char buf[64];
    EXPECT_EQ(CurrentFunctionName(member.size(), list, e.nEnd + 2, buf, sizeof buf), static_cast<long>(e.nOffset));
    EXPECT_STREQ(buf, "Window::OnPaint()");
}

TEST(EnumerateFunctions, PreprocessorBranches)
{
    std::string src = "#if 0\nint dead() {\n#endif\n"
                      "#ifdef __cplusplus\nextern \"C\" {\n#endif\n"
                      "#define OPEN {\n"
                      "#define LONG_MACRO(x) \\\n  do { x; } while (0)\n"
                      "#ifdef UNICODE\nint wWinMain(HINSTANCE h)\n#else\nint WinMain(HINSTANCE h)\n#endif\n{\n}\n"
                      "#if defined(A)\nvoid twice(int a) {\n#elif B\nvoid twice(long a) {\n#else\nvoid other() {\n"
                      "#endif\n}\n"
                      "#if 1\nint one() {}\n#else\nint notOne() {}\n#endif\n"
                      "#ifdef __cplusplus\n}\n#endif\n"
                      "int after() {}\n";
    EXPECT_EQ(Names(src), (std::vector<std::string>{"wWinMain(HINSTANCE h)", "twice(int a)", "other()", "one()",
                                                    "after()"}));
}
TEST(EnumerateFunctions, CapIsReported)
{
    std::string src;
    for (int k = 0; k < 10; ++k)
        src += "void f" + std::to_string(k) + "()\r\n{\r\n}\r\n";
    bool capped = false;
    EXPECT_EQ(Names(src, 4, &capped).size(), 4u);
    EXPECT_TRUE(capped);
    EXPECT_EQ(Names(src, 10, &capped).size(), 10u);
    EXPECT_FALSE(capped);
}

TEST(FunctionNavigation, LookupsByCaret)
{
    std::string src = "int x;\r\nint a(void)\r\n{\r\n}\r\nint b(int n)\r\n{\r\n}\r\n";
    FunctionList list;
    ASSERT_EQ(EnumerateFunctions(src.data(), src.size(), 384, list), 2);
    size_t a = list.entries[0].nOffset, b = list.entries[1].nOffset;
    EXPECT_EQ(src.substr(a, 1), "a");
    char buf[64];
    EXPECT_EQ(CurrentFunctionName(src.size(), list, 2, buf, sizeof buf), 0);
    EXPECT_STREQ(buf, "not in function area");
    EXPECT_EQ(CurrentFunctionName(src.size(), list, a, buf, sizeof buf), 0); // at the offset: before
    EXPECT_EQ(CurrentFunctionName(src.size(), list, a + 3, buf, sizeof buf), static_cast<long>(a));
    EXPECT_STREQ(buf, "a()");
    char tiny[3];
    CurrentFunctionName(src.size(), list, b + 1, tiny, sizeof tiny);
    EXPECT_LT(std::string(tiny).size(), sizeof tiny);
    FunctionList none;
    EXPECT_EQ(CurrentFunctionName(1, none, 0, buf, sizeof buf), -1);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(NextFunctionOffset(list, 0), static_cast<long>(a));
    EXPECT_EQ(NextFunctionOffset(list, a), static_cast<long>(b));
    EXPECT_EQ(NextFunctionOffset(list, b), -1);
    EXPECT_EQ(FunctionTopOffset(list, 1), 0u);
    EXPECT_EQ(FunctionTopOffset(list, b + 2), b);
    EXPECT_EQ(LineOfOffset(src.data(), src.size(), b), 5);
}
