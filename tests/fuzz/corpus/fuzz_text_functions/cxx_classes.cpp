namespace a { class W : public B<int> {
public:
  W() : x(1) {}
  void OnPaint(HDC h) const noexcept override { auto l = [](int y) { return y; }; }
  struct P { int Get() { return 0; } };
  friend bool operator==(const W &, const W &) { return true; }
}; }
extern "C" { int c(void) { return 0; } }
int d() { class D { public: D(int j) : i(j) {} int i; } dx{1}; return 0; }
