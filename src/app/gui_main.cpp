// schemist: the desktop program (filled in with the windows).
int main() { return 0; }
