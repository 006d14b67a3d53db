int g;
