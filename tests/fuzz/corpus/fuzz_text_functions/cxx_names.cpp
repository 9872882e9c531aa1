C:: ~ C () {}
X & X::operator *= (int) {}
long operator""_print(const char *s) {}
void *operator new[](size_t n) {}
auto k(int a) -> int (*)(int) {}
static int l() __attribute__((unused)) {}
std::string n() const THROW_SPEC {}
int p() try { return 1; } catch (...) { return 0; }
void (*signal(int sig, void (*func)(int)))(int) {}
template <class T, bool B = (sizeof(T) < 4)> T A<T>::get() {}
template <> void f<int>(int x) {}
