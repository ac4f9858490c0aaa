// left over from an older build: not read
void old(void) { U1BRG = 1; }
