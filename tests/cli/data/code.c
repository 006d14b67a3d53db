int a; // new
int b;
