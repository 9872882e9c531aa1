int f(a, b)
int a;
char *b;
{
}
LONG FAR PASCAL WndProc(hWnd, msg) HWND hWnd; unsigned msg; { return 0; }
void v(fmt, ...) const char *fmt; {}
