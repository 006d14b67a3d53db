int a;
int  b;
