#ifndef SERIAL_H
#define SERIAL_H
void serial_init(void);
char serial_ready(void);
char serial_get(void);
void serial_put(char c);
#endif
