int main() {
  int a = 1;
  int  b  =  2;
  print(a+b);
  zeta();
  eta();
  theta();
  removed("Grüße");
  alpha();
  beta();
  gamma();
  delta();
  epsilon();
  return 0;
}
