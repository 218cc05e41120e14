// schemist-cli: the command-line front end (filled in as the run lands).
int main() { return 0; }
