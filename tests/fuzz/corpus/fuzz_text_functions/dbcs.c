struct S { int x; };
•\ f() { }