#if 0
int dead() {
#endif
#ifdef __cplusplus
extern "C" {
#endif
#define OPEN {
#define M(x) \
  do { x; } while (0)
#ifdef UNICODE
int wWinMain(HINSTANCE h)
#else
int WinMain(HINSTANCE h)
#endif
{
}
#if defined(A)
void twice(int a) {
#elif B
void twice(long a) {
#else
void other() {
#endif
}
#ifdef __cplusplus
}
#endif
