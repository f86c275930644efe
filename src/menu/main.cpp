// Placeholder until the menu program lands.
int main() { return 0; }
