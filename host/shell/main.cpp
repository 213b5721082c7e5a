// zhost: the CAD host program.
int main() { return 0; }
