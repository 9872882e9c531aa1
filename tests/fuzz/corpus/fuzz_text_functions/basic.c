int main(void)
{
  if (x) { s = "{"; }
}
/* } */ int f(int (*p)(int)) { }
