int main() {
  int a = 1;
  int b = 2;
  print(a+b);
  alpha();
  beta();
  gamma();
  delta();
  epsilon();
  zeta();
  eta();
  theta();
  return 0;
}
// added: Grüße aus Köln
// added line two
